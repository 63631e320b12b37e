#pragma once
// The PC's local wall clock in whole minutes, for tests that set a caption's time on air
// relative to the present minute. Computed with the system's own calendar functions, apart from
// the program's, so that a test does not check the program's calendar against itself.
#include <windows.h>

#include <string>

namespace testing_support {

class LocalMinutes {
public:
    // The present minute; the next one when fewer than `marginSeconds` are left of it, so that
    // a window set at the next minute still lies ahead once the program has read it.
    static LocalMinutes Now(int marginSeconds = 15);

    LocalMinutes plus(long long minutes) const;
    std::string text() const;      // "YYYY-MM-DD HH:MM", as the settings file stores it
    std::string clock() const;     // "HH:MM"
    std::string monthDay() const;  // "M/D"
    int weekday() const;           // Monday 1 ... Sunday 7
    bool sameDay(const LocalMinutes& other) const;
    // Whether the PC's clock has reached this minute.
    bool reached() const;

private:
    explicit LocalMinutes(ULONGLONG ticks);
    SYSTEMTIME time() const;
    ULONGLONG m_ticks = 0;  // FILETIME units of the local time, whole minutes
};

}  // namespace testing_support
