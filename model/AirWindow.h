#pragma once
// A list caption's time on air: from and until (local date and time), daily hours (which may
// cross midnight), weekdays and a number of plays, each unset unless the operator gives it. Held
// in the forms the settings file stores; the rules below read them against the PC's local wall
// clock, given as minutes so that they are plain logic a test drives with a clock of its own.
#include <string>

// Local wall-clock time in whole minutes since 2000-01-01 00:00 (calendar arithmetic, no time
// zone: the PC's local time as it reads now).
using LocalMinute = long long;
constexpr LocalMinute kNeverMinute = 0x7FFFFFFFFFFFFFFFLL;

struct AirWindow {
    std::string from;   // "YYYY-MM-DD HH:MM"; empty: unset
    std::string until;  // "YYYY-MM-DD HH:MM"; empty: unset
    std::string hours;  // "HH:MM-HH:MM", may cross midnight ("22:00-02:00"); empty: unset
    std::string days;   // weekday digits in ascending order, Monday 1 ... Sunday 7 ("135"); empty: unset
    int plays = 0;      // passes before it leaves the air by itself; 0: unset

    bool set() const { return !from.empty() || !until.empty() || !hours.empty() || !days.empty() || plays > 0; }
    bool operator==(const AirWindow& o) const {
        return from == o.from && until == o.until && hours == o.hours && days == o.days && plays == o.plays;
    }
    bool operator!=(const AirWindow& o) const { return !(*this == o); }
};

// Where a window stands at a moment.
enum class AirState {
    kOpen,     // it may be shown now
    kWaiting,  // it opens later (opensAt)
    kOver,     // it never opens again (past its end, or nothing left of it)
};
struct AirCheck {
    AirState state = AirState::kOpen;
    LocalMinute opensAt = kNeverMinute;     // kWaiting: the minute it opens
    LocalMinute changesAt = kNeverMinute;   // the next minute at which the state may change
};

// The window at `now` (plays aside: the show counts them).
AirCheck checkAirWindow(const AirWindow& window, LocalMinute now);

// Null when the window is sound; otherwise what is wrong, for the operator (UTF-8): an end
// before the start, hours of zero length or malformed, a day set with no day, a malformed field.
const char* airWindowProblem(const AirWindow& window);

// "YYYY-MM-DD HH:MM" as a local minute, and back; false / "" for a malformed or impossible one.
bool parseLocalMinute(const std::string& text, LocalMinute& minute);
std::string localMinuteText(LocalMinute minute);
// Monday 1 ... Sunday 7 of the minute's day.
int weekdayOf(LocalMinute minute);
// The PC's local wall clock now (GetLocalTime), in whole minutes.
LocalMinute localMinuteNow();
