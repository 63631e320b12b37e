// A caption's time on air against the wall clock across midnight, weekdays, months and years.
#include <gtest/gtest.h>

#include "model/AirWindow.h"

namespace {

LocalMinute at(const std::string& text) {
    LocalMinute minute = -1;
    EXPECT_TRUE(parseLocalMinute(text, minute)) << text;
    return minute;
}

std::string textOf(LocalMinute minute) { return minute == kNeverMinute ? "" : localMinuteText(minute); }

AirWindow w(const char* from, const char* until = "", const char* hours = "", const char* days = "", int plays = 0) {
    return {from, until, hours, days, plays};  // unset: ""
}

// The minute it opens (waiting) or may change (open; "": never); a bad window never opens.
TEST(AirWindow, OpenWaitingOrOverAndWhatIsWrongWithOne) {
    using S = AirState;
    const char* const kDate = u8"日時は YYYY-MM-DD HH:MM の形で入れてください";
    const char* const kHours = u8"時間帯は HH:MM-HH:MM の形で入れてください";
    const char* const kDays = u8"曜日は1～7の数字を小さい順に入れてください";
    const char* const kPlays = u8"回数は1～9999の整数にしてください";
    const std::string kNow = "2024-03-01 10:00";  // a Friday
    const struct {
        AirWindow window;  // from, until, hours, days, plays
        std::string now;
        AirState state;
        std::string next;
        const char* problem = nullptr;
    } kCases[] = {
        {w(""), kNow, S::kOpen, ""},
        {w("2024-03-01 10:00", "2024-03-01 12:00"), "2024-03-01 09:59", S::kWaiting, "2024-03-01 10:00"},
        {w("2024-03-01 10:00", "2024-03-01 12:00"), kNow, S::kOpen, "2024-03-01 12:00"},
        {w("2024-03-01 10:00", "2024-03-01 12:00"), "2024-03-01 12:00", S::kOver, ""},
        // Friday's hours run into Saturday; Saturday's and Thursday's are no Friday's.
        {w("", "", "22:00-02:00", "5"), "2024-03-02 01:59", S::kOpen, "2024-03-02 02:00"},
        {w("", "", "22:00-02:00", "5"), "2024-03-02 23:00", S::kWaiting, "2024-03-08 22:00"},
        {w("", "", "22:00-02:00", "5"), "2024-02-29 23:00", S::kWaiting, "2024-03-01 22:00"},
        {w("", "", "", "135"), "2024-03-05 12:00", S::kWaiting, "2024-03-06 00:00"},
        {w("", "", "", "67"), "2024-03-02 08:00", S::kOpen, "2024-03-04 00:00"},  // one stretch
        {w("", "", "23:00-01:00"), "2023-12-31 23:30", S::kOpen, "2024-01-01 01:00"},
        {w("2024-01-31 23:50", "", "09:00-10:00"), "2024-01-31 12:00", S::kWaiting, "2024-02-01 09:00"},
        {w("", "", "", "4"), "2024-02-28 12:00", S::kWaiting, "2024-02-29 00:00"},
        {w("", "", "", "3"), "2023-02-28 12:00", S::kWaiting, "2023-03-01 00:00"},
        {w("2030-06-01 00:00", "", "", "1"), kNow, S::kWaiting, "2030-06-03 00:00"},
        {w("", "2024-03-01 12:00", "10:00-14:00"), "2024-03-01 11:00", S::kOpen, "2024-03-01 12:00"},
        {w("", "2024-03-04 00:00", "", "1"), kNow, S::kOver, ""},  // no Monday before the end
        {w("2024-02-29 10:00", "2024-03-02 00:00", "22:00-02:00", "1234567", 9999), kNow, S::kWaiting, "2024-03-01 22:00"},
        {w("2023-02-29 10:00"), kNow, S::kOver, "", kDate}, {w("", "2024-04-31 10:00"), kNow, S::kOver, "", kDate},
        {w("1999-12-31 23:59"), kNow, S::kOver, "", kDate}, {w("2100-02-29 00:00"), kNow, S::kOver, "", kDate},
        {w("2024-1-01 10:00"), kNow, S::kOver, "", kDate}, {w("2024-01-01 24:00"), kNow, S::kOver, "", kDate},
        {w("2024-01-01 10:00 "), kNow, S::kOver, "", kDate}, {w("", "", "", "", -1), kNow, S::kOver, "", kPlays},
        {w("2024-03-01 10:00", "2024-03-01 10:00"), "2024-02-01 10:00", S::kOver, "", u8"終了が開始より前です"},
        {w("", "", "10:00-10:00"), kNow, S::kOver, "", u8"時間帯の始まりと終わりが同じです"},
        {w("", "", "9:00-10:00"), kNow, S::kOver, "", kHours}, {w("", "", "10:00-10:60"), kNow, S::kOver, "", kHours},
        {w("", "", "10:00~11:00"), kNow, S::kOver, "", kHours}, {w("", "", "", "31"), kNow, S::kOver, "", kDays},
        {w("", "", "", "118"), kNow, S::kOver, "", kDays}, {w("", "", "", "8"), kNow, S::kOver, "", kDays},
        {w("", "", "", "0"), kNow, S::kOver, "", kDays}, {w("", "", "", "", 10000), kNow, S::kOver, "", kPlays},
    };
    for (const auto& c : kCases) {
        const AirWindow& v = c.window;
        SCOPED_TRACE(v.from + "|" + v.until + "|" + v.hours + "|" + v.days + "|" + std::to_string(v.plays) + " at " + c.now);
        const AirCheck check = checkAirWindow(v, at(c.now));
        EXPECT_EQ(c.state, check.state);
        EXPECT_EQ(c.state == S::kWaiting ? c.next : "", textOf(check.opensAt));
        EXPECT_EQ(c.next, textOf(check.changesAt));
        EXPECT_STREQ(c.problem, airWindowProblem(v));
    }
    EXPECT_EQ(S::kOver, checkAirWindow(w("", "", "22:00-02:00", "5"), kNeverMinute).state);
}

TEST(AirWindow, LocalMinutesFollowTheCalendar) {
    EXPECT_EQ((31 + 29) * 1440, at("2000-03-01 00:00"));
    EXPECT_EQ(6, weekdayOf(0));  // 2000-01-01, a Saturday
    EXPECT_EQ("", localMinuteText(-1) + localMinuteText(at("9999-12-31 23:59") + 1));
    // Every day from 2000 to past 2100 reads back as written, and comes after the day before.
    std::string previous;
    for (LocalMinute day = 0; day < 37000; ++day) {
        const std::string text = localMinuteText(day * 1440 + day % 1440);
        ASSERT_EQ(day * 1440 + day % 1440, at(text)) << text;
        ASSERT_LT(previous, text);
        previous = text;
    }
}

}  // namespace
