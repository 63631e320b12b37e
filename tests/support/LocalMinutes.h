#pragma once
// The PC's local wall clock in whole minutes, for tests that set a caption's time on air relative
// to the present minute; computed with the system's calendar functions, apart from the program's.
#include <windows.h>

#include <string>

namespace testing_support {

struct LocalMinutes {
    ULONGLONG ticks = 0;  // FILETIME units of the local time, whole minutes

    // The present minute; the next one when fewer than `marginSeconds` are left of it.
    static LocalMinutes Now(int marginSeconds = 15);
    LocalMinutes plus(long long minutes) const;
    std::string text() const;      // "YYYY-MM-DD HH:MM", as the settings file stores it
    std::string monthDay() const;  // "M/D"
    int weekday() const;           // Monday 1 ... Sunday 7
};

}  // namespace testing_support
