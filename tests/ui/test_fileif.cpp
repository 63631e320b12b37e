// The text-file interface as a person uses it: switched on through its dialog, the watched file
// written while the program runs, its text appearing on the strip and renewed in place by the
// next version; the settings file holding the "FILE" section as typed.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "HeldFileMirror.h"
#include "KirunnerProcess.h"
#include "PageParent.h"
#include "TempDir.h"

using namespace testing_support;

namespace {

const DWORD kStartTimeout = 20000;
const DWORD kShownWithin = 2500;  // one check a second, and the caption enters at once
const COLORREF kWhite = RGB(255, 255, 255);  // the default text colour; its shadow is black
const int kFileInterfaceButton = 1004;
const int kEnabledBox = 1050, kMinutesEdit = 1005, kPathEdit = 1051;

// Two captions told apart by their width on the strip: single glyphs, so no gap inside either.
const std::string kNarrowText = "|";
const std::string kWideText = "\x81\xa1";  // "■"
const int kNarrowAtMost = 6;
const int kWideAtLeast = 10;

// Fast scrolling, so that a caption passes several times within the waits below.
const char kSettings[] = "[SYSTEM]\r\nDELTAX=4\r\nSIZE=2\r\n";

// Columns of the strip that hold text, as runs from left to right.
struct Run {
    int left;
    int right;
    int width() const { return right - left + 1; }
};

std::vector<Run> TextRuns(const PixelImage& strip) {
    std::vector<Run> runs;
    for (int x = 0; x < strip.width; ++x) {
        bool lit = false;
        for (int y = 0; y < strip.height && !lit; ++y) lit = strip.at(x, y) == kWhite;
        if (!lit) continue;
        if (!runs.empty() && runs.back().right == x - 1) runs.back().right = x;
        else runs.push_back({x, x});
    }
    return runs;
}

// The runs of captions that have wholly entered the strip (one still entering touches its
// right edge), newest last.
std::vector<Run> WholeRuns(HWND strip) {
    PixelImage shown = CaptureWindow(strip);
    std::vector<Run> runs = TextRuns(shown);
    if (!runs.empty() && runs.back().right >= shown.width - 1) runs.pop_back();
    return runs;
}

bool NewestAre(HWND strip, int count, bool wide) {
    std::vector<Run> runs = WholeRuns(strip);
    if (static_cast<int>(runs.size()) < count) return false;
    for (size_t i = runs.size() - count; i < runs.size(); ++i) {
        int width = runs[i].width();
        if (wide ? width < kWideAtLeast : width > kNarrowAtMost) return false;
    }
    return true;
}

// The wholly entered captions as wide as the wide text.
std::vector<Run> WholeWideRuns(HWND strip) {
    std::vector<Run> wide;
    for (const Run& run : WholeRuns(strip))
        if (run.width() >= kWideAtLeast) wide.push_back(run);
    return wide;
}

bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

TEST(FileInterface, SwitchedOnThroughItsDialogTheFileReachesTheStripAndIsRenewedInPlace) {
    TempDir dir;
    const std::string ini = dir.file("Kirunner.ini");
    const std::string watched = dir.file("news.txt");
    ASSERT_TRUE(WriteFileBytes(ini, kSettings));
    KirunnerProcess program;
    ASSERT_TRUE(program.Start(dir.path()));
    HWND main = program.MainWindow(kStartTimeout);
    ASSERT_TRUE(main);
    HWND page = FindWindowExA(main, nullptr, "#32770", nullptr);
    HWND strip = program.StripWindow(kStartTimeout);
    ASSERT_TRUE(page && strip);

    PostClick(page, kFileInterfaceButton);
    HWND dialog = program.WaitForDialog("テキストファイルインターフェース");
    ASSERT_TRUE(dialog);
    SendMessageA(GetDlgItem(dialog, kEnabledBox), BM_SETCHECK, BST_CHECKED, 0);
    SendMessageA(GetDlgItem(dialog, kMinutesEdit), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("2"));
    SendMessageA(GetDlgItem(dialog, kPathEdit), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(watched.c_str()));
    PostClick(dialog, IDOK);

    const std::string section = "[FILE]\r\nEXEC=1\r\nMINUTE=2\r\nPATH=" + watched + "\r\n";
    ASSERT_TRUE(WaitUntil([&] { return EndsWith(ReadFileBytes(ini), section); }, kStartTimeout))
        << ReadFileBytes(ini);
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_TRUE(TextRuns(CaptureWindow(strip)).empty()) << "nothing on air yet";

    // The program's first check after the OK takes the baseline: a write that comes before it
    // is that baseline and is not shown, so a later version is written once more. (Every
    // write gets the clock's time, so each version is newer than the one before.)
    bool shown = false;
    for (int attempt = 0; attempt < 3 && !shown; ++attempt) {
        ASSERT_TRUE(WaitUntil([&] { return WriteFileBytes(watched, kNarrowText + "\r\n"); }, kStartTimeout));
        shown = WaitUntil([&] { return NewestAre(strip, 1, false); }, kShownWithin);
    }
    ASSERT_TRUE(shown) << "the file's text reached the strip";

    ASSERT_TRUE(WaitUntil([&] { return WriteFileBytes(watched, kWideText); }, kStartTimeout));
    EXPECT_TRUE(WaitUntil([&] { return NewestAre(strip, 1, true); }, kShownWithin))
        << "the new version reached the strip";
    // Had the new text been added beside the old one, the two would take turns.
    EXPECT_TRUE(WaitUntil([&] { return NewestAre(strip, 4, true); }, kStartTimeout))
        << "only the new text follows itself";

    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.WaitForExit(kStartTimeout));
    EXPECT_EQ(kWideText, ReadFileBytes(watched)) << "the program only reads the file";
}

