// The page's state and time left cells of a list item with a time on air, in its code page.
#include <gtest/gtest.h>

#include "panel/AirTimeText.h"

namespace {

TEST(AirTimeText, StateAndTimeLeftCells) {
    LocalMinute now = 0, tomorrow = 0, newYear = 0;
    ASSERT_TRUE(parseLocalMinute("2026-12-24 23:59", now));
    ASSERT_TRUE(parseLocalMinute("2026-12-25 00:00", tomorrow));
    ASSERT_TRUE(parseLocalMinute("2027-01-05 09:30", newYear));
    const struct Case {
        ShowRow::Kind kind;
        bool onAir, waiting, over;
        LocalMinute opensAt;
        int playsLeft;
        const char* state;  // null: as without a time on air
        const char* timeLeft;  // empty: the time left as without one
    } cases[] = {
        {ShowRow::Kind::Item, true, true, false, tomorrow, -1, "予定", "12/25 00:00から"},  // a minute after: another day,
        {ShowRow::Kind::Item, true, true, false, now, -1, "予定", "23:59から"},
        {ShowRow::Kind::Item, true, true, false, newYear, 2, "予定", "1/5 09:30から"},
        {ShowRow::Kind::Item, true, false, false, kNeverMinute, 3, nullptr, "残り3回"},
        {ShowRow::Kind::Item, true, false, false, kNeverMinute, 0, nullptr, "残り0回"},
        {ShowRow::Kind::Item, false, false, false, kNeverMinute, 3, nullptr, ""},  // off air: no plays left shown
        {ShowRow::Kind::Item, false, false, true, kNeverMinute, -1, "終了", ""},
        {ShowRow::Kind::Item, true, false, false, kNeverMinute, -1, nullptr, ""},
        {ShowRow::Kind::CutIn, true, true, true, now, 3, nullptr, ""},  // never scheduled
    };
    for (const Case& c : cases) {
        ShowRow row;
        row.kind = c.kind;
        row.onAir = c.onAir;
        row.air.waiting = c.waiting;
        row.air.over = c.over;
        row.air.opensAt = c.opensAt;
        row.air.playsLeft = c.playsLeft;
        const char* state = airStateText(row);
        EXPECT_EQ(std::string(c.state ? c.state : "-"), std::string(state ? state : "-")) << c.timeLeft;
        EXPECT_EQ(c.timeLeft, airTimeLeftText(row, now)) << c.opensAt;
    }
}

}  // namespace
