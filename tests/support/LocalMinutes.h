#pragma once
// The PC's local wall clock in whole minutes, for tests that set a caption's time on air relative
// to the present minute (the calendar arithmetic is the program's own, tested by its table).
#include <string>

#include "model/AirWindow.h"

namespace testing_support {

struct LocalMinutes {
    LocalMinute minute = 0;

    // The present minute; the next one when fewer than `marginSeconds` are left of it.
    static LocalMinutes Now(int marginSeconds = 15);
    LocalMinutes plus(long long minutes) const { return LocalMinutes{minute + minutes}; }
    std::string text() const { return localMinuteText(minute); }  // "YYYY-MM-DD HH:MM"
    std::string monthDay() const;                                 // "M/D"
    int weekday() const { return weekdayOf(minute); }             // Monday 1 ... Sunday 7
};

}  // namespace testing_support