// Run with the copy of Kirunner whose page never looks at the watched file by itself: its
// folder notification alone takes saves.
TEST(FileInterface, AfterItsTextIsShownNowTheFilesNextSaveComesThroughItsFolderAtOnce) {
    TempDir dir;
    const std::string watched = dir.file("news.txt");
    ASSERT_TRUE(WriteFileBytes(dir.file("Kirunner.ini"), kSettings));
    ASSERT_TRUE(WriteFileBytes(watched, kNarrowText));
    KirunnerProcess program;
    const char* noticeOnly = std::getenv("KIRUNNER_NOTICE_ONLY_EXE");
    ASSERT_TRUE(noticeOnly && program.Start(dir.path(), "", HostPathToWindows(noticeOnly)));
    HWND main = program.MainWindow(kStartTimeout);
    ASSERT_TRUE(main);
    HWND strip = program.StripWindow(kStartTimeout);
    ASSERT_TRUE(strip);

    PostClick(ControlPage(main), kFileInterfaceButton);
    HWND dialog = program.WaitForDialog("テキストファイルインターフェース");
    ASSERT_TRUE(dialog);
    SendMessageA(GetDlgItem(dialog, kEnabledBox), BM_SETCHECK, BST_CHECKED, 0);
    SendMessageA(GetDlgItem(dialog, kPathEdit), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(watched.c_str()));
    PostClick(dialog, IDOK);
    HWND question = program.WaitForMessageBox(kStartTimeout);
    ASSERT_TRUE(question);
    EXPECT_EQ("ファイルにあるテキストを今すぐ表示しますか？", MessageBoxText(question));
    PostClick(question, IDYES);
    ASSERT_TRUE(WaitUntil([&] { return NewestAre(strip, 1, false); }, kStartTimeout)) << "はい: on air at once";

    ASSERT_TRUE(WriteFileBytes(watched, kWideText));
    EXPECT_TRUE(WaitUntil([&] { return NewestAre(strip, 1, true); }, kStartTimeout))
        << "the save reached the strip through the folder notification";
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.WaitForExit(kStartTimeout));
}

