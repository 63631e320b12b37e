// A caption's time on air read against the wall clock: whether it is open, when it opens and
// when that may change, across midnight, weekdays, months, years and leap days; and what the
// operator is told of a window that cannot be.
#include <gtest/gtest.h>

#include "model/AirWindow.h"

namespace {

LocalMinute at(const char* text) {
    LocalMinute minute = -1;
    EXPECT_TRUE(parseLocalMinute(text, minute)) << text;
    return minute;
}

std::string textOf(LocalMinute minute) { return minute == kNeverMinute ? "never" : localMinuteText(minute); }

AirWindow window(const char* from, const char* until, const char* hours, const char* days) {
    AirWindow w;
    w.from = from, w.until = until, w.hours = hours, w.days = days;
    return w;
}

TEST(AirWindow, OpenWaitingOrOverWithTheMinuteItOpensAndTheNextChange) {
    using S = AirState;
    const struct {
        const char* what;
        AirWindow window;
        const char* now;
        AirState state;
        const char* opensAt;    // "never" unless waiting
        const char* changesAt;  // "never": it cannot change
    } kCases[] = {
        {"no window", window("", "", "", ""), "2024-03-01 10:00", S::kOpen, "never", "never"},
        {"before from", window("2024-03-01 10:00", "2024-03-01 12:00", "", ""), "2024-03-01 09:59", S::kWaiting,
         "2024-03-01 10:00", "2024-03-01 10:00"},
        {"from reached", window("2024-03-01 10:00", "2024-03-01 12:00", "", ""), "2024-03-01 10:00", S::kOpen, "never",
         "2024-03-01 12:00"},
        {"until reached", window("2024-03-01 10:00", "2024-03-01 12:00", "", ""), "2024-03-01 12:00", S::kOver, "never",
         "never"},
        {"hours before midnight", window("", "", "22:00-02:00", ""), "2024-03-01 23:30", S::kOpen, "never",
         "2024-03-02 02:00"},
        {"hours after midnight", window("", "", "22:00-02:00", ""), "2024-03-02 01:59", S::kOpen, "never",
         "2024-03-02 02:00"},
        {"hours ended", window("", "", "22:00-02:00", ""), "2024-03-02 02:00", S::kWaiting, "2024-03-02 22:00",
         "2024-03-02 22:00"},
        {"friday night into saturday", window("", "", "22:00-02:00", "5"), "2024-03-02 01:00", S::kOpen, "never",
         "2024-03-02 02:00"},
        {"saturday night is no friday's", window("", "", "22:00-02:00", "5"), "2024-03-02 23:00", S::kWaiting,
         "2024-03-08 22:00", "2024-03-08 22:00"},
        {"thursday night does not reach friday's", window("", "", "22:00-02:00", "5"), "2024-02-29 23:00", S::kWaiting,
         "2024-03-01 22:00", "2024-03-01 22:00"},
        {"days without hours", window("", "", "", "135"), "2024-03-05 12:00", S::kWaiting, "2024-03-06 00:00",
         "2024-03-06 00:00"},
        {"a weekend is one stretch", window("", "", "", "67"), "2024-03-02 08:00", S::kOpen, "never",
         "2024-03-04 00:00"},
        {"across the year", window("", "", "23:00-01:00", ""), "2023-12-31 23:30", S::kOpen, "never",
         "2024-01-01 01:00"},
        {"from late in a month", window("2024-01-31 23:50", "", "09:00-10:00", ""), "2024-01-31 12:00", S::kWaiting,
         "2024-02-01 09:00", "2024-02-01 09:00"},
        {"leap day", window("", "", "", "4"), "2024-02-28 12:00", S::kWaiting, "2024-02-29 00:00", "2024-02-29 00:00"},
        {"no leap day", window("", "", "", "3"), "2023-02-28 12:00", S::kWaiting, "2023-03-01 00:00", "2023-03-01 00:00"},
        {"from years ahead", window("2030-06-01 00:00", "", "", "1"), "2024-03-01 10:00", S::kWaiting,
         "2030-06-03 00:00", "2030-06-03 00:00"},
        {"open until until", window("", "2024-03-01 12:00", "10:00-14:00", ""), "2024-03-01 11:00", S::kOpen, "never",
         "2024-03-01 12:00"},
        {"days leave nothing before until", window("", "2024-03-04 00:00", "", "1"), "2024-03-01 10:00", S::kOver,
         "never", "never"},
        {"hours leave nothing before until", window("", "2024-03-01 09:00", "09:00-10:00", ""), "2024-03-01 08:00",
         S::kOver, "never", "never"},
        {"a malformed window never opens", window("", "", "9:00-10:00", ""), "2024-03-01 09:30", S::kOver, "never",
         "never"},
    };
    for (const auto& c : kCases) {
        const AirCheck check = checkAirWindow(c.window, at(c.now));
        EXPECT_EQ(c.state, check.state) << c.what;
        EXPECT_EQ(c.opensAt, textOf(check.opensAt)) << c.what;
        EXPECT_EQ(c.changesAt, textOf(check.changesAt)) << c.what;
    }
    // A clock past any calendar the window can name leaves nothing of it.
    EXPECT_EQ(AirState::kOver, checkAirWindow(window("", "", "22:00-02:00", "5"), kNeverMinute).state);
}

TEST(AirWindow, ProblemsAreToldInTheFieldsOrder) {
    const char* const kDate = "日時は YYYY-MM-DD HH:MM の形で入れてください";
    const char* const kHours = "時間帯は HH:MM-HH:MM の形で入れてください";
    const char* const kDays = "曜日は1～7の数字を小さい順に入れてください";
    const char* const kPlays = "回数は1～9999の整数にしてください";
    const struct {
        AirWindow window;
        int plays;
        const char* problem;  // nullptr: sound
    } kCases[] = {
        {window("2024-02-29 10:00", "2024-03-01 00:00", "22:00-02:00", "1234567"), 9999, nullptr},
        {window("2023-02-29 10:00", "", "", ""), 0, kDate},
        {window("", "2024-04-31 10:00", "", ""), 0, kDate},
        {window("1999-12-31 23:59", "", "", ""), 0, kDate},
        {window("2024-1-01 10:00", "", "", ""), 0, kDate},
        {window("2024-01-01 24:00", "", "", ""), 0, kDate},
        {window("2024-01-01 10:00 ", "", "", ""), 0, kDate},
        {window("2024-03-01 10:00", "2024-03-01 10:00", "", ""), 0, "終了が開始より前です"},
        {window("2024-03-01 10:00", "2024-02-01 10:00", "", ""), 0, "終了が開始より前です"},
        {window("", "", "10:00-10:00", ""), 0, "時間帯の始まりと終わりが同じです"},
        {window("", "", "9:00-10:00", ""), 0, kHours},
        {window("", "", "10:00-10:60", ""), 0, kHours},
        {window("", "", "10:00~11:00", ""), 0, kHours},
        {window("", "", "", "31"), 0, kDays},
        {window("", "", "", "118"), 0, kDays},
        {window("", "", "", "8"), 0, kDays},
        {window("", "", "", "0"), 0, kDays},
        {window("", "", "", ""), 10000, kPlays},
        {window("", "", "", ""), -1, kPlays},
    };
    for (const auto& c : kCases) {
        AirWindow w = c.window;
        w.plays = c.plays;
        const char* problem = airWindowProblem(w);
        EXPECT_STREQ(c.problem, problem) << w.from << "|" << w.until << "|" << w.hours << "|" << w.days << "|" << w.plays;
    }
}

TEST(AirWindow, LocalMinutesFollowTheCalendar) {
    EXPECT_EQ(0, at("2000-01-01 00:00"));
    EXPECT_EQ(6, weekdayOf(0));  // a Saturday
    EXPECT_EQ((31 + 29) * 1440, at("2000-03-01 00:00"));
    EXPECT_EQ(4, weekdayOf(at("2024-02-29 12:00")));
    EXPECT_EQ(7, weekdayOf(at("2023-12-31 23:59")));
    EXPECT_EQ(1, weekdayOf(at("2100-03-01 00:00")));
    LocalMinute unused = 0;
    EXPECT_FALSE(parseLocalMinute("2100-02-29 00:00", unused));
    EXPECT_EQ("", localMinuteText(-1));
    // Every day from 2000 to past 2100 reads back as written, one day after the day before.
    std::string previous;
    for (LocalMinute day = 0; day < 37000; ++day) {
        const LocalMinute minute = day * 1440 + day % 1440;
        const std::string text = localMinuteText(minute);
        LocalMinute back = -1;
        ASSERT_TRUE(parseLocalMinute(text, back)) << text;
        ASSERT_EQ(minute, back) << text;
        ASSERT_LT(previous, text);
        previous = text;
    }
    EXPECT_EQ("9999-12-31 23:59", localMinuteText(at("9999-12-31 23:59")));
    EXPECT_EQ("", localMinuteText(at("9999-12-31 23:59") + 1));
}

}  // namespace
