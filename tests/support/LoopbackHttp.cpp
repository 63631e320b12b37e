#include <winsock2.h>

#include "LoopbackHttp.h"

#include <cstdlib>

namespace testing_support {

int LoopbackHttpStatus(int port, const std::string& token, const std::string& method, const std::string& path,
                       const std::string& body) {
    WSADATA data;
    if (WSAStartup(MAKEWORD(2, 2), &data) != 0) return 0;
    int status = 0;
    const SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(static_cast<u_short>(port));
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (s != INVALID_SOCKET && connect(s, reinterpret_cast<const sockaddr*>(&to), sizeof to) == 0) {
        const std::string request = method + " " + path + " HTTP/1.1\r\nHost: 127.0.0.1:" + std::to_string(port) +
                                    "\r\nAuthorization: Bearer " + token +
                                    "\r\nContent-Type: application/json\r\nConnection: close\r\nContent-Length: " +
                                    std::to_string(body.size()) + "\r\n\r\n" + body;
        send(s, request.data(), static_cast<int>(request.size()), 0);
        char answer[64] = {};
        if (recv(s, answer, sizeof answer - 1, 0) > 12) status = std::atoi(answer + 9);
    }
    if (s != INVALID_SOCKET) closesocket(s);
    WSACleanup();
    return status;
}

}  // namespace testing_support
