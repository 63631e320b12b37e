#include "model/TextDecoding.h"

#include <windows.h>

#include "framework/TextCodec.h"
#include "framework/WideText.h"

namespace {
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
