#pragma once
// A monotonic clock that moves only when the test moves it.
#include "show/StripPort.h"

namespace testing_support {

class ManualClock : public MonotonicClock {
public:
    long long nowMs() const override { return m_now; }
    void advance(long long ms) { m_now += ms; }

private:
    long long m_now = 1000;
};

}  // namespace testing_support
