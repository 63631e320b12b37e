#include "fileif/CaptionTextFile.h"

#include <windows.h>

#include "framework/FileBytes.h"
#include "framework/LineReader.h"
#include "framework/Mbcs.h"
#include "framework/TextCodec.h"
#include "framework/WideText.h"

namespace {
enum class Source { CodePage932, Utf8, Utf16 };

struct Encoding {
    size_t markBytes;
    fw::LineReader::Units units;
    Source source;
};

Encoding detectEncoding(const std::string& bytes, bool cut) {
    const fw::TextMark mark = fw::MarkOf(bytes);
    const size_t markBytes = fw::MarkLength(mark);
    switch (mark) {
    case fw::TextMark::Utf8: return {markBytes, fw::LineReader::Units::Bytes, Source::Utf8};
    case fw::TextMark::Utf16LittleEndian: return {markBytes, fw::LineReader::Units::Utf16LittleEndian, Source::Utf16};
    case fw::TextMark::Utf16BigEndian: return {markBytes, fw::LineReader::Units::Utf16BigEndian, Source::Utf16};
    case fw::TextMark::None: break;
    }
    if (fw::IsUtf8WithMultiByte(bytes, cut)) return {0, fw::LineReader::Units::Bytes, Source::Utf8};
    return {0, fw::LineReader::Units::Bytes, Source::CodePage932};
}

// One line of the file as caption text, cut at kCaptionLineLimit cells. Code page 932 is cut
// in its own bytes, which are its cells, before it is widened.
std::wstring decodeLine(const std::string& raw, const Encoding& encoding) {
    switch (encoding.source) {
    case Source::CodePage932: return fw::WideFromCodePage932(fw::CutToBytes(raw, kCaptionLineLimit));
    case Source::Utf8: return fw::CutToCells(fw::Widen(raw, CP_UTF8), kCaptionLineLimit);
    case Source::Utf16: break;
    }
    return fw::CutToCells(fw::Utf16FromBytes(raw, 0, encoding.units == fw::LineReader::Units::Utf16BigEndian),
                          kCaptionLineLimit);
}

// How many raw bytes of one line to read: enough for more than kCaptionLineLimit cells of
// caption text, so that the cut falls between whole characters (at most 4 raw bytes make a
// character, and each character is at least one cell).
size_t rawLineLimit(const Encoding& encoding) {
    if (encoding.source == Source::CodePage932) return kCaptionLineLimit + 1;
    return 4 * kCaptionLineLimit + 4;
}
}  // namespace

void captionTextFromBytes(const std::string& bytes, bool cut, std::wstring& text) {
    text.clear();
    fw::LineReader reader(bytes);
    const Encoding encoding = detectEncoding(bytes, cut);
    reader.Begin(encoding.markBytes, encoding.units);

    std::string raw;
    size_t cells = 0;
    for (int lines = 0; lines < kMaxCaptionLines; ++lines) {
        if (reader.ReadLine(raw, rawLineLimit(encoding)) == fw::LineReader::Result::End) break;
        std::wstring line = decodeLine(raw, encoding);
        const size_t nul = line.find(L'\0');
        if (nul != std::wstring::npos) {  // the text ends at a NUL, as any caption text does
            text += line.substr(0, nul);
            break;
        }
        text += line;
        cells += fw::CellsOf(line);
        if (cells > kCaptionTextLimit) break;
    }
}

CaptionFileRead readCaptionText(const std::wstring& path, std::wstring& text) {
    text.clear();
    std::string bytes;
    switch (fw::ReadFileStart(path, fw::FileSharing::NoWriters, kCaptionFileReadLimit, bytes)) {
    case fw::FileBytesResult::Missing:
    case fw::FileBytesResult::CouldNotOpen: return CaptionFileRead::CouldNotOpen;
    case fw::FileBytesResult::ReadError:
    case fw::FileBytesResult::NoMemory: return CaptionFileRead::ReadError;
    case fw::FileBytesResult::Read: break;
    }
    captionTextFromBytes(bytes, bytes.size() == kCaptionFileReadLimit, text);
    return CaptionFileRead::Read;
}
