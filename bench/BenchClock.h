#pragma once
// Timing for the benchmarks: the median over rounds of the mean cost of one call.
#include <windows.h>

#include <algorithm>
#include <vector>

namespace bench {

// Runs `work` `calls` times per round for `rounds` rounds; returns the median round's
// microseconds per call.
template <class Work>
double MedianMicros(int rounds, int calls, Work work) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    std::vector<double> perCall;
    for (int r = 0; r < rounds; ++r) {
        LARGE_INTEGER begin;
        LARGE_INTEGER end;
        QueryPerformanceCounter(&begin);
        for (int i = 0; i < calls; ++i) work();
        QueryPerformanceCounter(&end);
        const double seconds =
            static_cast<double>(end.QuadPart - begin.QuadPart) / static_cast<double>(frequency.QuadPart);
        perCall.push_back(seconds * 1e6 / calls);
    }
    std::sort(perCall.begin(), perCall.end());
    return perCall.empty() ? 0.0 : perCall[perCall.size() / 2];
}

}  // namespace bench
