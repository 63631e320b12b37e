#pragma once
// The few socket steps of the surfaces: binding a port for the program alone, and the HTTP
// surface's blocking steps, each bounded in time.
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
// A socket of `type` (SOCK_STREAM or SOCK_DGRAM) bound to the IPv4 address and port (host
// byte order), which no other program may bind beside it; INVALID_SOCKET (and
// WSAGetLastError) on failure.
SOCKET bindExclusive(int type, std::uint32_t address, int port);
// "192.168.1.5" for 0xC0A80105.
std::string dotted(std::uint32_t address);

}  // namespace sockio
