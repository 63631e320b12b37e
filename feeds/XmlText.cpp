#include "feeds/XmlText.h"

#include <windows.h>

#include <cstring>

#include "model/TextDecoding.h"
#include "framework/TextCodec.h"
#include "framework/WideText.h"

namespace {
struct Charset {
    const char* name;
    UINT codePage;
};

const Charset kCharsets[] = {
    {"utf-8", CP_UTF8},         {"utf8", CP_UTF8},           {"shift_jis", 932},      {"shift-jis", 932},
    {"sjis", 932},              {"x-sjis", 932},             {"windows-31j", 932},    {"cp932", 932},
    {"ms932", 932},             {"euc-jp", 20932},           {"x-euc-jp", 20932},     {"iso-8859-1", 28591},
    {"latin1", 28591},          {"windows-1252", 1252},      {"us-ascii", 20127},     {"ascii", 20127},
};

const size_t kDeclarationScan = 256;  // the declaration sits in the first bytes
const size_t kLongestReference = 64;  // "&name;" or "&#...;"

std::string lower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

// The value of encoding="..." in an XML declaration at the start of `head`; empty when none.
std::string declaredEncoding(const std::string& head) {
    if (head.compare(0, 5, "<?xml") != 0) return std::string();
    const size_t close = head.find("?>");
    const std::string declaration = head.substr(0, close);
    const size_t name = declaration.find("encoding");
    if (name == std::string::npos) return std::string();
    const size_t quote = declaration.find_first_of("\"'", name);
    if (quote == std::string::npos) return std::string();
    const size_t end = declaration.find(declaration[quote], quote + 1);
    if (end == std::string::npos) return std::string();
    return lower(declaration.substr(quote + 1, end - quote - 1));
}

bool codePageOf(const std::string& charset, UINT& codePage) {
    for (const Charset& known : kCharsets)
        if (charset == known.name) {
            codePage = known.codePage;
            return true;
        }
    return false;
}

// Bytes in a code page as UTF-16; false when a byte sequence is invalid in it.
bool decodeStrictly(const std::string& bytes, UINT codePage, std::wstring& text) {
    text.clear();
    if (bytes.empty()) return true;
    const int size = static_cast<int>(bytes.size());
    const int length = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), size, nullptr, 0);
    if (length <= 0) return false;
    text.resize(static_cast<size_t>(length));
    return MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), size, &text[0], length) == length;
}

std::wstring widenAscii(const std::string& ascii) { return std::wstring(ascii.begin(), ascii.end()); }

std::wstring hex4(unsigned value) {
    wchar_t buffer[8];
    const wchar_t digits[] = L"0123456789ABCDEF";
    for (int i = 3; i >= 0; --i, value >>= 4) buffer[i] = digits[value & 0xF];
    buffer[4] = L'\0';
    return buffer;
}

// XML 1.0's characters: tab, line ends, everything from the space up but the two non-characters
// U+FFFE and U+FFFF, surrogates only in pairs.
std::wstring characterProblem(const std::wstring& text) {
    for (size_t i = 0; i < text.size(); ++i) {
        const wchar_t c = text[i];
        const bool control = c < L' ' && c != L'\t' && c != L'\r' && c != L'\n';
        if (control || c == L'\xFFFE' || c == L'\xFFFF')
            return L"character U+" + hex4(c) + L" is not allowed in XML";
        if (fw::IsHighSurrogate(c) && i + 1 < text.size() && fw::IsLowSurrogate(text[i + 1])) {
            ++i;
            continue;
        }
        if (fw::IsHighSurrogate(c) || fw::IsLowSurrogate(c)) return L"an unpaired surrogate is not allowed in XML";
    }
    return std::wstring();
}

bool isNameCharacter(wchar_t c) {
    return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || (c >= L'0' && c <= L'9') || c == L'_' ||
           c == L':' || c == L'.' || c == L'-' || c == L'#' || c >= 0x80;
}

