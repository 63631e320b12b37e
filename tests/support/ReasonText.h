#pragma once
// Whether a reason for the operator says one of several things: `parts` separated by "|". Wine
// and Windows word some failures differently (a dropped connection, a cut XML document).
#include <string>

namespace testing_support {

inline bool SaysOneOf(const std::wstring& reason, const std::wstring& parts) {
    for (size_t start = 0; start <= parts.size();) {
        const size_t bar = std::min(parts.find(L'|', start), parts.size());
        if (reason.find(parts.substr(start, bar - start)) != std::wstring::npos) return true;
        start = bar + 1;
    }
    return false;
}

}  // namespace testing_support
