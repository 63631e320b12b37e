#include <winsock2.h>

#include "LoopbackHttp.h"

#include <cstdlib>

namespace testing_support {

std::string LoopbackHttpAnswer(int port, const std::string& token, const std::string& method, const std::string& path,
                               const std::string& body) {
    WSADATA data;
    if (WSAStartup(MAKEWORD(2, 2), &data) != 0) return std::string();
    std::string answer;
    const SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(static_cast<u_short>(port));
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (s != INVALID_SOCKET && connect(s, reinterpret_cast<const sockaddr*>(&to), sizeof to) == 0) {
        const DWORD waitMs = 20000;
        setsockopt(s, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&waitMs), sizeof waitMs);
        const std::string request = method + " " + path + " HTTP/1.1\r\nHost: 127.0.0.1:" + std::to_string(port) +
                                    "\r\nAuthorization: Bearer " + token +
                                    "\r\nContent-Type: application/json\r\nConnection: close\r\nContent-Length: " +
                                    std::to_string(body.size()) + "\r\n\r\n" + body;
        send(s, request.data(), static_cast<int>(request.size()), 0);
        char chunk[4096];
        int got = 0;
        while (answer.size() < (1u << 20) && (got = recv(s, chunk, sizeof chunk, 0)) > 0) answer.append(chunk, got);
    }
    if (s != INVALID_SOCKET) closesocket(s);
    WSACleanup();
    return answer;
}

int LoopbackHttpStatus(int port, const std::string& token, const std::string& method, const std::string& path,
                       const std::string& body) {
    const std::string answer = LoopbackHttpAnswer(port, token, method, path, body);
    return answer.size() > 12 ? std::atoi(answer.c_str() + 9) : 0;
}

}  // namespace testing_support
