#include "model/HexCodec.h"

std::string encodeHex(const std::string& text) {
    static const char kDigits[] = "0123456789abcdef";
    std::string hex;
    hex.reserve(text.size() * 2);
    for (char c : text) {
        unsigned char byte = static_cast<unsigned char>(c);
        hex += kDigits[byte >> 4];
        hex += kDigits[byte & 0x0f];
    }
    return hex;
}

std::string decodeHex(const std::string& hex, bool* oddLength) {
    if (oddLength) *oddLength = hex.size() % 2 != 0;
    if (hex.size() % 2 != 0) return std::string();
    std::string bytes;
    bytes.reserve(hex.size() / 2);
    for (size_t i = 0; i < hex.size(); i += 2)
        bytes += static_cast<char>(hexDigitValue(hex[i]) * 16 + hexDigitValue(hex[i + 1]));
    return bytes;
}

int hexDigitValue(char digit) {
    if (digit >= '0' && digit <= '9') return digit - '0';
    if (digit >= 'a' && digit <= 'f') return digit - 'a' + 10;
    if (digit >= 'A' && digit <= 'F') return digit - 'A' + 10;
    return 0;
}
