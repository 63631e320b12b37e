#pragma once
// tests/support/feed_server.py run for a test: HTTP and HTTPS on 127.0.0.1, in a folder of its
// own on the host, ended when this object goes (the server also ends by itself, after two
// minutes unless given a longer life). Documents the test puts are served under /doc/.
#include <set>
#include <string>

namespace testing_support {

class FeedServer {
public:
    explicit FeedServer(int lifetimeSeconds = 120);
    ~FeedServer();
    FeedServer(const FeedServer&) = delete;
    FeedServer& operator=(const FeedServer&) = delete;

    // Whether it listens (false where PYTHON3 or FEED_SERVER is not set, or it did not start).
    bool ready() const { return m_httpPort != 0; }
    std::wstring http(const std::wstring& path) const;
    std::wstring https(const std::wstring& path) const;
    // Conditional requests of /feed that the server answered with 304.
    int conditionalRequests() const;
    // The User-Agent of the last request of /feed.
    std::string lastUserAgent() const;

    // Serves `bytes` as /doc/<name> from now on (replaced in one step); http(L"/doc/" + name).
    // `contentType` other than "" is its Content-Type instead of the one its extension gives.
    bool put(const std::string& name, const std::string& bytes, const std::string& contentType = "");
    // Answers /doc/<name> with "500" or "drop" (a closed connection) instead; "" serves it again.
    bool fail(const std::string& name, const std::string& how);
    // Requests of /doc/<name> answered with 304.
    int conditionalRequests(const std::string& name) const;

private:
    std::string file(const char* name) const;

    std::string m_folder;  // as the host names it
    std::set<std::string> m_documents;
    int m_httpPort = 0;
    int m_httpsPort = 0;
};

}  // namespace testing_support
