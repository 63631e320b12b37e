#pragma once
// Requests a client may make: a bucket per client address that fills at a steady rate up to a
// burst. A flood empties its own bucket and is answered with 429 at once, without reaching the
// show; other clients keep theirs. The table of clients is bounded: the one heard from least
// recently makes room for a new one.
#include <cstddef>
#include <cstdint>
#include <vector>

class RateLimiter {
public:
    RateLimiter(double perSecond, double burst, std::size_t maxClients)
        : m_perMs(perSecond / 1000.0), m_burst(burst), m_maxClients(maxClients) {}

    // Whether the client (an IPv4 address) may make one more request at `nowMs` (any steady
    // millisecond clock); takes it from the bucket when it may.
    bool take(std::uint32_t client, unsigned long long nowMs);

private:
    struct Bucket {
        std::uint32_t client;
        double tokens;
        unsigned long long lastMs;
    };
    double m_perMs;
    double m_burst;
    std::size_t m_maxClients;
    std::vector<Bucket> m_buckets;
};
