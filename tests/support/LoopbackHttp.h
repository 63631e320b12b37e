#pragma once
// One HTTP request to a port on 127.0.0.1, as a phone or a script sends it to the web remote,
// on a connection of its own with the token; the answer's status (0 when there was none).
#include <string>

namespace testing_support {

int LoopbackHttpStatus(int port, const std::string& token, const std::string& method, const std::string& path,
                       const std::string& body = "");

}  // namespace testing_support
