#pragma once
// The few blocking socket steps of the HTTP surface, each bounded in time.
#include <winsock2.h>

#include <cstddef>
#include <cstdint>
#include <string>

namespace sockio {

// Waits until the socket has bytes (or its peer closed it, or it was shut down), at most
// `timeoutMs`. False on timeout or error.
bool waitReadable(SOCKET socket, unsigned long timeoutMs);
// Sends all bytes; each send is bounded by the socket's send timeout. False when the peer is
// gone or too slow.
bool sendAll(SOCKET socket, const char* data, std::size_t size);
inline bool sendAll(SOCKET socket, const std::string& bytes) { return sendAll(socket, bytes.data(), bytes.size()); }
// The peer's IPv4 address in host byte order; 0 when it has none.
std::uint32_t peerAddress(SOCKET socket);
void setTimeouts(SOCKET socket, unsigned long receiveMs, unsigned long sendMs);
// "192.168.1.5" for 0xC0A80105.
std::string dotted(std::uint32_t address);

}  // namespace sockio
