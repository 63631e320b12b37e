// Winsock before anything that brings in windows.h.
#include <winsock2.h>
#include <ws2tcpip.h>

#include "feeds/AddressKind.h"

#include <cstdint>

namespace {
struct Parsed {
    bool ok = false;
    bool v6 = false;
    unsigned char bytes[16] = {};
};

// The address without IPv6's brackets and zone ("[fe80::1%3]" gives "fe80::1"), parsed by the
// system.
Parsed parse(const std::wstring& text) {
    Parsed parsed;
    std::wstring bare = text;
    if (bare.size() >= 2 && bare.front() == L'[' && bare.back() == L']') bare = bare.substr(1, bare.size() - 2);
    bare = bare.substr(0, bare.find(L'%'));
    if (bare.empty() || bare.size() > 64) return parsed;
    if (InetPtonW(AF_INET, bare.c_str(), parsed.bytes) == 1) {
        parsed.ok = true;
    } else if (InetPtonW(AF_INET6, bare.c_str(), parsed.bytes) == 1) {
        parsed.ok = true;
        parsed.v6 = true;
    }
    return parsed;
}

AddressKind ipv4Kind(const unsigned char* b) {
    if (b[0] == 0) return AddressKind::Unspecified;
    if (b[0] == 127) return AddressKind::Loopback;
    if (b[0] == 10 || (b[0] == 172 && (b[1] & 0xF0) == 16) || (b[0] == 192 && b[1] == 168)) return AddressKind::Private;
    if (b[0] == 169 && b[1] == 254) return AddressKind::LinkLocal;
    return AddressKind::Public;
}

AddressKind ipv6Kind(const unsigned char* b) {
    bool zeroTo10 = true;  // the first ten bytes are zero
    for (int i = 0; i < 10; ++i) zeroTo10 = zeroTo10 && b[i] == 0;
    if (zeroTo10 && b[10] == 0xFF && b[11] == 0xFF) return ipv4Kind(b + 12);  // ::ffff:a.b.c.d
    if (zeroTo10 && b[10] == 0 && b[11] == 0) {
        bool zeroTo15 = b[12] == 0 && b[13] == 0 && b[14] == 0;
        if (zeroTo15 && b[15] == 0) return AddressKind::Unspecified;
        if (zeroTo15 && b[15] == 1) return AddressKind::Loopback;
        return ipv4Kind(b + 12);  // ::a.b.c.d, the old IPv4-compatible form
    }
    if (b[0] == 0xFE && (b[1] & 0xC0) == 0x80) return AddressKind::LinkLocal;
    if ((b[0] & 0xFE) == 0xFC || (b[0] == 0xFE && (b[1] & 0xC0) == 0xC0)) return AddressKind::Private;
    return AddressKind::Public;
}
}  // namespace

AddressKind addressKindOf(const std::wstring& text) {
    const Parsed parsed = parse(text);
    if (!parsed.ok) return AddressKind::Public;
    return parsed.v6 ? ipv6Kind(parsed.bytes) : ipv4Kind(parsed.bytes);
}

bool isIpAddress(const std::wstring& text) { return parse(text).ok; }
