#include "model/ProfileValues.h"

#include <cstdint>

#include "framework/Mbcs.h"

namespace {
// The integer reader takes the value into a buffer of 30 characters.
const size_t kIntBufferChars = 30;

bool isQuote(char c) { return c == '"' || c == '\''; }

// The value as the integer reader copies it into its buffer: a leading quote goes when the
// value ends with the same quote, and the closing one goes when the rest fits. (Every number of
// a long list passes here, so the character starts are kept on the stack.)
std::string copiedValue(const std::string& stored) {
    const size_t bufferChars = kIntBufferChars;
    const bool quoted = stored.size() >= 2 && isQuote(stored[0]) && stored.back() == stored[0];
    const size_t first = quoted ? 1 : 0;
    size_t starts[kIntBufferChars + 1];  // byte offsets, within the value less its quote, of its characters
    size_t count = 0;
    for (size_t pos = first; pos < stored.size() && count < bufferChars + 1; ++count) {
        starts[count] = pos - first;
        pos += fw::IsLeadByte(static_cast<unsigned char>(stored[pos])) && pos + 1 < stored.size() ? 2 : 1;
    }
    size_t kept = count < bufferChars ? count : bufferChars - 1;
    if (quoted && count <= bufferChars && kept > 0) --kept;
    return stored.substr(first, kept < count ? starts[kept] : std::string::npos);
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
    const std::string text = copiedValue(stored);
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
