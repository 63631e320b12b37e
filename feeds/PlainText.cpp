#include "feeds/PlainText.h"

#include <algorithm>
#include <cstring>

#include "framework/WideText.h"

namespace {
struct NamedReference {
    const wchar_t* name;
    wchar_t character;
};

// The references feeds use in practice: XML's five, HTML's spaces, dashes, quotes and signs.
const NamedReference kNamedReferences[] = {
    {L"amp", L'&'},       {L"lt", L'<'},        {L"gt", L'>'},        {L"quot", L'"'},     {L"apos", L'\''},
    {L"nbsp", L'\x00A0'}, {L"ensp", L'\x2002'}, {L"emsp", L'\x2003'}, {L"thinsp", L'\x2009'},
    {L"ndash", L'\x2013'}, {L"mdash", L'\x2014'}, {L"lsquo", L'\x2018'}, {L"rsquo", L'\x2019'},
    {L"sbquo", L'\x201A'}, {L"ldquo", L'\x201C'}, {L"rdquo", L'\x201D'}, {L"bdquo", L'\x201E'},
    {L"hellip", L'\x2026'}, {L"middot", L'\x00B7'}, {L"bull", L'\x2022'}, {L"copy", L'\x00A9'},
    {L"reg", L'\x00AE'},  {L"trade", L'\x2122'}, {L"deg", L'\x00B0'},  {L"times", L'\x00D7'},
    {L"divide", L'\x00F7'}, {L"yen", L'\x00A5'}, {L"euro", L'\x20AC'}, {L"pound", L'\x00A3'},
    {L"cent", L'\x00A2'}, {L"sect", L'\x00A7'}, {L"para", L'\x00B6'},  {L"laquo", L'\x00AB'},
    {L"raquo", L'\x00BB'}, {L"larr", L'\x2190'}, {L"rarr", L'\x2192'}, {L"uarr", L'\x2191'},
    {L"darr", L'\x2193'}, {L"hearts", L'\x2665'}, {L"plusmn", L'\x00B1'}, {L"micro", L'\x00B5'},
};

const size_t kLongestReference = 12;  // "&#x10FFFF;" and the longest name fit

bool isAsciiLetter(wchar_t c) { return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z'); }
bool isDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }
int hexValue(wchar_t c) {
    if (isDigit(c)) return c - L'0';
    if (c >= L'a' && c <= L'f') return c - L'a' + 10;
    if (c >= L'A' && c <= L'F') return c - L'A' + 10;
    return -1;
}

bool isCollapsible(wchar_t c) {
    return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n' || c == L'\f' || c == L'\v' || c == L'\x00A0' ||
           c == L'\x3000' || (c >= L'\x2000' && c <= L'\x200A');
}

void appendCodePoint(std::wstring& out, unsigned long value) {
    if (value == 0 || (value >= 0xD800 && value <= 0xDFFF) || value > 0x10FFFF) value = 0xFFFD;
    if (value < 0x10000) {
        out += static_cast<wchar_t>(value);
        return;
    }
    value -= 0x10000;
    out += static_cast<wchar_t>(0xD800 + (value >> 10));
    out += static_cast<wchar_t>(0xDC00 + (value & 0x3FF));
}

// Decodes the reference at `at` ("&...;") into `out` and returns its length; 0 when there is none.
// Only the few characters a reference can span are looked at, so that a text of many "&" costs
// no more than its length.
size_t decodeReference(const std::wstring& text, size_t at, std::wstring& out) {
    const size_t end = std::min(text.size(), at + kLongestReference + 1);
    size_t semicolon = at + 1;
    while (semicolon < end && text[semicolon] != L';') ++semicolon;
    if (semicolon >= end) return 0;
    const std::wstring body = text.substr(at + 1, semicolon - at - 1);
    if (body.size() >= 2 && body[0] == L'#') {
        const bool hex = body[1] == L'x' || body[1] == L'X';
        const size_t first = hex ? 2 : 1;
        if (first >= body.size()) return 0;
        unsigned long value = 0;
        for (size_t i = first; i < body.size(); ++i) {
            const int digit = hex ? hexValue(body[i]) : (isDigit(body[i]) ? body[i] - L'0' : -1);
            if (digit < 0) return 0;
            value = value * (hex ? 16 : 10) + static_cast<unsigned long>(digit);
            if (value > 0x10FFFF) value = 0x110000;  // stays out of range, never overflows
        }
        appendCodePoint(out, value);
        return semicolon - at + 1;
    }
    for (const NamedReference& named : kNamedReferences)
        if (body == named.name) {
            out += named.character;
            return semicolon - at + 1;
        }
    return 0;
}

// Where the next `close` at or after a position is. Positions are asked in increasing order, and
// a place found (or found missing) is kept for the later asks, so that a text of many "<" with no
// ">" after them is searched once, not once for each "<".
class NextClose {
public:
    NextClose(const std::wstring& text, const wchar_t* close) : m_text(text), m_close(close) {}
    size_t from(size_t at) {
        if (m_searched && (m_found == std::wstring::npos || m_found >= at)) return m_found;
        m_found = m_text.find(m_close, at);
        m_searched = true;
        return m_found;
    }

private:
    const std::wstring& m_text;
    const wchar_t* m_close;
    size_t m_found = std::wstring::npos;
    bool m_searched = false;
};

// The end of the tag that starts at `at` (one past its ">"), or 0 when no tag starts there.
size_t tagEnd(const std::wstring& text, size_t at, NextClose& tagClose, NextClose& commentClose) {
    if (at + 1 >= text.size()) return 0;
    const wchar_t next = text[at + 1];
    if (!isAsciiLetter(next) && next != L'/' && next != L'!' && next != L'?') return 0;
    if (text.compare(at, 4, L"<!--") == 0) {
        const size_t close = commentClose.from(at + 4);
        return close == std::wstring::npos ? 0 : close + 3;
    }
    const size_t close = tagClose.from(at + 1);
    return close == std::wstring::npos ? 0 : close + 1;
}
}  // namespace

std::wstring plainTextOf(const std::wstring& markup) {
    // Tags first, so that "&lt;b&gt;" written as text stays "<b>" and is not taken for a tag.
    std::wstring untagged;
    untagged.reserve(markup.size());
    NextClose tagClose(markup, L">");
    NextClose commentClose(markup, L"-->");
    for (size_t at = 0; at < markup.size();) {
        if (markup[at] == L'<') {
            const size_t end = tagEnd(markup, at, tagClose, commentClose);
            if (end != 0) {
                untagged += L' ';  // "<br>" and "</p>" part words
                at = end;
                continue;
            }
        }
        untagged += markup[at++];
    }

    std::wstring plain;
    plain.reserve(untagged.size());
    bool blank = false;
    const auto put = [&](wchar_t c) {
        if (isCollapsible(c)) {
            blank = !plain.empty();
            return;
        }
        if (c < L' ' || c == L'\x7F') return;  // other control characters show nothing
        if (blank) plain += L' ';
        blank = false;
        plain += c;
    };
    std::wstring decoded;
    for (size_t at = 0; at < untagged.size();) {
        decoded.clear();
        const size_t length = untagged[at] == L'&' ? decodeReference(untagged, at, decoded) : 0;
        if (length == 0) {
            put(untagged[at++]);
            continue;
        }
        at += length;
        for (wchar_t c : decoded) put(c);
    }
    return plain;
}

std::wstring boundedText(const std::wstring& text, size_t cells) { return fw::CutToCells(text, cells); }
