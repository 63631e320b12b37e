#include "LocalMinutes.h"

#include <windows.h>

#include <cstdio>

namespace testing_support {

LocalMinutes LocalMinutes::Now(int marginSeconds) {
    SYSTEMTIME t{};
    GetLocalTime(&t);
    char text[32];
    std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u", unsigned{t.wYear}, unsigned{t.wMonth}, unsigned{t.wDay},
                  unsigned{t.wHour}, unsigned{t.wMinute});
    LocalMinutes now;
    parseLocalMinute(text, now.minute);
    return now.plus(t.wSecond + marginSeconds >= 60 ? 1 : 0);
}

std::string LocalMinutes::monthDay() const {
    const std::string date = text();
    return std::to_string(std::stoi(date.substr(5, 2))) + "/" + std::to_string(std::stoi(date.substr(8, 2)));
}

}  // namespace testing_support
