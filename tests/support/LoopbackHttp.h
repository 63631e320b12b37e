#pragma once
// One HTTP request to a port on 127.0.0.1, as a phone or a script sends it to the web remote,
// on a connection of its own with the token.
#include <string>

namespace testing_support {

// The answer's status (0 when there was none).
int LoopbackHttpStatus(int port, const std::string& token, const std::string& method, const std::string& path,
                       const std::string& body = "");
// The whole answer, head and body, as the server sent it before it closed the connection (at
// most 1 MiB, waiting at most 20 s); empty when there was none.
std::string LoopbackHttpAnswer(int port, const std::string& token, const std::string& method, const std::string& path,
                               const std::string& body = "");

}  // namespace testing_support
