#include "LocalMinutes.h"

#include <cstdio>

namespace testing_support {

namespace {
const ULONGLONG kTicksPerSecond = 10000000ULL;
const ULONGLONG kTicksPerMinute = 60 * kTicksPerSecond;

// FILETIME units of a local time (no time zone: the local clock as it reads).
ULONGLONG TicksOf(const SYSTEMTIME& time) {
    FILETIME file{};
    if (!SystemTimeToFileTime(&time, &file)) return 0;
    return (static_cast<ULONGLONG>(file.dwHighDateTime) << 32) | file.dwLowDateTime;
}

ULONGLONG LocalTicksNow() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return TicksOf(now);
}
}  // namespace

LocalMinutes::LocalMinutes(ULONGLONG ticks) : m_ticks(ticks - ticks % kTicksPerMinute) {}

LocalMinutes LocalMinutes::Now(int marginSeconds) {
    const ULONGLONG now = LocalTicksNow();
    const ULONGLONG intoMinute = now % kTicksPerMinute;
    const bool late = intoMinute + static_cast<ULONGLONG>(marginSeconds) * kTicksPerSecond > kTicksPerMinute;
    return LocalMinutes(late ? now + kTicksPerMinute : now);
}

LocalMinutes LocalMinutes::plus(long long minutes) const {
    return LocalMinutes(m_ticks + static_cast<ULONGLONG>(minutes) * kTicksPerMinute);
}

SYSTEMTIME LocalMinutes::time() const {
    FILETIME file{static_cast<DWORD>(m_ticks & 0xFFFFFFFFULL), static_cast<DWORD>(m_ticks >> 32)};
    SYSTEMTIME time{};
    FileTimeToSystemTime(&file, &time);
    return time;
}

std::string LocalMinutes::text() const {
    const SYSTEMTIME t = time();
    char text[32];
    std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u", unsigned{t.wYear}, unsigned{t.wMonth}, unsigned{t.wDay},
                  unsigned{t.wHour}, unsigned{t.wMinute});
    return text;
}

std::string LocalMinutes::clock() const {
    return text().substr(11);
}

std::string LocalMinutes::monthDay() const {
    const SYSTEMTIME t = time();
    return std::to_string(t.wMonth) + "/" + std::to_string(t.wDay);
}

int LocalMinutes::weekday() const {
    const WORD day = time().wDayOfWeek;  // Sunday 0
    return day == 0 ? 7 : day;
}

bool LocalMinutes::sameDay(const LocalMinutes& other) const {
    const ULONGLONG ticksPerDay = 24 * 60 * kTicksPerMinute;
    return m_ticks / ticksPerDay == other.m_ticks / ticksPerDay;
}

bool LocalMinutes::reached() const {
    return LocalTicksNow() >= m_ticks;
}

}  // namespace testing_support