// A program that watches a file of the mirror and rolls a caption of its own list.
class HeldRead : public ::testing::Test {
protected:
    void SetUp() override {
        if (!mirror.unavailable().empty()) GTEST_SKIP() << "no FUSE mirror: " << mirror.unavailable();
    }
    void TearDown() override {
        if (!name.empty()) DeleteFileA(mirror.backing(name).c_str());
    }

    void Start(const std::string& heldName) {
        name = heldName;
        ASSERT_TRUE(WriteFileBytes(mirror.backing(name), "baseline"));
        const std::string settings = SettingsText({{kNarrowText, 60}}, "DELTAX=4\r\nSIZE=2\r\n",
                                                  "[FILE]\r\nEXEC=1\r\nMINUTE=60\r\nPATH=" + mirror.shown(name) + "\r\n");
        ASSERT_TRUE(WriteFileBytes(dir.file("Kirunner.ini"), settings));
        ASSERT_TRUE(program.Start(dir.path()));
        main = program.MainWindow(kStartTimeout);
        ASSERT_TRUE(main);
        strip = program.StripWindow(kStartTimeout);
        ASSERT_TRUE(strip);
        HWND page = ControlPage(main);
        SelectListRow(GetDlgItem(page, 1000), 0);
        PostClick(page, 1011);  // "キルンに追加（更新）"
        ASSERT_TRUE(WaitUntil([&] { return !TextRuns(CaptureWindow(strip)).empty(); }, kStartTimeout));
    }

    // Writes new versions of the file until the program's read of one is held. (The first
    // check after the start takes the baseline; a version written before it is not read.)
    void WriteUntilHeld(const std::string& text) {
        bool held = false;
        for (int attempt = 0; attempt < 5 && !held; ++attempt) {
            ASSERT_TRUE(WriteFileBytes(mirror.backing(name), text + std::string(attempt + 1, '\n')));
            held = WaitUntil([&] { return mirror.holding(name); }, kShownWithin);
        }
        ASSERT_TRUE(held) << "the program read the file through the mirror";
    }

    HeldFileMirror mirror;
    TempDir dir;
    KirunnerProcess program;
    std::string name;
    HWND main = nullptr;
    HWND strip = nullptr;
};

TEST_F(HeldRead, StripAndWindowsGoOnWhileTheReadIsHeldAndItsTextGoesOnAirWhenItEnds) {
    Start("10s-news-" + std::to_string(GetCurrentProcessId()) + ".txt");
    WriteUntilHeld(kWideText);

    // For three seconds of the ten: the main window answers and the strip moves.
    DWORD slowestAnswer = 0;
    int moves = 0;
    PixelImage before = CaptureWindow(strip);
    for (int look = 0; look < 15; ++look) {
        Sleep(200);
        const DWORD asked = GetTickCount();
        DWORD_PTR result = 0;
        ASSERT_NE(0, SendMessageTimeoutA(main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &result))
            << "the main window answers while the read is held";
        slowestAnswer = std::max(slowestAnswer, GetTickCount() - asked);
        PixelImage now = CaptureWindow(strip);
        if (now.pixels != before.pixels) ++moves;
        before = now;
    }
    std::printf("while the read was held: slowest answer of the main window %lu ms, strip moved in %d of 15 looks\n",
                static_cast<unsigned long>(slowestAnswer), moves);
    EXPECT_GE(moves, 10) << "the strip keeps moving";
    EXPECT_FALSE(WaitUntil([&] { return !WholeWideRuns(strip).empty(); }, 500)) << "not on air before the read ends";

    EXPECT_TRUE(WaitUntil([&] { return !WholeWideRuns(strip).empty(); }, 15000))
        << "the text goes on air once the read has ended";
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.WaitForExit(kStartTimeout));
}

TEST_F(HeldRead, TheProgramExitsPromptlyWhileTheReadIsHeld) {
    Start("15s-exit-" + std::to_string(GetCurrentProcessId()) + ".txt");
    WriteUntilHeld("never shown");
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.WaitForExit(8000)) << "ended well before the fifteen-second read returns";
    EXPECT_TRUE(mirror.holding(name));
}

}  // namespace
