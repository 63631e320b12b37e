#include "LocalMinutes.h"

#include <cstdio>

namespace testing_support {

namespace {
const ULONGLONG kTicksPerSecond = 10000000ULL;
const ULONGLONG kTicksPerMinute = 60 * kTicksPerSecond;

SYSTEMTIME TimeOf(ULONGLONG ticks) {
    const FILETIME file{static_cast<DWORD>(ticks & 0xFFFFFFFFULL), static_cast<DWORD>(ticks >> 32)};
    SYSTEMTIME time{};
    FileTimeToSystemTime(&file, &time);
    return time;
}
}  // namespace

LocalMinutes LocalMinutes::Now(int marginSeconds) {
    SYSTEMTIME local{};
    GetLocalTime(&local);
    FILETIME file{};
    SystemTimeToFileTime(&local, &file);
    const ULONGLONG ticks = ((static_cast<ULONGLONG>(file.dwHighDateTime) << 32) | file.dwLowDateTime) +
                            static_cast<ULONGLONG>(marginSeconds) * kTicksPerSecond;
    return LocalMinutes{ticks - ticks % kTicksPerMinute};
}

LocalMinutes LocalMinutes::plus(long long minutes) const {
    return LocalMinutes{ticks + static_cast<ULONGLONG>(minutes) * kTicksPerMinute};
}

std::string LocalMinutes::text() const {
    const SYSTEMTIME t = TimeOf(ticks);
    char text[32];
    std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u", unsigned{t.wYear}, unsigned{t.wMonth}, unsigned{t.wDay},
                  unsigned{t.wHour}, unsigned{t.wMinute});
    return text;
}

std::string LocalMinutes::monthDay() const {
    const SYSTEMTIME t = TimeOf(ticks);
    return std::to_string(t.wMonth) + "/" + std::to_string(t.wDay);
}

int LocalMinutes::weekday() const {
    const WORD day = TimeOf(ticks).wDayOfWeek;  // Sunday 0
    return day == 0 ? 7 : day;
}

}  // namespace testing_support
