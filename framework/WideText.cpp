#include "framework/WideText.h"

#include "framework/Mbcs.h"
#include "framework/TextCodec.h"

namespace fw {

namespace {
const unsigned kCodePage932 = 932;

bool isSingleByteOfCodePage932(wchar_t c) {
    if (c < 0x80 || (c >= 0xFF61 && c <= 0xFF9F)) return true;
    if (c > 0xFF && (c < 0xF8F0 || c > 0xF8F3)) return false;
    const std::wstring one(1, c);
    const std::string bytes = CodePage932FromWide(one);
    return bytes.size() == 1 && WideFromCodePage932(bytes) == one;
}

// Code units of the character at `at`: 2 for a whole surrogate pair.
size_t unitsAt(const std::wstring& text, size_t at) {
    return IsHighSurrogate(text[at]) && at + 1 < text.size() && IsLowSurrogate(text[at + 1]) ? 2 : 1;
}
}  // namespace

bool IsHighSurrogate(wchar_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(wchar_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

std::wstring WithoutLineBreaks(const std::wstring& text) {
    std::wstring line;
    line.reserve(text.size());
    for (wchar_t c : text)
        if (c != L'\r' && c != L'\n') line += c;
    return line;
}

size_t CellsOf(const wchar_t* character, size_t units) {
    return units == 1 && isSingleByteOfCodePage932(character[0]) ? 1 : 2;
}

size_t CellsOf(const std::wstring& text) {
    size_t cells = 0;
    for (size_t at = 0; at < text.size(); at += unitsAt(text, at)) cells += CellsOf(text.data() + at, unitsAt(text, at));
    return cells;
}

std::wstring CutToCells(const std::wstring& text, size_t limit) {
    size_t cells = 0;
    for (size_t at = 0; at < text.size();) {
        const size_t units = unitsAt(text, at);
        cells += CellsOf(text.data() + at, units);
        if (cells > limit) return text.substr(0, at);
        at += units;
    }
    return text;
}

std::wstring WideFromCodePage932(const std::string& bytes) { return Widen(bytes, kCodePage932); }

bool CodePage932Holds(const std::wstring& text) {
    return WideFromCodePage932(CodePage932FromWide(text)) == text;
}

}  // namespace fw
