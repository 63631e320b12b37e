// The HTTP request parser: what it takes, what it refuses with which status, and that a request
// arriving a byte at a time or pipelined behind another is read the same.
#include <gtest/gtest.h>

#include <string>

#include "surfaces/HttpRequestParser.h"

namespace {

using State = HttpRequestParser::State;

HttpRequestParser parsed(const std::string& bytes, std::size_t step = std::string::npos) {
    HttpRequestParser parser;
    for (std::size_t at = 0; at < bytes.size() && parser.state() != State::kDone && parser.state() != State::kFailed;) {
        const std::size_t piece = std::min(step, bytes.size() - at);
        at += parser.feed(bytes.data() + at, piece);
    }
    return parser;
}

TEST(HttpRequestParser, RefusesWhatIsNotOneWellFormedRequest) {
    const std::string host = "Host: a\r\n";
    const struct {
        std::string bytes;
        int status;  // 0: taken
    } cases[] = {
        {"GET / HTTP/1.1\r\n" + host + "\r\n", 0},
        {"\r\n\r\nGET / HTTP/1.1\n" + host + "\n", 0},  // blank lines first; LF line ends
        {"GET / HTTP/1.0\r\n\r\n", 0},                  // 1.0 needs no Host
        {"GET / HTTP/1.1\r\n\r\n", 400},                // 1.1 does
        {"GET / HTTP/1.1\r\n" + host + host + "\r\n", 400},
        {"GET  / HTTP/1.1\r\n" + host + "\r\n", 400},
        {"GET http://x/ HTTP/1.1\r\n" + host + "\r\n", 400},
        {"G(T / HTTP/1.1\r\n" + host + "\r\n", 400},
        {"GET / HTTP/1.1\r\n" + host + "X: a\rb\r\n\r\n", 400},
        {"GET / HTTP/1.1\r\n" + host + " folded\r\n\r\n", 400},
        {"GET / HTTP/1.1\r\n" + host + "X : a\r\n\r\n", 400},
        {"GET / HTTP/1.1\r\n" + host + std::string("X: a\0b\r\n\r\n", 10), 400},
        {"GET / HTTP/2.0\r\n" + host + "\r\n", 505},
        {"GET / HTTQ/1.1\r\n" + host + "\r\n", 400},
        {"POST / HTTP/1.1\r\n" + host + "Transfer-Encoding: chunked\r\n\r\n", 501},
        {"POST / HTTP/1.1\r\n" + host + "Content-Length: 1\r\nContent-Length: 2\r\n\r\n", 400},
        {"POST / HTTP/1.1\r\n" + host + "Content-Length: +1\r\n\r\n", 400},
        {"POST / HTTP/1.1\r\n" + host + "Content-Length: 99999999999\r\n\r\n", 400},
        {"POST / HTTP/1.1\r\n" + host + "Content-Length: 65537\r\n\r\n", 413},
        {"GET / HTTP/1.1\r\n" + host + "X: " + std::string(9000, 'a') + "\r\n\r\n", 431},
        {"GET /" + std::string(20000, 'a'), 431},
    };
    for (const auto& c : cases) {
        const HttpRequestParser parser = parsed(c.bytes);
        EXPECT_EQ(parser.state(), c.status ? State::kFailed : State::kDone) << c.bytes.substr(0, 60);
        EXPECT_EQ(parser.failureStatus(), c.status) << c.bytes.substr(0, 60);
    }
    std::string many = "GET / HTTP/1.1\r\n" + host;
    for (int i = 0; i < 64; ++i) many += "X: 1\r\n";
    EXPECT_EQ(parsed(many + "\r\n").failureStatus(), 431);
}

TEST(HttpRequestParser, ReadsTheSameRequestWhicheverWayItArrives) {
    const std::string request =
        "PUT /api/items/2?x=1 HTTP/1.1\r\nHOST:  127.0.0.1:8765 \r\nContent-Length: 5\r\nConnection: Close\r\n\r\nhello";
    for (std::size_t step : {std::string::npos, std::size_t(1), std::size_t(7)}) {
        const HttpRequestParser parser = parsed(request + "GET / HTTP/1.1\r\n", step);
        ASSERT_EQ(parser.state(), State::kDone) << step;
        const HttpRequest& r = parser.request();
        EXPECT_EQ(r.method, "PUT");
        EXPECT_EQ(r.path, "/api/items/2");
        EXPECT_EQ(*r.field("host"), "127.0.0.1:8765");
        EXPECT_EQ(r.body, "hello");
        EXPECT_FALSE(r.keepAlive);
    }
    // The bytes after the request are left for the next one.
    HttpRequestParser parser;
    const std::string two = "GET /a HTTP/1.1\r\nHost: a\r\n\r\nGET /b HTTP/1.1\r\nHost: a\r\n\r\n";
    const std::size_t used = parser.feed(two.data(), two.size());
    EXPECT_EQ(parser.request().path, "/a");
    EXPECT_TRUE(parser.request().keepAlive);
    parser.reset();
    parser.feed(two.data() + used, two.size() - used);
    EXPECT_EQ(parser.request().path, "/b");
}

}  // namespace
