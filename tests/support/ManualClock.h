#pragma once
// A monotonic clock that moves only when the test moves it.
#include "show/StripPort.h"
#include "show/WallClock.h"

namespace testing_support {

class ManualClock : public MonotonicClock {
public:
    long long nowMs() const override { return m_now; }
    void advance(long long ms) { m_now += ms; }

private:
    long long m_now = 1000;
};

// A local wall clock set by the test, stepped back or forward as it likes.
class ManualWallClock : public WallClock {
public:
    LocalMinute localMinute() const override { return now; }
    LocalMinute now = 0;
};

}  // namespace testing_support
