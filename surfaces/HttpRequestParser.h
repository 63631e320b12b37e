#pragma once
// One HTTP/1.x request read from a connection's bytes, trusting nothing: the head (request line
// and header fields) is bounded in bytes and in fields, the body in bytes, and every field the
// server relies on is checked here once, so that the rest of the surface sees only a request
// that is whole and well formed. No platform types: the parser is fuzzed on its own.
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

struct HttpLimits {
    std::size_t maxHeadBytes = 8192;   // request line and header fields, with their line ends
    std::size_t maxHeaderFields = 64;
    std::size_t maxBodyBytes = 65536;
};

struct HttpRequest {
    std::string method;
    std::string target;  // as sent: path and query
    std::string path;    // the target up to "?"
    int minorVersion = 1;
    // Field names in lower case, values without the blanks around them, in the order sent.
    std::vector<std::pair<std::string, std::string>> fields;
    std::string body;
    bool keepAlive = true;

    // The value of the first field of that (lower-case) name; null when there is none.
    const std::string* field(const char* name) const;
    // The value of the target's first query parameter of that name, as sent (not
    // percent-decoded); false when there is none.
    bool queryParameter(const char* name, std::string& value) const;
};

class HttpRequestParser {
public:
    enum class State {
        kHead,    // more bytes of the head are needed
        kBody,    // the head is whole; more bytes of the body are needed
        kDone,    // request() is whole
        kFailed,  // failureStatus() says why; the connection is to be answered and closed
    };

    explicit HttpRequestParser(const HttpLimits& limits = HttpLimits()) : m_limits(limits) {}

    // Takes bytes of the connection; returns how many of them belong to this request (the rest
    // begin the next one). Bytes given after kDone or kFailed are not taken.
    std::size_t feed(const char* data, std::size_t size);
    // Ready for the next request of the connection.
    void reset();

    State state() const { return m_state; }
    // 400 malformed, 413 body too large, 431 head too large, 501 a transfer coding, 505 version.
    int failureStatus() const { return m_failure; }
    // Whether any byte of this request has arrived.
    bool started() const { return m_started; }
    const HttpRequest& request() const { return m_request; }

private:
    bool parseHead();
    bool parseRequestLine(const std::string& line);
    bool parseField(const std::string& line);
    bool checkFields();
    void fail(int status);

    HttpLimits m_limits;
    State m_state = State::kHead;
    int m_failure = 0;
    bool m_started = false;
    std::string m_head;
    std::size_t m_bodyLength = 0;
    HttpRequest m_request;
};
