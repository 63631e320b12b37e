// Two lanes as an operator runs them: one along the top and one along the bottom, each with its
// own captions, colour and speed; a cut-in and 表示OFF on one leave the other rolling, commands
// name their lane and a lane there is not is refused.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "KirunnerProcess.h"
#include "PageParent.h"
#include "StripMotion.h"
#include "TempDir.h"
#include "model/StartupState.h"
#include "resource.h"

using namespace testing_support;

namespace {

const DWORD kTimeout = 20000;
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kRed = RGB(255, 0, 0);

// Lane 1 white and slow along the top, lane 2 red and fast along the bottom, one caption each.
const char kTwoLanes[] =
    "[SYSTEM]\r\nCOLOR=0\r\nPOS=0\r\nDELTAX=1\r\nLANECOUNT=2\r\nITEMCOUNT=2\r\n"
    "[ITEM0]\r\nMINUTE=5\r\nSTRINGS=" /* "LANE ONE LANE ONE LANE ONE" */
    "4C414E45204F4E45204C414E45204F4E45204C414E45204F4E45\r\n"
    "[ITEM1]\r\nMINUTE=5\r\nSTRINGS=" /* "LANE TWO LANE TWO LANE TWO" */
    "4C414E452054574F204C414E452054574F204C414E452054574F\r\nLANE=2\r\n"
    "[LANE2]\r\nCOLOR=3\r\nPOS=1\r\nDELTAX=4\r\n";

long RunToEnd(const std::string& folder, const std::string& arguments) {
    KirunnerProcess program;
    if (!program.StartProgram(folder + "\\Kirunner.exe", arguments)) return -2;
    if (!program.WaitForExit(kTimeout)) return -1;
    return static_cast<long>(program.ExitCode());
}

class Lanes : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(WriteFileBytes(dir.file("Kirunner.ini"), kTwoLanes));
        ASSERT_TRUE(program.Start(dir.path()));
        main = program.MainWindow(kTimeout);
        ASSERT_TRUE(main);
        page = ControlPage(main);
        ASSERT_TRUE(WaitUntil([&] { return (top = Strip(true)) && (bottom = Strip(false)); }, kTimeout))
            << "no strip along the top and one along the bottom";
    }
    // The layered strip whose top is the screen's top (or whose bottom is the screen's bottom).
    HWND Strip(bool atTop) const {
        const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
        for (HWND hwnd : program.TopWindows()) {
            RECT r{};
            if (!(GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_LAYERED) || !GetWindowRect(hwnd, &r)) continue;
            if (atTop ? r.top == 0 : r.bottom == screenHeight) return hwnd;
        }
        return nullptr;
    }
    // Selects the row and clicks the button; done once the row's state is `state`.
    bool Click(int row, int button, const char* state) const {
        SelectListRow(GetDlgItem(page, IDC_CAPTION_LIST), row);
        PostClick(page, button);
        return WaitUntil([&] { return CaptionStates(main).at(static_cast<size_t>(row)) == state; }, kTimeout);
    }
    // Columns the strip's text moved on over `ms`.
    static int Moved(HWND strip, COLORREF colour, DWORD ms) {
        const PixelImage before = CaptureWindow(strip);
        Sleep(ms);
        return ScrolledOn(before, CaptureWindow(strip), colour, 200, 4);
    }

    TempDir dir;
    KirunnerProcess program;
    HWND main = nullptr, page = nullptr, top = nullptr, bottom = nullptr;
};

TEST_F(Lanes, EachLaneRollsItsOwnCaptionsAndAnswersForItselfAlone) {
    ASSERT_TRUE(Click(0, IDC_ADD_TO_CAPTION, "表示中") && Click(1, IDC_ADD_TO_CAPTION, "表示中"));
    ASSERT_TRUE(WaitUntil([&] { return CaptureWindow(top).count(kWhite) > 0 && CaptureWindow(bottom).count(kRed) > 0; }, kTimeout))
        << "each lane's caption in its own colour on its own strip";
    EXPECT_EQ(0, CaptureWindow(top).count(kRed)) << "lane 2's caption on lane 1's strip";
    EXPECT_EQ(0, CaptureWindow(bottom).count(kWhite)) << "lane 1's caption on lane 2's strip";
    const int slow = Moved(top, kWhite, 500), fast = Moved(bottom, kRed, 500);
    EXPECT_GT(slow, 0) << "lane 1 stands still";
    EXPECT_GT(fast, 2 * slow) << "lane 2 moves at four pixels a step, lane 1 at one";

    // A cut-in on lane 2 alone: lane 1 rolls on with its caption.
    EXPECT_EQ(kExitNormal, RunToEnd(dir.path(), "-L2 -ICUT"));
    EXPECT_GT(Moved(top, kWhite, 500), 0) << "lane 1 stopped for lane 2's cut-in";
    std::vector<std::vector<std::string>> rows;
    ASSERT_TRUE(WaitUntil([&] { return (rows = ReadListView(GetDlgItem(page, IDC_CAPTION_LIST), 6)).size() == 3; }, kTimeout));
    EXPECT_EQ((std::vector<std::string>{"割り込み", "表示中", "CUT", "2"}),
              (std::vector<std::string>{rows[2][0], rows[2][2], rows[2][3], rows[2][5]}))
        << "the cut-in's row names its lane in the レーン column";

    // 表示OFF on a row of lane 2 hides lane 2 only.
    SelectListRow(GetDlgItem(page, IDC_CAPTION_LIST), 1);
    PostClick(page, IDC_DISPLAY_OFF);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(bottom); }, kTimeout)) << "lane 2 still shown";
    EXPECT_TRUE(IsWindowVisible(top)) << "lane 1 hidden with lane 2";

    // A lane there is not is a missing entry; clear with no lane clears every lane.
    EXPECT_EQ(kExitNoSuchItem, RunToEnd(dir.path(), "-L3 -Ax"));
    EXPECT_EQ(kExitNormal, RunToEnd(dir.path(), "-X"));
    EXPECT_TRUE(WaitUntil([&] { return CaptionStates(main) == std::vector<std::string>{"------", "------"}; }, kTimeout));
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.WaitForExit(kTimeout));
}

}  // namespace
