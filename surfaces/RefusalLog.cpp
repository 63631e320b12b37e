#include "surfaces/RefusalLog.h"

namespace {
const char* describe(Refusal kind) {
    switch (kind) {
    case Refusal::kMalformed: return "malformed (400)";
    case Refusal::kBodyTooLarge: return "body too large (413)";
    case Refusal::kHeadTooLarge: return "header too large (431)";
    case Refusal::kForeignHost: return "foreign Host";
    case Refusal::kUnauthorised: return "no token or a wrong one (401)";
    case Refusal::kTooMany: return "too many requests (429)";
    case Refusal::kBusy: return "every connection taken (429)";
    case Refusal::kSlow: return "client too slow or idle, connection closed";
    default: return "other";
    }
}
}  // namespace

void RefusalLog::count(Refusal kind) {
    if (kind < Refusal::kCount) ++m_counts[static_cast<int>(kind)];
}

std::vector<std::string> RefusalLog::due(unsigned long long nowMs) {
    std::vector<std::string> lines;
    for (int i = 0; i < static_cast<int>(Refusal::kCount); ++i) {
        if (m_counts[i] == 0 || (m_told[i] && nowMs - m_lastMs[i] < kPeriodMs)) continue;
        lines.push_back("HTTP: " + std::to_string(m_counts[i]) + " requests refused: " + describe(static_cast<Refusal>(i)));
        m_counts[i] = 0;
        m_lastMs[i] = nowMs;
        m_told[i] = true;
    }
    return lines;
}
