#include "model/AirWindow.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>

namespace {
const LocalMinute kMinutesPerDay = 24 * 60;
// Beyond this distance from 2000 no calendar the window names reaches, and the day arithmetic
// below stays far from overflowing.
const LocalMinute kFarMinute = 1LL << 60;
const int kFirstYear = 2000;
const int kLastYear = 9999;
const int kMaxPlays = 9999;

const char kUntilBeforeFrom[] = u8"終了が開始より前です";
const char kZeroHours[] = u8"時間帯の始まりと終わりが同じです";
const char kDateForm[] = u8"日時は YYYY-MM-DD HH:MM の形で入れてください";
const char kHoursForm[] = u8"時間帯は HH:MM-HH:MM の形で入れてください";
const char kDaysForm[] = u8"曜日は1～7の数字を小さい順に入れてください";
const char kPlaysRange[] = u8"回数は1～9999の整数にしてください";

// a / b rounded down, for b > 0 (a clock before 2000 gives negative minutes).
LocalMinute floorDiv(LocalMinute a, LocalMinute b) { return a / b - ((a % b != 0 && a < 0) ? 1 : 0); }

bool leapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int daysInMonth(int year, int month) {
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && leapYear(year) ? 29 : kDays[month - 1];
}

// Days from 2000-01-01 to the first day of `year` (year >= 2000).
LocalMinute daysBeforeYear(int year) {
    const LocalMinute y = year - 1;
    const LocalMinute base = kFirstYear - 1;
    auto leapsUpTo = [](LocalMinute n) { return n / 4 - n / 100 + n / 400; };
    return (y - base) * 365 + leapsUpTo(y) - leapsUpTo(base);
}

// The number of `count` digits at `text[at]`; -1 when one of them is no digit.
int digitsAt(const std::string& text, size_t at, size_t count) {
    int value = 0;
    for (size_t i = at; i < at + count; ++i) {
        if (text[i] < '0' || text[i] > '9') return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

// "HH:MM" at `text[at]` as minutes of the day; -1 when malformed.
int timeOfDayAt(const std::string& text, size_t at) {
    if (text.size() < at + 5 || text[at + 2] != ':') return -1;
    const int hour = digitsAt(text, at, 2);
    const int minute = digitsAt(text, at + 3, 2);
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59) return -1;
    return hour * 60 + minute;
}

// The window's fields read; `problem` says what is wrong when one is malformed.
struct ParsedWindow {
    LocalMinute from = -kFarMinute;
    LocalMinute until = kFarMinute;
    int start = -1, end = -1;  // the hours, minutes of the day; -1: all day
    unsigned dayMask = 0x7F;   // bit (weekday - 1) for each day that counts
    const char* problem = nullptr;
};

bool parseHours(const std::string& hours, int& start, int& end) {
    if (hours.size() != 11 || hours[5] != '-') return false;
    start = timeOfDayAt(hours, 0);
    end = timeOfDayAt(hours, 6);
    return start >= 0 && end >= 0;
}

bool parseDays(const std::string& days, unsigned& mask) {
    if (days.empty()) return false;
    mask = 0;
    char last = '0';
    for (char c : days) {
        if (c <= last || c > '7') return false;
        mask |= 1u << (c - '1');
        last = c;
    }
    return true;
}

ParsedWindow parse(const AirWindow& w) {
    ParsedWindow p;
    if ((!w.from.empty() && !parseLocalMinute(w.from, p.from)) || (!w.until.empty() && !parseLocalMinute(w.until, p.until)))
        p.problem = kDateForm;
    else if (!w.from.empty() && !w.until.empty() && p.until <= p.from)
        p.problem = kUntilBeforeFrom;
    else if (!w.hours.empty() && !parseHours(w.hours, p.start, p.end))
        p.problem = kHoursForm;
    else if (!w.hours.empty() && p.start == p.end)
        p.problem = kZeroHours;
    else if (!w.days.empty() && !parseDays(w.days, p.dayMask))
        p.problem = kDaysForm;
    else if (w.plays < 0 || w.plays > kMaxPlays)
        p.problem = kPlaysRange;
    return p;
}

// The daily part of the window on day `day`: [begin, end) in minutes, which may run into the
// next day for hours that cross midnight; false when the day does not count.
bool dailySpan(const ParsedWindow& p, LocalMinute day, LocalMinute& begin, LocalMinute& end) {
    if (!(p.dayMask & (1u << (weekdayOf(day * kMinutesPerDay) - 1)))) return false;
    const LocalMinute midnight = day * kMinutesPerDay;
    if (p.start < 0) {
        begin = midnight;
        end = midnight + kMinutesPerDay;
    } else {
        begin = midnight + p.start;
        end = midnight + p.end + (p.end < p.start ? kMinutesPerDay : 0);
    }
    return true;
}
}  // namespace

AirCheck checkAirWindow(const AirWindow& window, LocalMinute now) {
    AirCheck over;
    over.state = AirState::kOver;
    const ParsedWindow p = parse(window);
    // A window the operator could not have given never opens; nor does any past its end.
    if (p.problem || now >= p.until || now <= -kFarMinute || now >= kFarMinute) return over;
    // The daily pattern repeats each week: the spans of the day before `base` (whose crossing
    // hours may reach into it) to eight days after it hold its next opening, if it has one.
    const LocalMinute base = std::max(now, p.from);
    const LocalMinute firstDay = floorDiv(base, kMinutesPerDay) - 1;
    bool found = false;
    LocalMinute openFrom = 0, openTo = 0;  // the first open stretch at or after `now`
    for (LocalMinute day = firstDay; day <= firstDay + 9; ++day) {
        LocalMinute begin = 0, end = 0;
        if (!dailySpan(p, day, begin, end)) continue;
        begin = std::max(begin, p.from);
        end = std::min(end, p.until);
        if (end <= now || begin >= end) continue;
        if (found && begin > openTo) break;
        // A span that follows on at once (whole days) joins the stretch.
        if (!found) openFrom = begin;
        openTo = found ? std::max(openTo, end) : end;
        found = true;
    }
    if (!found) return over;
    AirCheck check;
    if (openFrom <= now) {
        check.state = AirState::kOpen;
        // Without hours or days the stretch runs on until the window's end, if it has one.
        const bool wholeWeek = p.start < 0 && p.dayMask == 0x7F;
        check.changesAt = !wholeWeek ? openTo : p.until < kFarMinute ? p.until : kNeverMinute;
    } else {
        check.state = AirState::kWaiting;
        check.opensAt = openFrom;
        check.changesAt = openFrom;
    }
    return check;
}

const char* airWindowProblem(const AirWindow& window) { return parse(window).problem; }

bool parseLocalMinute(const std::string& text, LocalMinute& minute) {
    if (text.size() != 16 || text[4] != '-' || text[7] != '-' || text[10] != ' ') return false;
    const int year = digitsAt(text, 0, 4);
    const int month = digitsAt(text, 5, 2);
    const int day = digitsAt(text, 8, 2);
    const int time = timeOfDayAt(text, 11);
    if (year < kFirstYear || month < 1 || month > 12 || day < 1 || day > daysInMonth(year, month) || time < 0) return false;
    LocalMinute days = daysBeforeYear(year) + day - 1;
    for (int m = 1; m < month; ++m) days += daysInMonth(year, m);
    minute = days * kMinutesPerDay + time;
    return true;
}

std::string localMinuteText(LocalMinute minute) {
    if (minute < 0 || minute >= daysBeforeYear(kLastYear + 1) * kMinutesPerDay) return "";
    LocalMinute days = minute / kMinutesPerDay;
    const int time = static_cast<int>(minute % kMinutesPerDay);
    // A year is at least 365 days: start from that estimate and step to the right one.
    int year = kFirstYear + static_cast<int>(days / 366);
    while (daysBeforeYear(year + 1) <= days) ++year;
    days -= daysBeforeYear(year);
    int month = 1;
    while (days >= daysInMonth(year, month)) days -= daysInMonth(year, month++);
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", year, month, static_cast<int>(days) + 1, time / 60,
                  time % 60);
    return text;
}

int weekdayOf(LocalMinute minute) {
    // 2000-01-01, day 0, was a Saturday (6).
    const LocalMinute day = floorDiv(minute, kMinutesPerDay);
    return static_cast<int>((day % 7 + 7 + 5) % 7) + 1;
}

LocalMinute localMinuteNow() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    char text[32];
    std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u", static_cast<unsigned>(now.wYear),
                  static_cast<unsigned>(now.wMonth), static_cast<unsigned>(now.wDay), static_cast<unsigned>(now.wHour),
                  static_cast<unsigned>(now.wMinute));
    LocalMinute minute = 0;
    return parseLocalMinute(text, minute) ? minute : 0;
}
