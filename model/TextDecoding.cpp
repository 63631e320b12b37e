#include "model/TextDecoding.h"

#include <windows.h>

#include <vector>

#include "framework/SystemLibrary.h"
#include "framework/TextCodec.h"
#include "framework/WideText.h"

namespace {
struct Charset {
    const char* name;
    UINT codePage;
};

const UINT kUtf16LittleEndian = 1200;
const UINT kUtf16BigEndian = 1201;
const UINT kIso2022Jp = 50220;

// The names servers give in a Content-Type, with their common aliases, in lower case.
const Charset kCharsets[] = {
    {"utf-8", CP_UTF8},           {"utf8", CP_UTF8},            {"unicode-1-1-utf-8", CP_UTF8},
    {"shift_jis", 932},           {"shift-jis", 932},           {"sjis", 932},
    {"x-sjis", 932},              {"csshiftjis", 932},          {"ms_kanji", 932},
    {"windows-31j", 932},         {"cswindows31j", 932},        {"cp932", 932},
    {"ms932", 932},               {"x-ms-cp932", 932},          {"windows-932", 932},
    {"euc-jp", 20932},            {"eucjp", 20932},             {"x-euc-jp", 20932},
    {"cseucpkdfmtjapanese", 20932},
    {"iso-2022-jp", kIso2022Jp},  {"csiso2022jp", kIso2022Jp},
    {"iso-8859-1", 28591},        {"iso8859-1", 28591},         {"iso_8859-1", 28591},
    {"iso_8859-1:1987", 28591},   {"latin1", 28591},            {"l1", 28591},
    {"cp819", 28591},             {"ibm819", 28591},            {"csisolatin1", 28591},
    {"iso-ir-100", 28591},        {"windows-1252", 1252},       {"cp1252", 1252},
    {"x-cp1252", 1252},           {"us-ascii", 20127},          {"ascii", 20127},
    {"csascii", 20127},           {"utf-16", kUtf16LittleEndian}, {"utf-16le", kUtf16LittleEndian},
    {"unicode", kUtf16LittleEndian}, {"ucs-2", kUtf16LittleEndian}, {"csunicode", kUtf16LittleEndian},
    {"utf-16be", kUtf16BigEndian}, {"unicodefffe", kUtf16BigEndian},
};

// ISO-2022-JP: MultiByteToWideChar has no table for it; the system's MLang converts it (on
// Windows and under Wine). Empty when it cannot.
std::wstring fromIso2022Jp(const std::string& bytes) {
    using Convert = HRESULT(WINAPI*)(DWORD*, DWORD, LPCSTR, INT*, LPWSTR, INT*);
    static const Convert convert =
        fw::BindFunction<Convert>(fw::LoadSystemLibrary("mlang.dll"), "ConvertINetMultiByteToUnicode");
    if (!convert || bytes.empty() || bytes.size() > 0x7FFFFFF) return std::wstring();
    // Escapes give no character and every other byte at most one.
    std::vector<wchar_t> wide(bytes.size() + 1, L'\0');
    DWORD mode = 0;
    INT from = static_cast<INT>(bytes.size());
    INT to = static_cast<INT>(wide.size());
    if (convert(&mode, kIso2022Jp, bytes.data(), &from, wide.data(), &to) != S_OK || to < 0 ||
        static_cast<size_t>(to) > wide.size())
        return std::wstring();
    return std::wstring(wide.data(), static_cast<size_t>(to));
}

// The bytes in the code page; false when the system cannot convert them.
bool decodeIn(const std::string& bytes, UINT codePage, std::wstring& text) {
    if (bytes.empty()) {
        text.clear();
        return true;
    }
    if (codePage == kUtf16LittleEndian || codePage == kUtf16BigEndian)
        text = fw::Utf16FromBytes(bytes, 0, codePage == kUtf16BigEndian);
    else if (codePage == kIso2022Jp)
        text = fromIso2022Jp(bytes);
    else
        text = fw::Widen(bytes, codePage);
    return !text.empty();
}

std::string lowerTrimmed(const std::string& text) {
    size_t first = text.find_first_not_of(" \t");
    size_t last = text.find_last_not_of(" \t");
    std::string out = first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}
}  // namespace

std::wstring decodeTextBytes(const std::string& bytes) {
    const fw::TextMark mark = fw::MarkOf(bytes);
    const size_t skip = fw::MarkLength(mark);
    switch (mark) {
    case fw::TextMark::Utf8: return fw::Widen(bytes.substr(skip), CP_UTF8);
    case fw::TextMark::Utf16LittleEndian: return fw::Utf16FromBytes(bytes, skip, false);
    case fw::TextMark::Utf16BigEndian: return fw::Utf16FromBytes(bytes, skip, true);
    case fw::TextMark::None: break;
    }
    if (fw::IsUtf8WithMultiByte(bytes, false)) return fw::Widen(bytes, CP_UTF8);
    return fw::WideFromCodePage932(bytes);
}

bool codePageOfCharset(const std::string& charset, unsigned& codePage) {
    const std::string name = lowerTrimmed(charset);
    for (const Charset& known : kCharsets)
        if (name == known.name) {
            codePage = known.codePage;
            return true;
        }
    return false;
}

std::wstring decodeTextBytes(const std::string& bytes, const std::string& charset, bool& known) {
    known = true;
    unsigned codePage = 0;
    if (charset.empty() || fw::MarkOf(bytes) != fw::TextMark::None) return decodeTextBytes(bytes);
    std::wstring text;
    known = codePageOfCharset(charset, codePage) && decodeIn(bytes, codePage, text);
    return known ? text : decodeTextBytes(bytes);
}

std::string charsetOf(const std::string& contentType) {
    const std::string lower = lowerTrimmed(contentType);
    size_t at = lower.find("charset=");
    if (at == std::string::npos) return std::string();
    std::string value = lower.substr(at + 8);
    value = value.substr(0, value.find(';'));
    value = lowerTrimmed(value);
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') value = value.substr(1, value.size() - 2);
    return value;
}

std::string mediaTypeOf(const std::string& contentType) { return lowerTrimmed(contentType.substr(0, contentType.find(';'))); }
