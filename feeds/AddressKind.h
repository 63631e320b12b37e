#pragma once
// What kind of place an IP address is: this machine, the local network, or anywhere. A source's
// redirect may lead only to the open internet or to a place of the kind the source itself is on,
// so that a feed cannot send the program to the PC's own services or the office's.
#include <string>

enum class AddressKind {
    Public,       // anything not below, and text that is no address
    Loopback,     // 127.0.0.0/8, ::1
    Private,      // 10/8, 172.16/12, 192.168/16, fc00::/7 (and the old site-local fec0::/10)
    LinkLocal,    // 169.254/16, fe80::/10
    Unspecified,  // 0.0.0.0/8, ::
};

// The kind of an IPv4 ("10.0.0.1") or IPv6 ("::1", "[fe80::1%3]") address; IPv4-mapped and
// IPv4-compatible IPv6 addresses are judged by their IPv4 part. Anything else is Public.
AddressKind addressKindOf(const std::wstring& text);

// True when `text` is an IP address (not a host name), in either form.
bool isIpAddress(const std::wstring& text);

// Whether a redirect from a source whose address is of kind `source` may go to an address of
// kind `target`: to the open internet always, elsewhere only to the source's own kind.
inline bool redirectMayReach(AddressKind source, AddressKind target) {
    return target == AddressKind::Public || target == source;
}