// Every comment, CDATA section and processing instruction closed, every reference whole, and the
// last mark-up closed: a well-formed document ends with ">" (its root's end tag, or a comment or
// processing instruction after it), blanks aside.
std::wstring constructProblem(const std::wstring& text) {
    struct Construct {
        const wchar_t* open;
        const wchar_t* close;
        const wchar_t* what;
    };
    static const Construct kConstructs[] = {
        {L"<!--", L"-->", L"a comment is not closed"},
        {L"<![CDATA[", L"]]>", L"a CDATA section is not closed"},
        {L"<?", L"?>", L"a processing instruction is not closed"},
    };
    bool element = false;
    for (size_t at = 0; at < text.size(); ++at) {
        if (text[at] == L'<') {
            const wchar_t next = at + 1 < text.size() ? text[at + 1] : L'\0';
            element = element || (next != L'!' && next != L'?' && next != L'/' && isNameCharacter(next) && next != L'-' &&
                                  next != L'.' && next != L'#' && (next < L'0' || next > L'9'));
            for (const Construct& construct : kConstructs) {
                const size_t openLength = std::wcslen(construct.open);
                if (text.compare(at, openLength, construct.open) != 0) continue;
                const size_t close = text.find(construct.close, at + openLength);
                if (close == std::wstring::npos) return construct.what;
                at = close + std::wcslen(construct.close) - 1;
                break;
            }
        } else if (text[at] == L'&') {
            size_t end = at + 1;
            while (end < text.size() && end - at <= kLongestReference && isNameCharacter(text[end])) ++end;
            if (end == at + 1 || end >= text.size() || text[end] != L';') return L"a \"&\" starts no whole reference";
            at = end;
        }
    }
    // Wine's XmlLite stops the process on a document of a declaration alone.
    if (!element) return L"no XML element was found";
    const size_t last = text.find_last_not_of(L" \t\r\n");
    if (last == std::wstring::npos || text[last] != L'>') return L"the document ends inside its content";
    return std::wstring();
}

// The declaration's encoding set to UTF-8, the form XmlLite is handed the text in.
void declareUtf8(std::wstring& text) {
    if (text.compare(0, 5, L"<?xml") != 0) return;
    const size_t close = text.find(L"?>");
    const size_t name = text.find(L"encoding");
    if (close == std::wstring::npos || name == std::wstring::npos || name > close) return;
    const size_t quote = text.find_first_of(L"\"'", name);
    if (quote == std::wstring::npos || quote > close) return;
    const size_t end = text.find(text[quote], quote + 1);
    if (end == std::wstring::npos || end > close) return;
    text.replace(quote + 1, end - quote - 1, L"UTF-8");
}

XmlText failed(const std::wstring& reason) {
    XmlText result;
    result.reason = reason;
    return result;
}
}  // namespace

XmlText xmlTextFromBytes(const std::string& bytes, const std::string& contentType) {
    XmlText result;
    const fw::TextMark mark = fw::MarkOf(bytes);
    const size_t skip = fw::MarkLength(mark);
    if (mark == fw::TextMark::Utf16LittleEndian || mark == fw::TextMark::Utf16BigEndian) {
        result.text = fw::Utf16FromBytes(bytes, skip, mark == fw::TextMark::Utf16BigEndian);
    } else if (mark == fw::TextMark::None && bytes.size() >= 2 && (bytes[0] == '\0') != (bytes[1] == '\0')) {
        result.text = fw::Utf16FromBytes(bytes, 0, bytes[0] == '\0');  // "<" in either byte order
    } else {
        std::string charset = mark == fw::TextMark::Utf8 ? std::string("utf-8") : charsetOf(contentType);
        if (charset.empty()) charset = declaredEncoding(bytes.substr(0, kDeclarationScan));
        if (charset.empty()) charset = "utf-8";
        UINT codePage = 0;
        if (!codePageOf(charset, codePage)) return failed(L"the encoding " + widenAscii(charset) + L" is not supported");
        if (!decodeStrictly(bytes.substr(skip), codePage, result.text))
            return failed(L"the bytes are not valid " + widenAscii(charset));
    }
    size_t first = result.text.find_first_not_of(L" \t\r\n");
    if (first == std::wstring::npos) return failed(L"the document is empty");
    std::wstring problem = characterProblem(result.text);
    if (problem.empty()) problem = constructProblem(result.text);
    if (!problem.empty()) return failed(problem);
    declareUtf8(result.text);
    result.ok = true;
    return result;
}
