// One simulated day on air, counted in ticks rather than waited out. The control page runs for
// real over its own settings file and text file, with its caption window; the test drives the
// countdown (every tick of the day) and the scroll step (a twentieth of its ticks while captions
// are on air, every tick in the quiet part of each hour) directly. Captions go on air, are
// renewed, run out and are taken off; the appearance is applied again every five minutes; the
// watched text file changes every minute. At the end nothing the process holds may have grown.
#include <gtest/gtest.h>

#include <algorithm>

#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <iterator>
#include <memory>
#include <string>

#include "display/KirunWin.h"
#include "tests/support/StripRig.h"
#include "panel/ControlDlg.h"
#include "resource.h"
#include "tests/support/DialogDriver.h"
#include "tests/support/FileLooks.h"
#include "tests/support/GdiCount.h"
#include "tests/support/StdoutCapture.h"
#include "tests/support/TempDir.h"
#include "tests/support/PageHost.h"
#include "tests/support/PageParent.h"

using namespace testing_support;

namespace {

constexpr int kMinutesPerHour = 60;
constexpr int kHours = 24;
constexpr int kBusyMinutesPerHour = 50;   // then ten quiet minutes: everything runs out
constexpr int kScrollEvery = 10;          // countdown ticks per scroll tick while busy (1/20)
constexpr int kScrollTicksPerTenth = 2;   // the real rate: 50 ms against 100 ms
constexpr int kRelayoutEvery = 5;         // minutes

// Captions of the list: text and minutes. Item 4 never runs out (0 minutes).
const struct {
    const char* text;
    int minutes;
} kItems[] = {
    {"朝のお知らせ：本日は晴れのち曇り", 1},
    {"交通情報　国道一号線は渋滞しています", 2},
    {"Short", 3},
    {"長いキルンのテキストです。スクロールしながら何度も繰り返し表示されます。&記号も", 5},
    {"ずっと表示", 0},
    {"七分ごと", 1},
};
constexpr int kForever = 4;
constexpr int kEverySeven = 5;


BOOL CALLBACK CountOne(HWND, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

BOOL CALLBACK CountWithDescendants(HWND hwnd, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    EnumChildWindows(hwnd, CountOne, count);  // every descendant, once each
    return TRUE;
}

// Windows of this thread, top-level and child.
int CountWindows() {
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountWithDescendants, reinterpret_cast<LPARAM>(&count));
    return count;
}


struct Holdings {
    int gdiObjects = 0;
    int userObjects = 0;  // 0 where the system does not count them; windows are counted apart
    int windows = 0;
    int handles = 0;

    static Holdings Now() {
        Holdings h;
        h.gdiObjects = CountGdiObjects();
        h.userObjects = static_cast<int>(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS));
        h.windows = CountWindows();
        h.handles = CountHandles();
        return h;
    }
};


class OneDay : public ::testing::Test {
protected:
    // The page's timers and the strip's are stopped: the day ticks them itself.
    void SetUp() override {
        std::vector<testing_support::SettingsItem> items;
        for (const auto& item : kItems) items.push_back({item.text, item.minutes});
        ASSERT_TRUE(host.Open(testing_support::SettingsText(
            items, "", "[FILE]\r\nEXEC=1\r\nMINUTE=1\r\nPATH=" + news + "\r\n")));
        page = host.page();
        strip = host.host()->strips().first()->Hwnd();
        CheckTextFileNow(*page);  // no file yet: a zero baseline
    }

    void Press(int id) { PressButton(*page, id); }
    void PressOnRow(int row, int id) { PressButtonOnRow(*page, row, id); }

    // What the operator, the file and the appearance do at the start of minute `m`.
    void StartMinute(int m) {
        const int minuteOfHour = m % kMinutesPerHour;
        if (minuteOfHour < kBusyMinutesPerHour) {
            ASSERT_TRUE(WriteFileAtMinute(news, "ニュース " + std::to_string(m) + "\r\n二行目\r\n", m + 1));
            CheckTextFileNow(*page);
            page->putOnAir(m % 4);  // on air, or renewed while still on air
            if (m % 7 == 0) page->putOnAir(kEverySeven);
            if (minuteOfHour == 0) PressOnRow(kForever, IDC_ADD_TO_CAPTION);
            if (minuteOfHour == 30) PressOnRow(kForever, IDC_REMOVE_FROM_DISPLAY);
            if (minuteOfHour == 20) Press(IDC_DISPLAY_OFF);
            if (minuteOfHour == 25) Press(IDC_DISPLAY_ON);
        }
        if (m % kRelayoutEvery == 2) {
            const int step = m / kRelayoutEvery;
            page->controller().appearance().pos = step % 2;
            page->controller().appearance().sizeChoice = step % 3;
            page->controller().appearance().colorChoice = step % 5;
            page->controller().appearance().deltaX = 1 + step % 4;
            page->controller().appearance().gap = step % 7;
            page->applyAppearance();  // lays the strip out again
        }
    }

