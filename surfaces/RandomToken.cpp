#include "surfaces/RandomToken.h"

#include <windows.h>
#include <bcrypt.h>

namespace {
const std::size_t kTokenBytes = 24;
}

std::string base64Url(const unsigned char* bytes, std::size_t size) {
    static const char kDigits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";
    std::string text;
    for (std::size_t i = 0; i < size; i += 3) {
        const unsigned long group = static_cast<unsigned long>(bytes[i]) << 16 |
                                    (i + 1 < size ? static_cast<unsigned long>(bytes[i + 1]) << 8 : 0) |
                                    (i + 2 < size ? bytes[i + 2] : 0);
        const std::size_t digits = size - i >= 3 ? 4 : size - i + 1;
        for (std::size_t d = 0; d < digits; ++d) text += kDigits[(group >> (18 - 6 * d)) & 63];
    }
    return text;
}

std::string makeToken() {
    unsigned char bytes[kTokenBytes];
    // The system's preferred generator (CNG), which Windows 7 has.
    if (BCryptGenRandom(nullptr, bytes, sizeof bytes, BCRYPT_USE_SYSTEM_PREFERRED_RNG) < 0) return std::string();
    const std::string token = base64Url(bytes, sizeof bytes);
    SecureZeroMemory(bytes, sizeof bytes);
    return token;
}
