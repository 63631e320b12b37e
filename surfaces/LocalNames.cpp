// Winsock 2 and the IP helper before anything that brings in windows.h.
#include <winsock2.h>
#include <ws2tcpip.h>
#include <iphlpapi.h>

#include "surfaces/LocalNames.h"

#include <vector>

#include "surfaces/SocketIo.h"

namespace {

bool isPrivate(unsigned long address) {
    return (address >> 24) == 10 || (address >> 20) == ((172u << 4) | 1u) || (address >> 16) == ((192u << 8) | 168u);
}

void addComputerName(std::vector<std::string>& names, COMPUTER_NAME_FORMAT format) {
    char name[256];
    DWORD size = sizeof name;
    if (GetComputerNameExA(format, name, &size) && size > 0) names.emplace_back(name, size);
}

}  // namespace

std::vector<LocalAddress> localIpv4Addresses() {
    std::vector<LocalAddress> addresses;
    const ULONG flags = GAA_FLAG_SKIP_ANYCAST | GAA_FLAG_SKIP_MULTICAST | GAA_FLAG_SKIP_DNS_SERVER | GAA_FLAG_INCLUDE_GATEWAYS;
    ULONG bytes = 16 * 1024;
    std::vector<unsigned char> buffer;
    ULONG result = ERROR_BUFFER_OVERFLOW;
    // The list may grow between the call that sizes it and the one that fills it: tried thrice.
    for (int attempt = 0; attempt < 3 && result == ERROR_BUFFER_OVERFLOW; ++attempt) {
        buffer.resize(bytes);
        result = GetAdaptersAddresses(AF_INET, flags, nullptr, reinterpret_cast<IP_ADAPTER_ADDRESSES*>(buffer.data()), &bytes);
    }
    if (result != NO_ERROR) return addresses;
    for (auto* adapter = reinterpret_cast<IP_ADAPTER_ADDRESSES*>(buffer.data()); adapter; adapter = adapter->Next) {
        if (adapter->OperStatus != IfOperStatusUp || adapter->IfType == IF_TYPE_SOFTWARE_LOOPBACK) continue;
        for (auto* unicast = adapter->FirstUnicastAddress; unicast; unicast = unicast->Next) {
            const sockaddr* address = unicast->Address.lpSockaddr;
            if (!address || address->sa_family != AF_INET) continue;
            const unsigned long value = ntohl(reinterpret_cast<const sockaddr_in*>(address)->sin_addr.s_addr);
            if ((value >> 24) == 127) continue;
            LocalAddress local;
            local.address = sockio::dotted(value);
            local.hasGateway = adapter->FirstGatewayAddress != nullptr;
            local.privateRange = isPrivate(value);
            addresses.push_back(local);
        }
    }
    return addresses;
}

std::vector<std::string> localHostNames() {
    std::vector<std::string> names = {"localhost", "127.0.0.1", "[::1]"};
    addComputerName(names, ComputerNameNetBIOS);
    addComputerName(names, ComputerNameDnsHostname);
    addComputerName(names, ComputerNameDnsFullyQualified);
    char host[256] = {};
    if (gethostname(host, sizeof host - 1) == 0 && host[0]) {
        names.emplace_back(host);
        names.emplace_back(std::string(host) + ".local");
    }
    for (const LocalAddress& address : localIpv4Addresses()) names.push_back(address.address);
    return names;
}

std::string preferredLanAddress(const std::vector<LocalAddress>& addresses) {
    for (int pass = 0; pass < 3; ++pass)
        for (const LocalAddress& address : addresses)
            if (pass == 2 || (address.hasGateway && (pass == 1 || address.privateRange))) return address.address;
    return std::string();
}
