// What is on air is what the page shows: a caption of an hour and more counts down in hours,
// and a cut-in and a free text handed over by a second copy of the program each get a row with
// their time left, and leave the air and the page with 表示から削除.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "KirunnerProcess.h"
#include "OperatorDesk.h"
#include "PageParent.h"
#include "TempDir.h"
#include "resource.h"

using namespace testing_support;

namespace {

const DWORD kTimeout = kDeskTimeout;
const char kOnAir[] = "表示中";

TEST(OnAir, CutInAndFreeTextHaveRowsWithTheirTimeLeftAndLeaveWithRemoveFromDisplay) {
    TempDir dir;
    ASSERT_TRUE(WriteFileBytes(dir.file("Kirunner.ini"), SettingsText({{"ONE", 100}, {"TWO", 5}})));
    Desk desk(dir.path());
    ASSERT_TRUE(desk.ready());

    desk.clickOnRow(0, IDC_ADD_TO_CAPTION);
    std::string hours;
    ASSERT_TRUE(WaitUntil([&] { return SecondsLeftIn(hours = desk.cell(0, 4)) >= 0; }, kTimeout)) << hours;
    EXPECT_EQ(0u, hours.rfind("1:", 0)) << hours;
    EXPECT_EQ(7u, hours.size()) << "a caption of 100 minutes counts down as H:MM:SS: " << hours;
    EXPECT_GT(SecondsLeftIn(hours), 99 * 60);
    EXPECT_LE(SecondsLeftIn(hours), 100 * 60);

    ASSERT_EQ(0, desk.command("-I割り込みです -M2"));
    ASSERT_EQ(0, desk.command("-Aテキストです -M3"));
    EXPECT_TRUE(desk.waitForRows({{"1", "100", kOnAir, "ONE"},
                                  {"2", "5", "------", "TWO"},
                                  {"割り込み", "2", kOnAir, "割り込みです"},
                                  {"テキスト", "3", kOnAir, "テキストです"}}))
        << desk.rows().size();
    const struct {
        int row;
        int most;  // seconds
    } times[] = {{2, 120}, {3, 180}};
    for (const auto& t : times) {
        std::string cell;
        EXPECT_TRUE(WaitUntil([&] { return SecondsLeftIn(cell = desk.cell(t.row, 4)) > 0; }, kTimeout)) << cell;
        EXPECT_LE(SecondsLeftIn(cell), t.most);
        EXPECT_GT(SecondsLeftIn(cell), t.most - 60);
    }

    // 表示から削除 on the cut-in's row ends it, and on the free text's row takes that off air.
    desk.clickOnRow(2, IDC_REMOVE_FROM_DISPLAY);
    EXPECT_TRUE(desk.waitForRows({{"1", "100", kOnAir, "ONE"},
                                  {"2", "5", "------", "TWO"},
                                  {"テキスト", "3", kOnAir, "テキストです"}}));
    desk.clickOnRow(2, IDC_REMOVE_FROM_DISPLAY);
    EXPECT_TRUE(desk.waitForRows({{"1", "100", kOnAir, "ONE"}, {"2", "5", "------", "TWO"}}));
    EXPECT_EQ(0, desk.command("-Aまた -M1"));
    EXPECT_TRUE(WaitUntil([&] { return desk.cell(2, 0) == "テキスト"; }, kTimeout)) << "a new free text has its row again";
}

}  // namespace
