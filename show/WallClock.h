#pragma once
// The PC's local wall clock as the captions' time on air reads it: it may step back or forward
// (a change of the system time, the time zone, daylight time, a sleep); a test gives a clock of
// its own.
#include "model/AirWindow.h"

class WallClock {
public:
    virtual LocalMinute localMinute() const = 0;

protected:
    ~WallClock() = default;
};
