#pragma once
// Requests the HTTP surface refused, counted by kind and told on standard output (the debug
// console), one line per kind at most once a second while they happen.
#include <string>
#include <vector>

enum class Refusal {
    kMalformed,     // 400: not a well-formed request, or a body the API cannot take
    kBodyTooLarge,  // 413
    kHeadTooLarge,  // 431
    kForeignHost,   // a Host field naming no address or name of this machine
    kUnauthorised,  // 401: no token, or a wrong one
    kTooMany,       // 429: a client over its rate
    kBusy,          // every connection taken: answered 429 and closed
    kSlow,          // a client too slow with its request, or crowded out while slow or idle
    kCount
};

class RefusalLog {
public:
    void count(Refusal kind);
    // The lines due at `nowMs` (a steady millisecond clock); their counts start again.
    std::vector<std::string> due(unsigned long long nowMs);

private:
    static const unsigned long kPeriodMs = 1000;
    unsigned long m_counts[static_cast<int>(Refusal::kCount)] = {};
    unsigned long long m_lastMs[static_cast<int>(Refusal::kCount)] = {};
    bool m_told[static_cast<int>(Refusal::kCount)] = {};
};
