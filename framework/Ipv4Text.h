#pragma once
// An IPv4 address (host byte order) as text: "a.b.c.d".
#include <cstdint>
#include <string>

namespace fw {
std::string DottedIpv4(std::uint32_t address);
}  // namespace fw
