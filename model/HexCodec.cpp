#include "model/HexCodec.h"

#include <array>

namespace {
// Every byte's digit value, so that the texts of a long list decode without a branch a digit.
std::array<unsigned char, 256> digitValues() {
    std::array<unsigned char, 256> values{};
    for (int c = 0; c < 256; ++c) values[static_cast<size_t>(c)] = static_cast<unsigned char>(hexDigitValue(static_cast<char>(c)));
    return values;
}
}  // namespace

std::string encodeHex(const std::string& text) {
    static const char kDigits[] = "0123456789abcdef";
    std::string hex(text.size() * 2, '\0');
    for (size_t i = 0; i < text.size(); ++i) {
        const unsigned char byte = static_cast<unsigned char>(text[i]);
        hex[2 * i] = kDigits[byte >> 4];
        hex[2 * i + 1] = kDigits[byte & 0x0f];
    }
    return hex;
}

std::string decodeHex(const std::string& hex, bool* oddLength) {
    if (oddLength) *oddLength = hex.size() % 2 != 0;
    if (hex.size() % 2 != 0) return std::string();
    static const std::array<unsigned char, 256> kValues = digitValues();
    std::string bytes(hex.size() / 2, '\0');
    for (size_t i = 0; i < bytes.size(); ++i) {
        const unsigned high = kValues[static_cast<unsigned char>(hex[2 * i])];
        const unsigned low = kValues[static_cast<unsigned char>(hex[2 * i + 1])];
        bytes[i] = static_cast<char>(high * 16 + low);
    }
    return bytes;
}

int hexDigitValue(char digit) {
    if (digit >= '0' && digit <= '9') return digit - '0';
    if (digit >= 'a' && digit <= 'f') return digit - 'a' + 10;
    if (digit >= 'A' && digit <= 'F') return digit - 'A' + 10;
    return 0;
}
