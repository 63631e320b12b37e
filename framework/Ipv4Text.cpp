#include "framework/Ipv4Text.h"

#include <cstdio>

namespace fw {

std::string DottedIpv4(std::uint32_t address) {
    char text[16];
    std::snprintf(text, sizeof text, "%u.%u.%u.%u", address >> 24, (address >> 16) & 255u, (address >> 8) & 255u,
                  address & 255u);
    return text;
}

}  // namespace fw
