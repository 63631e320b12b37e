#include "surfaces/RateLimiter.h"

#include <algorithm>

bool RateLimiter::take(std::uint32_t client, unsigned long long nowMs) {
    auto bucket = std::find_if(m_buckets.begin(), m_buckets.end(), [client](const Bucket& b) { return b.client == client; });
    if (bucket == m_buckets.end()) {
        if (m_buckets.size() >= m_maxClients && !m_buckets.empty()) {
            bucket = std::min_element(m_buckets.begin(), m_buckets.end(),
                                      [](const Bucket& a, const Bucket& b) { return a.lastMs < b.lastMs; });
            *bucket = Bucket{client, m_burst, nowMs};
        } else {
            m_buckets.push_back(Bucket{client, m_burst, nowMs});
            bucket = m_buckets.end() - 1;
        }
    }
    if (nowMs > bucket->lastMs)
        bucket->tokens = std::min(m_burst, bucket->tokens + static_cast<double>(nowMs - bucket->lastMs) * m_perMs);
    bucket->lastMs = std::max(bucket->lastMs, nowMs);
    if (bucket->tokens < 1.0) return false;
    bucket->tokens -= 1.0;
    return true;
}
