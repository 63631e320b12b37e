// Alert sources as an operator uses them: an Atom feed in the weather service's form and a CAP
// 1.2 alert, served by a server on 127.0.0.1 started by the test and looked at every 10 seconds.
// What is there at switch-on never cuts in; a new entry that passes MATCH and AREA cuts in
// within one look, with its minutes as its time left, and a second one follows it; an entry that
// does not pass never shows; the same entries at the next look do not cut in again, and an entry
// rewritten under its id with a new title cuts in once more.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "FeedDocuments.h"
#include "FeedServer.h"
#include "OperatorDesk.h"
#include "TempDir.h"
#include "framework/Mbcs.h"
#include "resource.h"

using namespace testing_support;

namespace {

const DWORD kTimeout = kDeskTimeout;
const DWORD kLook = 25000;  // one look of REFRESH=10 and then some, on a busy machine

const AlertEntry kOld{"old", "気象警報・注意報", "東京管区気象台", "東京地方では、強風に注意してください。"};
const AlertEntry kNew{"new", "気象警報・注意報", "東京管区気象台", "東京地方では、大雨に警戒してください。"};
const AlertEntry kElsewhere{"osaka", "気象警報・注意報", "大阪管区気象台", "大阪地方では、大雨に警戒してください。"};
const AlertEntry kNotMatching{"forecast", "府県天気予報", "東京管区気象台", "東京地方は、晴れ。"};

// The row whose number column is `mark`; -1 when there is none.
int RowOf(const Desk& desk, const std::string& mark) {
    const Desk::Rows rows = desk.rows(1);
    for (size_t i = 0; i < rows.size(); ++i)
        if (rows[i][0] == mark) return static_cast<int>(i);
    return -1;
}

// The text of the cut-in on air, "" when none is.
std::string CutIn(const Desk& desk) {
    const int row = RowOf(desk, "割り込み");
    return row < 0 ? std::string() : desk.cell(row, 3);
}

// What the row of source `number` says (its row moves down while a cut-in has its row).
std::string Source(const Desk& desk, int number) {
    const int row = RowOf(desk, "ソース" + std::to_string(number));
    return row < 0 ? std::string() : desk.cell(row, 3);
}

bool Says(const std::string& row, const std::string& start) { return row.rfind(start, 0) == 0; }

TEST(Alerts, NewMatchingEntriesCutInOnceAndOthersNever) {
    FeedServer server(600);
    if (!server.ready()) GTEST_SKIP() << "the feed server did not start (PYTHON3, FEED_SERVER)";
    ASSERT_TRUE(server.put("alerts.xml", WeatherAtomFeed({kOld})));
    ASSERT_TRUE(server.put("cap.xml", CapAlert("cap-1", "大雨警報", "大雨警報（東京都）", "東京都に大雨警報。", "東京都")));
    TempDir dir;
    const std::string ini =
        "[SYSTEM]\r\nSOURCECOUNT=2\r\n" +
        SourceSection(0, {"EXEC=1", "NAME=気象", "URL=" + fw::CodePage932FromWide(server.http(L"/doc/alerts.xml")),
                          "REFRESH=10", "MODE=1", "MATCH=警報", "AREA=東京", "MINUTE=1"}) +
        SourceSection(1, {"EXEC=1", "NAME=CAP", "URL=" + fw::CodePage932FromWide(server.http(L"/doc/cap.xml")),
                          "FORMAT=cap", "REFRESH=10", "MODE=1", "MATCH=警報", "MINUTE=2"});
    ASSERT_TRUE(WriteFileBytes(dir.file("Kirunner.ini"), ini));
    Desk desk(dir.path());
    ASSERT_TRUE(desk.ready());

    // The first look is the baseline: both rows say what they read, and nothing cuts in, up to
    // and after the next look.
    EXPECT_TRUE(WaitUntil([&] { return Says(Source(desk, 1), "気象　1件 ") && Says(Source(desk, 2), "CAP　1件 "); }, kTimeout))
        << Source(desk, 1) << " / " << Source(desk, 2);
    EXPECT_EQ("監視中", desk.cell(RowOf(desk, "ソース1"), 2));
    const std::string firstLook = Source(desk, 1);
    EXPECT_TRUE(WaitUntil([&] { return Source(desk, 1) != firstLook; }, kLook)) << "a second look";
    EXPECT_EQ("", CutIn(desk)) << "entries there at switch-on never cut in";

    // New entries: one of each source passes, the others do not.
    ASSERT_TRUE(server.put("alerts.xml", WeatherAtomFeed({kNotMatching, kElsewhere, kNew, kOld})));
    ASSERT_TRUE(server.put("cap.xml", CapAlert("cap-2", "大雨警報", "大雨警報（東京都）", "東京都に大雨警報が発表されました。", "東京都")));
    const std::string fromAtom = "気象警報・注意報：東京地方では、大雨に警戒してください。";
    const std::string fromCap = "大雨警報（東京都）：東京都に大雨警報が発表されました。";
    std::string first;
    ASSERT_TRUE(WaitUntil([&] { return !(first = CutIn(desk)).empty(); }, kLook)) << "within one look";
    EXPECT_TRUE(first == fromAtom || first == fromCap) << first;
    const int row = RowOf(desk, "割り込み");
    const int secondsLeft = SecondsLeftIn(desk.cell(row, 4));
    EXPECT_GT(secondsLeft, 0);
    EXPECT_LE(secondsLeft, first == fromAtom ? 60 : 120) << "its MINUTE";
    EXPECT_TRUE(WaitUntil([&] { return Says(Source(desk, 1), "気象　4件 "); }, kLook)) << Source(desk, 1);

    // The cut-in taken off with 表示から削除: the other one follows at once, then none.
    std::string second;
    for (const std::string& expected : {first, first == fromAtom ? fromCap : fromAtom}) {
        ASSERT_TRUE(WaitUntil([&] { return !(second = CutIn(desk)).empty(); }, kLook));
        EXPECT_EQ(expected, second);
        desk.clickOnRow(RowOf(desk, "割り込み"), IDC_REMOVE_FROM_DISPLAY);
        EXPECT_TRUE(WaitUntil([&] { return CutIn(desk) != expected; }, kTimeout));
    }
    // The next looks bring the same entries: nothing cuts in again, the others never did.
    const std::string lastLook = Source(desk, 1);
    for (DWORD start = GetTickCount(); GetTickCount() - start < kLook && Source(desk, 1) == lastLook; Sleep(200))
        EXPECT_EQ("", CutIn(desk));
    EXPECT_NE(lastLook, Source(desk, 1)) << "a look was made";
    Sleep(1000);
    EXPECT_EQ("", CutIn(desk));

    // The new entry rewritten under its id with a new title: it cuts in again.
    const AlertEntry kRewritten{kNew.id, "気象特別警報", kNew.office, kNew.content};
    ASSERT_TRUE(server.put("alerts.xml", WeatherAtomFeed({kNotMatching, kElsewhere, kRewritten, kOld})));
    std::string rewritten;
    EXPECT_TRUE(WaitUntil([&] { return !(rewritten = CutIn(desk)).empty(); }, kLook)) << "within one look";
    EXPECT_EQ("気象特別警報：東京地方では、大雨に警戒してください。", rewritten);
}

}  // namespace
