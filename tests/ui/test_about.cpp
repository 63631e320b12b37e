// The about box as the system menu opens it: the version line from the program's own version
// resource, OK closing it, and the main window going on unchanged.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "KirunnerProcess.h"
#include "TempDir.h"
#include "resource.h"

using namespace testing_support;

namespace {

const DWORD kTimeout = 20000;
const char kAboutTitle[] = "Kirunnerのﾊﾞｰｼﾞｮﾝ情報";

TEST(About, SystemMenuCommandShowsTheVersionAndOkClosesIt) {
    TempDir dir;
    KirunnerProcess program;
    ASSERT_TRUE(program.Start(dir.path()));
    HWND main = program.MainWindow(kTimeout);
    ASSERT_TRUE(main);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(main) != FALSE; }, kTimeout));

    // Twice: the second box shows the line that the first one computed.
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        PostMessageA(main, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
        HWND about = program.WaitForDialog(kAboutTitle, kTimeout);
        ASSERT_TRUE(about);
        EXPECT_EQ("Kirunner Ver.:1- 0- 1- 115", WindowText(GetDlgItem(about, IDC_VERSION_TEXT)));
        PostClick(about, IDOK);
        EXPECT_TRUE(WaitForGone(about));
        EXPECT_TRUE(IsWindowVisible(main));
    }

    // The low four bits of the command do not matter.
    PostMessageA(main, WM_SYSCOMMAND, IDM_ABOUTBOX | 0x3, 0);
    HWND about = program.WaitForDialog(kAboutTitle, kTimeout);
    ASSERT_TRUE(about);
    PostMessageA(about, WM_COMMAND, IDCANCEL, 0);  // Escape
    EXPECT_TRUE(WaitForGone(about));

    EXPECT_TRUE(program.Running());
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.WaitForExit(kTimeout));
}

}  // namespace
