// The one scenario that waits out a real display minute. Three programs share it, each with a
// one-minute caption on a strip of its own:
// - batch mode ("-T"): the main window never shows, the caption rolls, the program ends itself;
// - automatic exit ticked by hand: the program ends itself once the caption has scrolled off;
// - automatic exit ticked and unticked again: the end is reported, the program keeps running.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "KirunnerProcess.h"
#include "TempDir.h"
#include "resource.h"
#include "PageParent.h"

using namespace testing_support;

namespace {

const DWORD kStartTimeout = 20000;
// One display minute plus the scroll-off, with room for a busy machine.
const DWORD kRollTimeout = 240000;
const COLORREF kWhite = RGB(255, 255, 255);

// One caption of one minute ("バッチ"), on a strip 520 pixels wide that scrolls 4 pixels a
// tick, so that the last pass leaves it soon; `placement` puts the strips apart.
void WriteOneMinuteCaption(const std::string& folder, const std::string& placement) {
    WriteFileBytes(folder + "\\Kirunner.ini",
                   SettingsText({{"\x83\x6f\x83\x62\x83\x60", 1}}, "LGAP=1400\r\nDELTAX=4\r\n" + placement));
}

std::string RowState(HWND main) {
    auto rows = ReadListView(GetDlgItem(ControlPage(main), IDC_CAPTION_LIST), 4);
    return rows.empty() ? "(no row)" : rows[0][2];
}

// A shown program: puts row 1 on air and clicks the auto-exit box `clicks` times.
HWND PutOnAirWithAutoExitClicks(const KirunnerProcess& program, int clicks) {
    HWND main = program.MainWindow(kStartTimeout);
    if (!main || !WaitUntil([&] { return IsWindowVisible(main) != FALSE; }, kStartTimeout)) return nullptr;
    for (int i = 0; i < clicks; ++i) {
        LRESULT before = SendMessageA(GetDlgItem(main, IDC_AUTO_EXIT), BM_GETCHECK, 0, 0);
        PostClick(main, IDC_AUTO_EXIT);
        WaitUntil([&] { return SendMessageA(GetDlgItem(main, IDC_AUTO_EXIT), BM_GETCHECK, 0, 0) != before; },
                  kStartTimeout);
    }
    SelectListRow(GetDlgItem(ControlPage(main), IDC_CAPTION_LIST), 0);
    PostClick(ControlPage(main), IDC_ADD_TO_CAPTION);
    WaitUntil([&] { return RowState(main) == "表示中"; }, kStartTimeout);
    return main;
}

TEST(Batch, ProgramsEndByThemselvesAfterTheLastCaptionUnlessAutoExitIsOff) {
    TempDir batchDir, autoDir, manualDir;
    WriteOneMinuteCaption(batchDir.path(), "POS=0\r\n");
    WriteOneMinuteCaption(autoDir.path(), "POS=1\r\n");
    WriteOneMinuteCaption(manualDir.path(), "POS=0\r\nGAP=200\r\n");

    // 9 names no caption and is skipped; the second 1 renews the first.
    KirunnerProcess batch, autoExit, manual;
    ASSERT_TRUE(batch.Start(batchDir.path(), "-T9 -T1 -T1"));
    HWND batchMain = batch.MainWindow(kStartTimeout);
    HWND batchStrip = batch.StripWindow(kStartTimeout);
    ASSERT_TRUE(batchMain);
    ASSERT_TRUE(batchStrip);

    // Through the whole run no window of the batch program but its strip is seen.
    bool batchWindowSeen = false;
    auto watchBatch = [&] {
        if (IsWindowVisible(batchMain) || IsWindowVisible(ControlPage(batchMain))) batchWindowSeen = true;
    };

    // The batch caption rolls: it enters at the right and moves left. (Seen on its first pass:
    // later the one caption follows itself round and round and fills the strip.)
    int entered = -1, later = -1;
    EXPECT_TRUE(WaitUntil([&] {
        watchBatch();
        return (entered = CaptureWindow(batchStrip).firstColumnWith(kWhite)) >= 0;
    }, kStartTimeout));
    EXPECT_TRUE(WaitUntil([&] {
        watchBatch();
        later = CaptureWindow(batchStrip).firstColumnWith(kWhite);
        return later >= 0 && later < entered - 8;
    }, kStartTimeout)) << entered << " " << later;

    ASSERT_TRUE(autoExit.Start(autoDir.path()));
    ASSERT_TRUE(manual.Start(manualDir.path(), "-D586"));

    // Ticked while nothing rolls: nothing happens until the caption has rolled.
    HWND autoMain = PutOnAirWithAutoExitClicks(autoExit, 1);
    ASSERT_TRUE(autoMain);
    EXPECT_TRUE(autoExit.Running());
    EXPECT_EQ(BST_CHECKED, SendMessageA(GetDlgItem(autoMain, IDC_AUTO_EXIT), BM_GETCHECK, 0, 0));
    HWND manualMain = PutOnAirWithAutoExitClicks(manual, 2);
    ASSERT_TRUE(manualMain);
    EXPECT_EQ(BST_UNCHECKED, SendMessageA(GetDlgItem(manualMain, IDC_AUTO_EXIT), BM_GETCHECK, 0, 0));
    EXPECT_EQ("表示中", RowState(manualMain));

    EXPECT_TRUE(WaitUntil([&] {
        watchBatch();
        return !batch.Running() && !autoExit.Running();
    }, kRollTimeout, 200));
    EXPECT_FALSE(batchWindowSeen);
    for (const KirunnerProcess* ended : {&batch, &autoExit}) {
        DWORD code = STILL_ACTIVE;
        GetExitCodeProcess(ended->ProcessHandle(), &code);
        EXPECT_EQ(0u, code) << "ended by itself, not killed and not crashed";
    }
    EXPECT_EQ("1番目の引数=-T9\n2番目の引数=-T1\n3番目の引数=-T1\n", batch.Output());

    // With the box unticked again the end is only reported.
    std::string console;
    EXPECT_TRUE(WaitUntil([&] {
        console = ReadConsoleOf(manual.ProcessId());
        return console.find("ALL ROLL END") != std::string::npos;
    }, kRollTimeout, 500)) << console;
    EXPECT_EQ(std::string::npos, console.find("●●CLOSE"));
    EXPECT_FALSE(manual.WaitForExit(1500)) << "still running after all rolling has ended";
    EXPECT_EQ("------", RowState(manualMain));
    EXPECT_TRUE(IsWindowVisible(manualMain));

    PostMessageA(manualMain, WM_CLOSE, 0, 0);
    EXPECT_TRUE(manual.WaitForExit(kStartTimeout));
}

}  // namespace
