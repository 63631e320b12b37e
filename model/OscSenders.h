#pragma once
// Which senders the OSC receiver takes messages from: the loopback range always, and the IPv4
// addresses of the settings' list. Addresses are in host byte order (127.0.0.1 is 0x7F000001).
#include <cstdint>
#include <string>
#include <vector>

// A dotted IPv4 address, four decimal parts of 0..255, blanks around it allowed; false for
// anything else (a host name, a range, a part with a sign or more than three digits).
bool parseIpv4(const std::string& text, std::uint32_t& address);

struct OscSenders {
    std::vector<std::uint32_t> allowed;
    std::vector<std::string> rejected;  // entries of the list that are no IPv4 address

    bool allows(std::uint32_t address) const;
};

// The comma-separated list of the settings file; empty entries are skipped.
OscSenders parseOscSenders(const std::string& list);
