#include "fileif/CaptionTextFile.h"

#include <windows.h>

#include "framework/LineReader.h"
#include "framework/Mbcs.h"

namespace {
const UINT kCaptionCodePage = 932;

struct Encoding {
    size_t markBytes;
    fw::LineReader::Units units;
    UINT codePage;  // of the raw line bytes; 0 for UTF-16, kCaptionCodePage for no conversion
};

Encoding DetectEncoding(const std::string& start) {
    if (start.compare(0, 3, "\xEF\xBB\xBF") == 0) return {3, fw::LineReader::Units::Bytes, CP_UTF8};
    if (start.compare(0, 2, "\xFF\xFE") == 0) return {2, fw::LineReader::Units::Utf16LittleEndian, 0};
    if (start.compare(0, 2, "\xFE\xFF") == 0) return {2, fw::LineReader::Units::Utf16BigEndian, 0};
    return {0, fw::LineReader::Units::Bytes, kCaptionCodePage};
}

std::wstring Utf16FromRaw(const std::string& raw, fw::LineReader::Units units) {
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

bool IsHighSurrogate(wchar_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(wchar_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

std::string ToCaptionCodePage(std::wstring wide) {
    // A character beyond the basic plane is one character, so it becomes one "?".
    for (size_t i = 0; i + 1 < wide.size(); ++i)
        if (IsHighSurrogate(wide[i]) && IsLowSurrogate(wide[i + 1])) wide.replace(i, 2, 1, L'?');
    if (wide.empty()) return std::string();
    int length = WideCharToMultiByte(kCaptionCodePage, 0, wide.data(), static_cast<int>(wide.size()),
                                     nullptr, 0, "?", nullptr);
    if (length <= 0) return std::string();
    std::string text(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(kCaptionCodePage, 0, wide.data(), static_cast<int>(wide.size()), &text[0],
                        length, "?", nullptr);
    return text;
}

// One line of the file as caption text in code page 932, cut at kCaptionLineLimit.
std::string DecodeLine(const std::string& raw, const Encoding& encoding) {
    std::string line;
    if (encoding.codePage == kCaptionCodePage) {
        line = raw;
    } else if (encoding.codePage == CP_UTF8) {
        int length = MultiByteToWideChar(CP_UTF8, 0, raw.data(), static_cast<int>(raw.size()), nullptr, 0);
        std::wstring wide(static_cast<size_t>(length > 0 ? length : 0), L'\0');
        if (length > 0)
            MultiByteToWideChar(CP_UTF8, 0, raw.data(), static_cast<int>(raw.size()), &wide[0], length);
        line = ToCaptionCodePage(wide);
    } else {
        line = ToCaptionCodePage(Utf16FromRaw(raw, encoding.units));
    }
    return fw::CutToBytes(line, kCaptionLineLimit);
}

// How many raw bytes of one line to read: enough for more than kCaptionLineLimit bytes of
// caption text, so that the cut falls between whole characters (at most 4 raw bytes make one).
size_t RawLineLimit(const Encoding& encoding) {
    if (encoding.codePage == kCaptionCodePage) return kCaptionLineLimit + 1;
    return 4 * kCaptionLineLimit + 4;
}
}  // namespace

CaptionFileRead readCaptionText(const std::string& path, std::string& text) {
    text.clear();
    fw::LineReader reader;
    if (!reader.Open(path)) return CaptionFileRead::CouldNotOpen;
    Encoding encoding = DetectEncoding(reader.PeekStart(3));
    reader.Begin(encoding.markBytes, encoding.units);

    std::string raw;
    for (int lines = 0; lines < kMaxCaptionLines; ++lines) {
        fw::LineReader::Result result = reader.ReadLine(raw, RawLineLimit(encoding));
        if (result == fw::LineReader::Result::Error) return CaptionFileRead::ReadError;
        if (result == fw::LineReader::Result::End) break;
        std::string line = DecodeLine(raw, encoding);
        size_t nul = line.find('\0');
        if (nul != std::string::npos) {  // the text ends at a NUL, as any caption text does
            text += line.substr(0, nul);
            break;
        }
        text += line;
        if (text.size() > kCaptionTextLimit) break;
    }
    return CaptionFileRead::Read;
}
