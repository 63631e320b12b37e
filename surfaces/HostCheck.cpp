#include "surfaces/HostCheck.h"

#include <algorithm>

std::string canonicalHostName(std::string name) {
    for (char& c : name)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (name.size() > 1 && name.back() == '.') name.pop_back();
    return name;
}

void HostCheck::setNames(const std::vector<std::string>& names) {
    m_names.clear();
    for (const std::string& name : names)
        if (!name.empty()) m_names.push_back(canonicalHostName(name));
}

bool HostCheck::accepts(const std::string& host) const {
    std::string name = host;
    std::string port;
    const std::size_t bracket = host.rfind(']');
    const std::size_t colon = host.rfind(':');
    if (colon != std::string::npos && (bracket == std::string::npos || colon > bracket)) {
        name = host.substr(0, colon);
        port = host.substr(colon + 1);
        if (port.empty() || port.size() > 5 ||
            !std::all_of(port.begin(), port.end(), [](char c) { return c >= '0' && c <= '9'; }) ||
            std::stoi(port) != m_port)
            return false;
    }
    // Without a port the name alone decides (browsers leave out port 80).
    if (name.empty() || (name.find(':') != std::string::npos && name[0] != '[')) return false;
    const std::string wanted = canonicalHostName(name);
    return std::find(m_names.begin(), m_names.end(), wanted) != m_names.end();
}
