#include "surfaces/SocketIo.h"

#include <cstdio>

namespace sockio {

bool waitReadable(SOCKET socket, unsigned long timeoutMs) {
    fd_set readable;
    FD_ZERO(&readable);
    FD_SET(socket, &readable);
    timeval timeout;
    timeout.tv_sec = static_cast<long>(timeoutMs / 1000);
    timeout.tv_usec = static_cast<long>((timeoutMs % 1000) * 1000);
    return select(0, &readable, nullptr, nullptr, &timeout) == 1;
}

bool sendAll(SOCKET socket, const char* data, std::size_t size) {
    while (size > 0) {
        const int chunk = size > 65536 ? 65536 : static_cast<int>(size);
        const int sent = send(socket, data, chunk, 0);
        if (sent <= 0) return false;
        data += sent;
        size -= static_cast<std::size_t>(sent);
    }
    return true;
}

std::uint32_t peerAddress(SOCKET socket) {
    sockaddr_in peer{};
    int bytes = sizeof peer;
    if (getpeername(socket, reinterpret_cast<sockaddr*>(&peer), &bytes) != 0 || peer.sin_family != AF_INET) return 0;
    return ntohl(peer.sin_addr.s_addr);
}

void setTimeouts(SOCKET socket, unsigned long receiveMs, unsigned long sendMs) {
    const DWORD receive = receiveMs;
    const DWORD sending = sendMs;
    // Refused only for a socket already gone, which the next read or write reports.
    setsockopt(socket, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&receive), sizeof receive);
    setsockopt(socket, SOL_SOCKET, SO_SNDTIMEO, reinterpret_cast<const char*>(&sending), sizeof sending);
}

std::string dotted(std::uint32_t address) {
    char text[16];
    std::snprintf(text, sizeof text, "%u.%u.%u.%u", address >> 24, (address >> 16) & 255u, (address >> 8) & 255u,
                  address & 255u);
    return text;
}

}  // namespace sockio
