// Captions' time on air, worked from outside as a person at the PC works them, with windows set
// relative to the present minute: the settings file keeps the item keys through the page's saves
// and brings them back after a restart, where the page says 予定 and when a waiting caption
// opens, the plays left and 終了; the list's CSV carries the windows out and back into an empty
// list; and a batch run whose captions are all armed ends by itself once the last of them can
// no longer open.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "FeedDocuments.h"
#include "KirunnerProcess.h"
#include "LocalMinutes.h"
#include "OperatorDesk.h"
#include "PageParent.h"
#include "TempDir.h"
#include "resource.h"

using namespace testing_support;

namespace {

const DWORD kTimeout = kDeskTimeout;
// Two passes of the long caption, the end of a minute and a scroll-off, on a busy machine.
const DWORD kAirTimeout = 180000;
const long long kDay = 24 * 60;

const char kOnAir[] = "表示中";
const char kWaiting[] = "予定";
const char kOver[] = "終了";
const char kWaits[] = "予定のキルン";
const char kOnItsDay[] = "曜日のキルン";
const char kEnds[] = "終わるキルン";
const char kPlain[] = "ふつうのキルン";

// Long enough that its first pass lasts a while on the strip.
std::string TwoPlays() {
    std::string text;
    for (int i = 0; i < 16; ++i) text += "二回流れるキルンです。";
    return text;
}

// The list of the tests, its windows relative to `now`, in a file as the program saves it:
// one caption waits for a date, one for a weekday's hours that cross midnight, one plays twice,
// one ends at the next minute (on every weekday), and one has no time on air.
std::string AirSettings(const LocalMinutes& now) {
    const std::string day = std::to_string(now.plus(2 * kDay).weekday());
    return SettingsText({{kWaits, 5, "FROM=" + now.plus(30).text() + "\r\nUNTIL=" + now.plus(3 * kDay).text() + "\r\n"},
                         {kOnItsDay, 5, "HOURS=22:00-02:00\r\nDAYS=" + day + "\r\n"},
                         {TwoPlays(), 5, "PLAYS=2\r\n"},
                         {kEnds, 5, "UNTIL=" + now.plus(1).text() + "\r\nDAYS=1234567\r\n"},
                         {kPlain, 5}},
                        kDefaultSystemKeys, kDefaultFileSection);
}

// The time left cell of a caption waiting for `opens`: the time alone today, the day before it on another.
std::string OpensText(const LocalMinutes& opens) {
    const bool today = opens.text().substr(0, 10) == LocalMinutes::Now(0).text().substr(0, 10);
    return (today ? "" : opens.monthDay() + " ") + opens.text().substr(11) + "から";
}

bool Closed(Desk& desk) {
    PostMessageA(desk.main, WM_CLOSE, 0, 0);
    return desk.program.WaitForExit(kTimeout);
}

TEST(AirTime, TheSettingsFileKeepsItThroughSavesAndTheRestartedPageSaysIt) {
    // Room for two saves and a restart before the next minute ends a caption.
    const LocalMinutes now = LocalMinutes::Now(45);
    TempDir dir;
    const std::string ini = dir.file("Kirunner.ini");
    const std::string settings = AirSettings(now);
    ASSERT_TRUE(WriteFileBytes(ini, settings));
    {
        Desk desk(dir.path());
        ASSERT_TRUE(desk.ready());
        // An edit of the first caption's minutes and its undoing: two saves, the last giving the
        // file back byte for byte, windows and all.
        for (const char* minutes : {"6", "5"}) {
            desk.clickOnRow(0, IDC_CHANGE_TEXT);
            ASSERT_TRUE(desk.enterCaption(kWaits, minutes, kChangeTextTitle));
            const std::string saved = std::string("[ITEM0]\r\nMINUTE=") + minutes + "\r\n";
            EXPECT_TRUE(WaitUntil([&] { return ReadFileBytes(ini).find(saved) != std::string::npos; }, kTimeout));
        }
        EXPECT_EQ(settings, ReadFileBytes(ini));
        ASSERT_TRUE(Closed(desk));
    }
    EXPECT_EQ(settings, ReadFileBytes(ini));

    Desk desk(dir.path());
    ASSERT_TRUE(desk.ready());
    for (int row : {2, 3, 4, 0, 1}) {
        desk.clickOnRow(row, IDC_ADD_TO_CAPTION);
        EXPECT_TRUE(WaitUntil([&] { return desk.cell(row, 2) != "------"; }, kTimeout)) << row;
    }
    // The waiting captions and the one without a window say the same all along; the others
    // pass through their plays and their end.
    const std::string weekdayOpens = now.plus(2 * kDay).monthDay() + " 22:00から";
    Desk::Rows rows;
    const auto shown = [&](const std::function<bool()>& moving) {
        return WaitUntil([&] {
            rows = desk.rows(5);
            return rows.size() == 5 && rows[0][2] == kWaiting && rows[0][4] == OpensText(now.plus(30)) &&
                   rows[1][2] == kWaiting && rows[1][4] == weekdayOpens && rows[4][2] == kOnAir &&
                   SecondsLeftIn(rows[4][4]) > 0 && moving();
        }, kAirTimeout, 100);
    };
    ASSERT_TRUE(shown([&] {
        return rows[2][2] == kOnAir && rows[2][4] == "残り2回" && rows[3][2] == kOnAir && SecondsLeftIn(rows[3][4]) > 0;
    })) << rows.size();
    EXPECT_TRUE(shown([&] { return rows[2][2] == kOnAir && rows[2][4] == "残り1回"; })) << rows[2][2] << " " << rows[2][4];
    // The long caption's second pass and the other's minute over, both leave by themselves.
    EXPECT_TRUE(shown([&] {
        return rows[2][2] == kOver && rows[2][4].empty() && rows[3][2] == kOver && rows[3][4].empty();
    })) << rows[2][2] << rows[2][4] << " " << rows[3][2] << rows[3][4];
    EXPECT_EQ(settings, ReadFileBytes(ini)) << "going on and off air saves nothing";
}

TEST(AirTime, TheListsCsvCarriesItIntoAnEmptyList) {
    const LocalMinutes now = LocalMinutes::Now();
    TempDir dir, empty;
    const std::string settings = AirSettings(now);
    ASSERT_TRUE(WriteFileBytes(dir.file("Kirunner.ini"), settings));
    const std::string csv = dir.file("list.csv");
    Desk::Rows list;
    {
        Desk desk(dir.path());
        ASSERT_TRUE(desk.ready());
        list = desk.rows();
        ASSERT_EQ(5u, list.size());
        ASSERT_TRUE(desk.chooseFile(ID_CSV_EXPORT, csv));
        EXPECT_TRUE(WaitUntil([&] { return FileExists(csv); }, kTimeout));
        ASSERT_TRUE(Closed(desk));
    }
    // The columns' form is the CSV writer's own test's; here they come with the windows.
    EXPECT_EQ(0u, ReadFileBytes(csv).find("\xEF\xBB\xBF" + Utf8("テキスト,分,開始,終了,時間帯,曜日,回数\r\n")));

    // Read into the empty list of a program that has no settings file yet: the list it saves is
    // the one written out.
    Desk desk(empty.path());
    ASSERT_TRUE(desk.ready());
    ASSERT_TRUE(desk.chooseFile(ID_CSV_IMPORT, csv));
    desk.answerMessage(IDYES);
    EXPECT_TRUE(desk.waitForRows(list));
    EXPECT_TRUE(WaitUntil([&] { return ReadFileBytes(empty.file("Kirunner.ini")) == settings; }, kTimeout))
        << ReadFileBytes(empty.file("Kirunner.ini"));
}

TEST(AirTime, ABatchRunOfArmedCaptionsEndsOnceTheLastCanNoLongerOpen) {
    const LocalMinutes now = LocalMinutes::Now();
    const LocalMinutes until = now.plus(1);
    TempDir dir;
    // A strip 520 pixels wide that scrolls 4 pixels a tick, so that the last pass leaves it soon.
    const std::vector<SettingsItem> armed = {{kEnds, 60, "UNTIL=" + until.text() + "\r\n"}, {"一回のキルン", 60, "PLAYS=1\r\n"}};
    ASSERT_TRUE(WriteFileBytes(dir.file("Kirunner.ini"), SettingsText(armed, "LGAP=1400\r\nDELTAX=4\r\n")));
    KirunnerProcess batch;
    ASSERT_TRUE(batch.Start(dir.path(), "-T1 -T2"));
    HWND main = batch.MainWindow(kTimeout);
    ASSERT_TRUE(main);
    HWND list = GetDlgItem(ControlPage(main), IDC_CAPTION_LIST);

    // The one play is over first; the program runs on while the other caption's end lies ahead.
    Desk::Rows rows;
    EXPECT_TRUE(WaitUntil([&] {
        rows = ReadListView(list, 3);
        return rows.size() == 2 && rows[1][2] == kOver;
    }, kTimeout)) << rows.size();
    const bool running = batch.Running();
    EXPECT_TRUE(running || LocalMinutes::Now(0).minute >= until.minute) << "ended while a caption could still be shown";

    EXPECT_TRUE(batch.WaitForExit(kAirTimeout));
    EXPECT_EQ(0u, batch.ExitCode()) << "ended by itself, not killed and not crashed";
}

}  // namespace
