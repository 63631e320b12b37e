#pragma once
// What the HTTP surface answers a whole request, apart from any socket: a client over its rate
// gets 429 (requests with the token and without it have rates of their own), a Host field naming no address or name of this machine 400, an API request without
// the token 401; the page and its resources are served to anyone who names this machine, the
// API only with the token ("Authorization: Bearer <token>", from the loopback address too, so
// that no web page open in the operator's browser can drive the program).
// An overlay (GET /overlay, the lane's page for a video mixer's browser source) needs the token
// or the view key, which its address carries ("?view=<key>"): the view key opens the overlay,
// its stream (GET /api/overlay), the state and the event stream, and nothing that acts; its
// requests count in the rate of requests without the token.
// Called from every connection's thread at once.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "surfaces/HostCheck.h"
#include "surfaces/HttpApi.h"
#include "surfaces/HttpRequestParser.h"
#include "surfaces/HttpResponse.h"
#include "surfaces/RateLimiter.h"
#include "surfaces/RefusalLog.h"

class HttpSurface {
public:
    // This machine's names and addresses, as a Host field may give them.
    using NameSource = std::function<std::vector<std::string>()>;

    // Requests a client may make: 20 a second, bursts of 60, counted apart for requests with
    // the token and without it, so that nobody without the token spends the rate of a phone
    // at the same address (or behind the same router).
    static constexpr double kRequestsPerSecond = 20;
    static constexpr double kRequestBurst = 60;
    // Names looked up again when a Host field is not among them, at most this often (an address
    // the machine got from DHCP since the start).
    static constexpr unsigned long long kNameRefreshMs = 10000;

    HttpSurface(ShowAccess& show, const std::string& token, const std::string& viewKey, int port, NameSource names);
    ~HttpSurface();
    HttpSurface(const HttpSurface&) = delete;
    HttpSurface& operator=(const HttpSurface&) = delete;

    enum class Kind {
        kResponse,     // send `response`
        kEventStream,  // the request is for the event stream, allowed
        kOverlayStream,  // for the overlay stream of `lane`, allowed
    };
    struct Decision {
        Kind kind = Kind::kResponse;
        HttpResponse response;
        Refusal refusal = Refusal::kCount;  // kCount: not refused
        bool tokenShown = false;    // the request carried the token
        bool viewKeyShown = false;  // the request carried the view key
        // The connection ends after the answer: an error to a request without either key, so
        // that a client refused again and again holds no connection between its tries.
        bool closes = false;
        // kOverlayStream: the lane, and the show in which it was found.
        int lane = 0;
        std::shared_ptr<const ShowSnapshot> snapshot;
    };
    Decision decide(const HttpRequest& request, std::uint32_t client, unsigned long long nowMs);

    ShowAccess& show() { return m_show; }

private:
    Decision answer(const HttpRequest& request, std::uint32_t client, unsigned long long nowMs);
    void answerOverlayPage(const HttpRequest& request, Decision& decision) const;
    void answerOverlayStream(const HttpRequest& request, Decision& decision) const;
    bool hostAccepted(const std::string* host, unsigned long long nowMs);
    bool tokenAccepted(const std::string* authorization) const;

    ShowAccess& m_show;
    HttpApi m_api;
    std::string m_token;
    std::string m_viewKey;
    NameSource m_names;
    CRITICAL_SECTION m_lock;  // guards the two below
    HostCheck m_hosts;
    unsigned long long m_namesMs = 0;
    RateLimiter m_rate;       // of requests without the token
    RateLimiter m_tokenRate;  // of requests with it
};

// Whether `given` is `secret`, compared in a time that does not depend on where the two first
// differ. An empty secret is never given.
bool sameSecret(const std::string& given, const std::string& secret);
// Whether the Authorization field carries the token as a bearer token (sameSecret).
bool carriesToken(const std::string* authorization, const std::string& token);
// Whether the target's query parameter "view" is the view key (sameSecret).
bool carriesViewKey(const HttpRequest& request, const std::string& viewKey);
