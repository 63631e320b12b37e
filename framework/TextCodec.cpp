#include "framework/TextCodec.h"

#include "framework/Text.h"

namespace fw {
namespace {
const char kUtf8Mark[] = "\xEF\xBB\xBF";
const char kUtf16LittleEndianMark[] = "\xFF\xFE";
const char kUtf16BigEndianMark[] = "\xFE\xFF";

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
}  // namespace

TextMark MarkOf(const std::string& bytes) {
    if (StartsWith(bytes, kUtf8Mark)) return TextMark::Utf8;
    if (StartsWith(bytes, kUtf16LittleEndianMark)) return TextMark::Utf16LittleEndian;
    if (StartsWith(bytes, kUtf16BigEndianMark)) return TextMark::Utf16BigEndian;
    return TextMark::None;
}

const char* MarkBytes(TextMark mark) {
    switch (mark) {
    case TextMark::Utf8: return kUtf8Mark;
    case TextMark::Utf16LittleEndian: return kUtf16LittleEndianMark;
    case TextMark::Utf16BigEndian: return kUtf16BigEndianMark;
    default: return "";
    }
}

size_t MarkLength(TextMark mark) { return std::char_traits<char>::length(MarkBytes(mark)); }

std::wstring Widen(const std::string& bytes, UINT codePage) {
    if (bytes.empty()) return std::wstring();
    const int size = static_cast<int>(bytes.size());
    int length = MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
    if (length <= 0) return std::wstring();
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), size, &wide[0], length);
    return wide;
}

std::string Narrow(const std::wstring& wide, UINT codePage, const char* defaultChar) {
    if (wide.empty()) return std::string();
    const int size = static_cast<int>(wide.size());
    int length = WideCharToMultiByte(codePage, 0, wide.data(), size, nullptr, 0, defaultChar, nullptr);
    if (length <= 0) return std::string();
    std::string bytes(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(codePage, 0, wide.data(), size, &bytes[0], length, defaultChar, nullptr);
    return bytes;
}

std::wstring Utf16FromBytes(const std::string& bytes, size_t from, bool bigEndian) {
    std::wstring wide;
    if (from >= bytes.size()) return wide;
    wide.reserve((bytes.size() - from) / 2);
    for (size_t i = from; i + 1 < bytes.size(); i += 2) {
        unsigned char first = static_cast<unsigned char>(bytes[i]);
        unsigned char second = static_cast<unsigned char>(bytes[i + 1]);
        wide += static_cast<wchar_t>(bigEndian ? (first << 8 | second) : (second << 8 | first));
    }
    return wide;
}

std::string Utf16Bytes(const std::wstring& wide, bool bigEndian) {
    std::string bytes;
    bytes.reserve(wide.size() * 2);
    for (wchar_t c : wide) {
        char high = static_cast<char>((c >> 8) & 0xFF);
        char low = static_cast<char>(c & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

bool IsUtf8WithMultiByte(const std::string& bytes, bool cut) {
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

}  // namespace fw
