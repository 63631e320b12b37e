#pragma once
// Whether a request's Host field names this machine: its names and its addresses, with the
// port listened on or none. A page served under another name (a name an attacker's DNS turned
// to this machine's address, "DNS rebinding") is refused whatever it sends.
#include <string>
#include <vector>

class HostCheck {
public:
    explicit HostCheck(int port) : m_port(port) {}

    // Host names and IPv4 addresses, any letter case; IPv6 addresses in brackets ("[::1]").
    void setNames(const std::vector<std::string>& names);
    bool accepts(const std::string& host) const;

private:
    int m_port;
    std::vector<std::string> m_names;  // lower case, without a final dot
};

// A host name in lower case, without the final dot of a fully qualified name.
std::string canonicalHostName(std::string name);
