#include "fileif/CaptionTextFile.h"

#include <windows.h>

#include "framework/FileBytes.h"
#include "framework/LineReader.h"
#include "framework/Mbcs.h"
#include "framework/Text.h"

namespace {
const UINT kCaptionCodePage = 932;

struct Encoding {
    size_t markBytes;
    fw::LineReader::Units units;
    UINT codePage;  // of the raw line bytes; 0 for UTF-16, kCaptionCodePage for no conversion
};

Encoding detectEncoding(const std::string& bytes, bool cut) {
    if (fw::StartsWith(bytes, "\xEF\xBB\xBF")) return {3, fw::LineReader::Units::Bytes, CP_UTF8};
    if (fw::StartsWith(bytes, "\xFF\xFE")) return {2, fw::LineReader::Units::Utf16LittleEndian, 0};
    if (fw::StartsWith(bytes, "\xFE\xFF")) return {2, fw::LineReader::Units::Utf16BigEndian, 0};
    if (isUtf8WithMultiByte(bytes, cut)) return {0, fw::LineReader::Units::Bytes, CP_UTF8};
    return {0, fw::LineReader::Units::Bytes, kCaptionCodePage};
}

// A UTF-8 lead byte: the length of its sequence (0 for a byte that starts none) and the range
// its second byte must fall in, which rules out overlong forms, surrogates and values past
// U+10FFFF.
struct Utf8Lead {
    size_t length;
    unsigned char secondLow;
    unsigned char secondHigh;
};

Utf8Lead utf8LeadOf(unsigned char lead) {
    if (lead >= 0xC2 && lead <= 0xDF) return {2, 0x80, 0xBF};
    if (lead == 0xE0) return {3, 0xA0, 0xBF};
    if (lead == 0xED) return {3, 0x80, 0x9F};
    if (lead >= 0xE1 && lead <= 0xEF) return {3, 0x80, 0xBF};
    if (lead == 0xF0) return {4, 0x90, 0xBF};
    if (lead >= 0xF1 && lead <= 0xF3) return {4, 0x80, 0xBF};
    if (lead == 0xF4) return {4, 0x80, 0x8F};
    return {0, 0, 0};
}

std::wstring utf16FromRaw(const std::string& raw, fw::LineReader::Units units) {
    std::wstring wide;
    wide.reserve(raw.size() / 2);
    for (size_t i = 0; i + 1 < raw.size(); i += 2) {
        unsigned char a = static_cast<unsigned char>(raw[i]);
        unsigned char b = static_cast<unsigned char>(raw[i + 1]);
        wide += static_cast<wchar_t>(units == fw::LineReader::Units::Utf16LittleEndian ? (a | (b << 8))
                                                                                     : ((a << 8) | b));
    }
    return wide;
}

// One line of the file as caption text in code page 932, cut at kCaptionLineLimit.
std::string decodeLine(const std::string& raw, const Encoding& encoding) {
    std::string line;
    if (encoding.codePage == kCaptionCodePage) {
        line = raw;
    } else if (encoding.codePage == CP_UTF8) {
        int length = MultiByteToWideChar(CP_UTF8, 0, raw.data(), static_cast<int>(raw.size()), nullptr, 0);
        std::wstring wide(static_cast<size_t>(length > 0 ? length : 0), L'\0');
        if (length > 0)
            MultiByteToWideChar(CP_UTF8, 0, raw.data(), static_cast<int>(raw.size()), &wide[0], length);
        line = fw::CodePage932FromWide(wide);
    } else {
        line = fw::CodePage932FromWide(utf16FromRaw(raw, encoding.units));
    }
    return fw::CutToBytes(line, kCaptionLineLimit);
}

// How many raw bytes of one line to read: enough for more than kCaptionLineLimit bytes of
// caption text, so that the cut falls between whole characters (at most 4 raw bytes make one).
size_t rawLineLimit(const Encoding& encoding) {
    if (encoding.codePage == kCaptionCodePage) return kCaptionLineLimit + 1;
    return 4 * kCaptionLineLimit + 4;
}
}  // namespace

bool isUtf8WithMultiByte(const std::string& bytes, bool cut) {
    const unsigned char* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const size_t size = bytes.size();
    bool multiByte = false;
    for (size_t i = 0; i < size;) {
        if (p[i] < 0x80) {
            ++i;
            continue;
        }
        const Utf8Lead lead = utf8LeadOf(p[i]);
        if (lead.length == 0) return false;
        for (size_t k = 1; k < lead.length; ++k) {
            if (i + k == size) return cut && multiByte;  // the character the cut fell into
            const unsigned char c = p[i + k];
            const unsigned char low = k == 1 ? lead.secondLow : 0x80;
            const unsigned char high = k == 1 ? lead.secondHigh : 0xBF;
            if (c < low || c > high) return false;
        }
        multiByte = true;
        i += lead.length;
    }
    return multiByte;
}

void captionTextFromBytes(const std::string& bytes, bool cut, std::string& text) {
    text.clear();
    fw::LineReader reader(bytes);
    const Encoding encoding = detectEncoding(bytes, cut);
    reader.Begin(encoding.markBytes, encoding.units);

    std::string raw;
    for (int lines = 0; lines < kMaxCaptionLines; ++lines) {
        if (reader.ReadLine(raw, rawLineLimit(encoding)) == fw::LineReader::Result::End) break;
        std::string line = decodeLine(raw, encoding);
        size_t nul = line.find('\0');
        if (nul != std::string::npos) {  // the text ends at a NUL, as any caption text does
            text += line.substr(0, nul);
            break;
        }
        text += line;
        if (text.size() > kCaptionTextLimit) break;
    }
}

CaptionFileRead readCaptionText(const std::string& path, std::string& text) {
    text.clear();
    std::string bytes;
    switch (fw::ReadFileStart(path, fw::FileSharing::NoWriters, kCaptionFileReadLimit, bytes)) {
    case fw::FileBytesResult::Missing:
    case fw::FileBytesResult::CouldNotOpen: return CaptionFileRead::CouldNotOpen;
    case fw::FileBytesResult::ReadError: return CaptionFileRead::ReadError;
    case fw::FileBytesResult::Read: break;
    }
    captionTextFromBytes(bytes, bytes.size() == kCaptionFileReadLimit, text);
    return CaptionFileRead::Read;
}
