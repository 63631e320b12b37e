#include "fileif/CaptionTextFile.h"

#include <windows.h>

#include "framework/FileBytes.h"
#include "framework/LineReader.h"
#include "framework/Mbcs.h"
#include "framework/Text.h"
#include "framework/TextCodec.h"

namespace {
const UINT kCaptionCodePage = 932;

struct Encoding {
    size_t markBytes;
    fw::LineReader::Units units;
    UINT codePage;  // of the raw line bytes; 0 for UTF-16, kCaptionCodePage for no conversion
};

Encoding detectEncoding(const std::string& bytes, bool cut) {
    const fw::TextMark mark = fw::MarkOf(bytes);
    const size_t markBytes = fw::MarkLength(mark);
    switch (mark) {
    case fw::TextMark::Utf8: return {markBytes, fw::LineReader::Units::Bytes, CP_UTF8};
    case fw::TextMark::Utf16LittleEndian: return {markBytes, fw::LineReader::Units::Utf16LittleEndian, 0};
    case fw::TextMark::Utf16BigEndian: return {markBytes, fw::LineReader::Units::Utf16BigEndian, 0};
    case fw::TextMark::None: break;
    }
    if (fw::IsUtf8WithMultiByte(bytes, cut)) return {0, fw::LineReader::Units::Bytes, CP_UTF8};
    return {0, fw::LineReader::Units::Bytes, kCaptionCodePage};
}

// One line of the file as caption text in code page 932, cut at kCaptionLineLimit.
std::string decodeLine(const std::string& raw, const Encoding& encoding) {
    std::string line;
    if (encoding.codePage == kCaptionCodePage) {
        line = raw;
    } else if (encoding.codePage == CP_UTF8) {
        line = fw::CodePage932FromWide(fw::Widen(raw, CP_UTF8));
    } else {
        line = fw::CodePage932FromWide(
            fw::Utf16FromBytes(raw, 0, encoding.units == fw::LineReader::Units::Utf16BigEndian));
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
