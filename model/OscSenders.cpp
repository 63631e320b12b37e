#include "model/OscSenders.h"

#include <algorithm>

namespace {
const std::uint32_t kLoopbackNet = 0x7F000000;
const std::uint32_t kLoopbackMask = 0xFF000000;

std::string trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return std::string();
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}
}  // namespace

bool parseIpv4(const std::string& text, std::uint32_t& address) {
    const std::string dotted = trimmed(text);
    std::uint32_t value = 0;
    std::size_t at = 0;
    for (int part = 0; part < 4; ++part) {
        if (part > 0) {
            if (at >= dotted.size() || dotted[at] != '.') return false;
            ++at;
        }
        std::size_t digits = 0;
        unsigned number = 0;
        while (at < dotted.size() && dotted[at] >= '0' && dotted[at] <= '9' && digits < 4) {
            number = number * 10 + static_cast<unsigned>(dotted[at] - '0');
            ++at;
            ++digits;
        }
        if (digits == 0 || digits > 3 || number > 255) return false;
        value = value << 8 | number;
    }
    if (at != dotted.size()) return false;
    address = value;
    return true;
}

bool OscSenders::allows(std::uint32_t address) const {
    if ((address & kLoopbackMask) == kLoopbackNet) return true;
    return std::find(allowed.begin(), allowed.end(), address) != allowed.end();
}

OscSenders parseOscSenders(const std::string& list) {
    OscSenders senders;
    std::size_t start = 0;
    while (start <= list.size()) {
        std::size_t comma = list.find(',', start);
        if (comma == std::string::npos) comma = list.size();
        const std::string entry = trimmed(list.substr(start, comma - start));
        std::uint32_t address = 0;
        if (!entry.empty() && parseIpv4(entry, address)) senders.allowed.push_back(address);
        else if (!entry.empty()) senders.rejected.push_back(entry);
        start = comma + 1;
    }
    return senders;
}
