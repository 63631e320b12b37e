#pragma once
// The web remote's token: 24 bytes of the system's random source (BCryptGenRandom), written as
// 32 characters of base64url, which fit an address's fragment and a QR code unescaped.
#include <cstddef>
#include <string>

// "" when the system gives no random bytes.
std::string makeToken();
// Bytes as base64url without padding (RFC 4648, section 5).
std::string base64Url(const unsigned char* bytes, std::size_t size);
