#pragma once
// This machine as others may name it: its host names and the IPv4 addresses of its working
// network interfaces. The HTTP surface takes a Host field only when it is one of them; the
// pairing dialog shows a phone the LAN address to open.
#include <string>
#include <vector>

struct LocalAddress {
    std::string address;       // dotted IPv4
    bool hasGateway = false;   // the interface leads somewhere (a LAN with a router)
    bool privateRange = false; // 10/8, 172.16/12, 192.168/16
};

// IPv4 addresses of the interfaces that are up, the loopback one left out.
std::vector<LocalAddress> localIpv4Addresses();
// "localhost", the loopback addresses, the machine's names (NetBIOS, DNS, fully qualified and
// <name>.local) and every address of localIpv4Addresses().
std::vector<std::string> localHostNames();
// The address a phone on the same network should open: one of a private range on an interface
// with a gateway first, then any with a gateway, then any; "" when there is none.
std::string preferredLanAddress(const std::vector<LocalAddress>& addresses);
