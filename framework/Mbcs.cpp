#include "framework/Mbcs.h"

#include <windows.h>

#include "framework/TextCodec.h"

namespace fw {

namespace {
const UINT kCodePage932 = 932;
bool isHighSurrogate(wchar_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool isLowSurrogate(wchar_t c) { return c >= 0xDC00 && c <= 0xDFFF; }
}  // namespace

std::string CodePage932FromWide(std::wstring wide) {
    for (size_t i = 0; i + 1 < wide.size(); ++i)
        if (isHighSurrogate(wide[i]) && isLowSurrogate(wide[i + 1])) wide.replace(i, 2, 1, L'?');
    return Narrow(wide, kCodePage932, "?");
}

bool IsLeadByte(unsigned char byte) { return IsDBCSLeadByte(byte) != FALSE; }

size_t CharBoundaryAtOrBefore(const std::string& s, size_t limit) {
    if (limit >= s.size()) return s.size();
    size_t pos = 0;
    while (pos < limit) {
        size_t width = (IsLeadByte(static_cast<unsigned char>(s[pos])) && pos + 1 < s.size()) ? 2 : 1;
        if (pos + width > limit) break;
        pos += width;
    }
    return pos;
}

std::string CutToBytes(const std::string& s, size_t limit) {
    return s.substr(0, CharBoundaryAtOrBefore(s, limit));
}

size_t FindLastChar(const std::string& s, char c) {
    size_t found = std::string::npos;
    for (size_t pos = 0; pos < s.size();) {
        unsigned char byte = static_cast<unsigned char>(s[pos]);
        if (IsLeadByte(byte) && pos + 1 < s.size()) {
            pos += 2;
            continue;
        }
        if (s[pos] == c) found = pos;
        ++pos;
    }
    return found;
}

std::string UpperAscii(std::string s) {
    for (size_t pos = 0; pos < s.size(); ++pos) {
        char& c = s[pos];
        // A trail byte may lie in a-z ("\x83\x67" is one character): the pair stays as it is.
        if (IsLeadByte(static_cast<unsigned char>(c))) ++pos;
        else if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return s;
}

}  // namespace fw
