#include "model/ProfileValues.h"

#include <cstdint>
#include <vector>

#include "framework/Mbcs.h"

namespace {
// The integer reader takes the value into a buffer of 30 characters.
const size_t kIntBufferChars = 30;

bool isQuote(char c) { return c == '"' || c == '\''; }

// The byte offsets at which the characters of `s` begin.
std::vector<size_t> characterStarts(const std::string& s, size_t limit) {
    std::vector<size_t> starts;
    for (size_t pos = 0; pos < s.size() && starts.size() < limit;) {
        starts.push_back(pos);
        pos += fw::IsLeadByte(static_cast<unsigned char>(s[pos])) && pos + 1 < s.size() ? 2 : 1;
    }
    return starts;
}

// The value as the reader copies it into a buffer of `bufferChars` characters: a leading quote
// goes when the value ends with the same quote, and the closing one goes when the rest fits.
std::string copiedValue(const std::string& stored, size_t bufferChars) {
    bool quoted = stored.size() >= 2 && isQuote(stored[0]) && stored.back() == stored[0];
    std::string rest = quoted ? stored.substr(1) : stored;
    std::vector<size_t> starts = characterStarts(rest, bufferChars + 1);
    size_t kept = starts.size() < bufferChars ? starts.size() : bufferChars - 1;
    if (quoted && starts.size() <= bufferChars && kept > 0) --kept;
    return kept < starts.size() ? rest.substr(0, starts[kept]) : rest;
}

int digitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
    if (c >= 'a' && c <= 'z') return c - 'a' + 10;
    return 99;
}
}  // namespace

std::string profileStringValue(std::string stored, size_t maxBytes) {
    if (stored.size() >= 2 && isQuote(stored[0]) && stored.back() == stored[0])
        stored = stored.substr(1, stored.size() - 2);
    stored.resize(fw::CharBoundaryAtOrBefore(stored, maxBytes));
    return stored;
}

int profileIntValue(const std::string& stored, int defaultValue) {
    const std::string text = copiedValue(stored, kIntBufferChars);
    if (text.empty()) return defaultValue;
    size_t pos = 0;
    while (pos < text.size() && static_cast<unsigned char>(text[pos]) <= ' ') ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';
    uint32_t base = 10;
    if (pos + 1 < text.size() && text[pos] == '0') {
        const char marker = text[pos + 1];
        base = marker == 'x' ? 16 : marker == 'o' ? 8 : marker == 'b' ? 2 : 10;
        if (base != 10) pos += 2;
    }
    uint32_t total = 0;
    for (; pos < text.size(); ++pos) {
        const int digit = digitValue(text[pos]);
        if (digit >= static_cast<int>(base)) break;
        total = total * base + static_cast<uint32_t>(digit);
    }
    return static_cast<int>(negative ? 0u - total : total);
}
