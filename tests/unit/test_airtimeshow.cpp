// List captions with a time on air, as the show runs them with its own clocks: the windows it
// reads, the plays it counts, the lane that waits for a window and automatic exit.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "show/Show.h"
#include "tests/support/FakeStrip.h"
#include "tests/support/ManualClock.h"

namespace {

using testing_support::FakeStrip;
using testing_support::ManualClock;
using testing_support::ManualWallClock;

LocalMinute At(const char* text) {
    LocalMinute minute = 0;
    EXPECT_TRUE(parseLocalMinute(text, minute)) << text;
    return minute;
}

struct AirShow : ShowListener {
    AirShow() : show(strip, clock) {
        show.setWallClock(&wall);
        show.addListener(this);
    }
    void showChanged(const ShowChange& change) override {
        if (change.what == ShowChange::What::kAllRolledOut) ++rolledOut;
    }
    // The captions that enter during `moves` scroll steps, the blank one left out.
    std::wstring Passes(int moves) {
        strip.entered.clear();
        for (int i = 0; i < moves; ++i) show.laneOf(1).onScrollTick(4);
        std::wstring texts;
        for (const std::wstring& text : strip.entered) texts += text;
        return texts;
    }
    void Minutes(int minutes) {
        for (int tenth = 0; tenth < minutes * 600; ++tenth) {
            clock.advance(100);
            show.clockOf(1).onCountDownTick();
        }
    }
    // The row's state: W 予定, S shown, O 終了, - off air.
    char StateOf(int position) const {
        const ShowRow row = show.itemRow(position);
        return row.air.over ? 'O' : !row.onAir ? '-' : row.air.waiting ? 'W' : 'S';
    }

    FakeStrip strip;
    ManualClock clock;
    ManualWallClock wall;
    Show show;
    int rolledOut = 0;
};

// "A" has no window; "B" has the case's. Each phase sets the wall clock, lets monotonic minutes
// pass, then scroll steps (a caption passes in 4), and says which captions entered and where B stands.
TEST(AirTimeShow, WindowsPlaysAndTheClockDecideWhatTheCycleShows) {
    struct Phase {
        const char* wall;
        int minutes;
        int moves;
        const wchar_t* entered;
        char state;
        const char* opensAt;  // while waiting; null: not checked
    };
    const struct {
        const char* name;
        AirWindow window;
        bool withA;
        std::vector<Phase> phases;
    } cases[] = {
        {"opens later, joins at the next boundary", {"2026-12-10 18:00", "", "", "", 0}, true,
         {{"2026-12-10 17:59", 0, 16, L"AAAA", 'W', "2026-12-10 18:00"}, {"2026-12-10 18:00", 0, 16, L"BABA", 'S', nullptr}}},
        {"hours across midnight", {"", "", "22:00-02:00", "", 0}, true,
         {{"2026-12-10 21:59", 0, 8, L"AA", 'W', "2026-12-10 22:00"}, {"2026-12-10 23:30", 0, 8, L"BA", 'S', nullptr},
          {"2026-12-11 01:59", 0, 8, L"BA", 'S', nullptr}, {"2026-12-11 02:00", 0, 8, L"AA", 'W', "2026-12-11 22:00"}}},
        {"a day boundary while shown (Thursday only)", {"", "", "", "4", 0}, true,
         {{"2026-12-10 23:59", 0, 8, L"AB", 'S', nullptr}, {"2026-12-11 00:00", 0, 8, L"AA", 'W', "2026-12-17 00:00"}}},
        {"two plays, then it leaves", {"", "", "", "", 2}, true,
         {{"2026-12-10 12:00", 0, 24, L"ABABAA", 'O', nullptr}, {"2026-12-10 12:01", 0, 8, L"AA", 'O', nullptr}}},
        {"until passed while shown", {"", "2026-12-10 18:00", "", "", 0}, true,
         {{"2026-12-10 17:59", 0, 8, L"AB", 'S', nullptr}, {"2026-12-10 18:00", 0, 8, L"AA", 'O', nullptr}}},
        {"the clock stepped back and forward", {"", "", "09:00-12:00", "", 0}, true,
         {{"2026-12-10 10:00", 0, 8, L"AB", 'S', nullptr}, {"2026-12-10 08:00", 0, 8, L"AA", 'W', "2026-12-10 09:00"},
          {"2026-12-10 11:00", 0, 8, L"BA", 'S', nullptr}, {"2026-12-10 13:00", 0, 8, L"AA", 'W', "2026-12-11 09:00"}}},
        {"minutes count only while open", {"2026-12-10 18:00", "", "", "", 0}, true,
         {{"2026-12-10 17:59", 3, 0, L"", 'W', "2026-12-10 18:00"}, {"2026-12-10 18:00", 2, 0, L"", '-', nullptr}}},
        {"alone, the lane stands still until the window opens", {"2026-12-10 18:00", "", "", "", 0}, false,
         {{"2026-12-10 17:59", 0, 80, L"", 'W', "2026-12-10 18:00"}, {"2026-12-10 18:00", 0, 8, L"B", 'S', nullptr}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        AirShow air;
        air.wall.now = At(c.phases.front().wall);
        CKirunData a(L"A", 10), b(L"B", 2);
        b.m_window = c.window;
        air.show.addItem(a);
        air.show.addItem(b);
        if (c.withA) air.show.putOnAir(0);
        air.show.putOnAir(1);
        for (const Phase& phase : c.phases) {
            SCOPED_TRACE(phase.wall);
            air.wall.now = At(phase.wall);
            air.show.readWallClock();
            air.Minutes(phase.minutes);
            EXPECT_EQ(phase.entered, air.Passes(phase.moves));
            EXPECT_EQ(phase.state, air.StateOf(1));
            if (phase.opensAt) {
                EXPECT_EQ(phase.opensAt, localMinuteText(air.show.itemRow(1).air.opensAt));
            }
            if (!c.withA && phase.state == 'W') {
                EXPECT_FALSE(air.strip.moving);
            }
        }
        EXPECT_EQ(0, air.rolledOut);
    }
}

// Automatic exit waits for every caption that can still open, and counts one that never will
// as ended.
TEST(AirTimeShow, RollingEndsOnceNoArmedCaptionCanOpenAgain) {
    const struct {
        AirWindow window;
        int rolledOut;
    } cases[] = {
        {{"", "2026-12-10 09:00", "", "", 0}, 1},   // its end has passed
        {{"2026-12-10 18:00", "", "", "", 0}, 0},   // it opens later
    };
    for (const auto& c : cases) {
        AirShow air;
        air.wall.now = At("2026-12-10 12:00");
        CKirunData a(L"A", 1), b(L"B", 5);
        b.m_window = c.window;
        air.show.addItem(a);
        air.show.addItem(b);
        air.show.putOnAir(0);
        air.show.putOnAir(1);
        air.Minutes(1);
        air.Passes(100);
        air.show.readWallClock();
        air.Passes(100);
        EXPECT_EQ(c.rolledOut, air.rolledOut);
        EXPECT_EQ(c.rolledOut == 1 ? 'O' : 'W', air.StateOf(1));
    }
}

}  // namespace
