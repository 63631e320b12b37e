// libFuzzer target: any bytes, cut into pieces at the positions the first byte chooses, through
// the request parser and the Host check. Built natively with the sanitizers (run-fuzz.sh).
#include <cstddef>
#include <cstdint>
#include <string>

#include "surfaces/HostCheck.h"
#include "surfaces/HttpRequestParser.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::size_t step = 1 + data[0] % 64;
    const char* bytes = reinterpret_cast<const char*>(data + 1);
    std::size_t left = size - 1;
    HttpLimits limits;
    limits.maxHeadBytes = 2048;  // small limits reach the limits' paths more often
    limits.maxHeaderFields = 8;
    limits.maxBodyBytes = 256;
    HttpRequestParser parser(limits);
    HostCheck hosts(8765);
    hosts.setNames({"localhost", "127.0.0.1", "[::1]", "kirunner-pc"});
    while (left > 0) {
        const std::size_t piece = left < step ? left : step;
        const std::size_t used = parser.feed(bytes, piece);
        if (used > piece) __builtin_trap();
        bytes += used;
        left -= used;
        const HttpRequestParser::State state = parser.state();
        if (state == HttpRequestParser::State::kDone) {
            const HttpRequest& request = parser.request();
            if (request.body.size() > limits.maxBodyBytes || request.path.empty() || request.path[0] != '/') __builtin_trap();
            if (const std::string* host = request.field("host")) hosts.accepts(*host);
            parser.reset();
        } else if (state == HttpRequestParser::State::kFailed) {
            const int status = parser.failureStatus();
            if (status != 400 && status != 413 && status != 431 && status != 501 && status != 505) __builtin_trap();
            parser.reset();
        } else if (used < piece) {
            __builtin_trap();  // a parser still reading must take everything it is given
        }
    }
    return 0;
}
