#include "panel/AirTimeText.h"

#include <cstdio>
#include <cstdlib>

#include "panel/PageTexts.h"

namespace {
const LocalMinute kMinutesPerDay = 24 * 60;
}

const char* airStateText(const ShowRow& row) {
    if (row.kind != ShowRow::Kind::Item) return nullptr;
    if (row.air.over) return page_texts::kAirOver;
    if (row.air.waiting) return page_texts::kWaitingForAir;
    return nullptr;
}

std::string airTimeLeftText(const ShowRow& row, LocalMinute now) {
    if (row.kind != ShowRow::Kind::Item) return std::string();
    char text[64];
    if (row.air.waiting && !row.air.over) {
        // "YYYY-MM-DD HH:MM": the time alone today, the month and day before it on another day.
        const std::string opens = localMinuteText(row.air.opensAt);
        if (row.air.opensAt == kNeverMinute || opens.size() != 16) return std::string();
        std::string when = opens.substr(11, 5);
        if (row.air.opensAt / kMinutesPerDay != now / kMinutesPerDay) {
            const int month = std::atoi(opens.substr(5, 2).c_str());
            const int day = std::atoi(opens.substr(8, 2).c_str());
            char date[16];
            std::snprintf(date, sizeof date, "%d/%d ", month, day);
            when = date + when;
        }
        std::snprintf(text, sizeof text, page_texts::kOpensAtFormat, when.c_str());
        return text;
    }
    if (row.onAir && row.air.playsLeft >= 0) {
        std::snprintf(text, sizeof text, page_texts::kPlaysLeftFormat, row.air.playsLeft);
        return text;
    }
    return std::string();
}