    // Six hundred tenths of a second, with the scroll ticks and paints that go with them.
    void RunMinute(int m) {
        const bool busy = m % kMinutesPerHour < kBusyMinutesPerHour;
        AppHost& program = *host.host();
        for (int tenth = 0; tenth < testing_support::kTenthsPerMinute; ++tenth) {
            if (busy) {
                if (tenth % kScrollEvery == 0) testing_support::ScrollTick(program);
            } else {
                for (int i = 0; i < kScrollTicksPerTenth; ++i) testing_support::ScrollTick(program);
            }
            testing_support::CountDown(program);
        }
        SendMessageA(strip, WM_TIMER, CKirunWin::kLayeredTimer, 0);
        // The strip's paints, and no timer: the real ones would tick the day a second time.
        MSG msg;
        for (int i = 0; i < 100 && PeekMessageA(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE); ++i)
            DispatchMessageA(&msg);
    }

    testing_support::PageHost host;
    std::string news = host.dir().file("news.txt");
    HWND strip = nullptr;
    CControlDlg* page = nullptr;  // the host's page
};

int Occurrences(const std::string& text, const std::string& what) {
    int n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + what.size())) ++n;
    return n;
}

TEST_F(OneDay, NothingGrowsOverADayOfRolling) {
    MessageBoxRecorder boxes;  // none is expected; recorded so that none would block the day
    Holdings afterFirstMinute;
    Holdings atEnd;
    SIZE_T firstMinuteBytes = 0;
    // Private bytes swing by some 200 KiB from minute to minute as the heap grows and shrinks
    // with the strip's layouts: the peaks of the second and the last quarter of the day are
    // compared, not two readings that may fall anywhere in the swing.
    SIZE_T secondQuarterPeak = 0;
    SIZE_T lastQuarterPeak = 0;
    SIZE_T endBytes = 0;
    int quietEndsSeen = 0;
    std::string printed;
    {
        StdoutCapture out;  // nothing may be asserted while standard output is captured
        for (int m = 0; m < kHours * kMinutesPerHour; ++m) {
            StartMinute(m);
            RunMinute(m);
            if (m == 0) {
                afterFirstMinute = Holdings::Now();
                firstMinuteBytes = PrivateBytes();
            }
            const int quarter = m / (kHours * kMinutesPerHour / 4);
            if (quarter == 1) secondQuarterPeak = std::max(secondQuarterPeak, PrivateBytes());
            if (quarter == 3) lastQuarterPeak = std::max(lastQuarterPeak, PrivateBytes());
            if (m % kMinutesPerHour == kMinutesPerHour - 1 && !testing_support::Rolling(*host.host()) &&
                host.host()->show().laneOf(1).schedule().empty())
                ++quietEndsSeen;
        }
        // Counted before the capture ends: its file handle and the text read from it are no
        // part of the day.
        atEnd = Holdings::Now();
        endBytes = PrivateBytes();
        printed = out.text();
    }
    std::printf("private bytes: after the first minute %lu, peak of the second quarter %lu, of the last %lu, at the end %lu\n",
                static_cast<unsigned long>(firstMinuteBytes), static_cast<unsigned long>(secondQuarterPeak),
                static_cast<unsigned long>(lastQuarterPeak), static_cast<unsigned long>(endBytes));
    std::printf("GDI objects %d, USER objects %d, windows %d, handles %d\n", atEnd.gdiObjects,
                atEnd.userObjects, atEnd.windows, atEnd.handles);

    // Every hour ended quiet, with rolling stopped and reported once.
    EXPECT_EQ(kHours, quietEndsSeen);
    EXPECT_EQ(kHours, Occurrences(printed, "ALL ROLL END\n"));
    EXPECT_TRUE(boxes.texts().empty());
    for (size_t i = 0; i < std::size(kItems); ++i)
        EXPECT_FALSE(page->controller().onAir(static_cast<int>(i))) << "item " << i;

    ASSERT_GT(afterFirstMinute.gdiObjects, 0);
    EXPECT_EQ(afterFirstMinute.gdiObjects, atEnd.gdiObjects);
    EXPECT_EQ(afterFirstMinute.userObjects, atEnd.userObjects);
    EXPECT_EQ(afterFirstMinute.windows, atEnd.windows);
    EXPECT_EQ(afterFirstMinute.handles, atEnd.handles);
    // Wine fills caches of its own in the first hour (fonts of each size among them), so memory
    // is held from the second quarter of the day to the last, within a small allowance for the
    // heap's own bookkeeping: a leak of one byte per countdown tick, or of a few dozen per caption
    // put on air, would exceed it many times over.
    EXPECT_LE(lastQuarterPeak, secondQuarterPeak + 32 * 1024);
}

}  // namespace
