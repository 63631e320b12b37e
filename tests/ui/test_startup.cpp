// Start-up as a person sees it: the command line's echo, format errors ending the program at
// once, the strip and the main window of a normal start, the debug console, and the program's
// own folder as its working directory, and a settings file held by another program at start.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "HeldFile.h"
#include "KirunnerProcess.h"
#include "TempDir.h"
#include "PageParent.h"

using namespace testing_support;

namespace {

const DWORD kStartTimeout = 20000;

// A settings file with one caption item, so that a list row proves where it was read from.
void WriteSettingsWithOneItem(const std::string& folder) {
    WriteFileBytes(folder + "\\Kirunner.ini", SettingsText({{"abc", 7}}));
}

std::vector<std::vector<std::string>> ListRows(HWND mainWindow) {
    HWND page = FindWindowExA(mainWindow, nullptr, "#32770", nullptr);
    return ReadListView(GetDlgItem(page, 1000), 4);
}

TEST(Startup, FormatErrorEndsAtOnceWithTheEchoAndNoWindow) {
    struct Case {
        const char* arguments;
        const char* output;
    } cases[] = {
        {"-T0", "1番目の引数=-T0\nFormat Error -T\n"},
        {"-T", "1番目の引数=-T\nFormat Error -T\n"},
        {"-Tx", "1番目の引数=-Tx\nFormat Error -T\n"},
        {"-T-2", "1番目の引数=-T-2\nFormat Error -T\n"},
        {"-T5 -Tx -D586", "1番目の引数=-T5\n2番目の引数=-Tx\nFormat Error -T\n"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        KirunnerProcess program;
        ASSERT_TRUE(program.Start(dir.path(), c.arguments)) << c.arguments;
        ASSERT_TRUE(program.WaitForExit(kStartTimeout)) << c.arguments;
        EXPECT_EQ(c.output, program.Output()) << c.arguments;
        EXPECT_TRUE(program.TopWindows().empty());
        EXPECT_FALSE(FileExists(dir.file("Kirunner.ini"))) << "the control page never ran";
    }
}

TEST(Startup, NormalStartShowsTheWindowAndAnInvisibleStripAtTheTop) {
    TempDir dir;
    KirunnerProcess program;
    ASSERT_TRUE(program.Start(dir.path(), "x"));
    HWND main = program.MainWindow(kStartTimeout);
    ASSERT_TRUE(main);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(main) != FALSE; }, kStartTimeout));
    EXPECT_EQ("Kirunner", WindowText(main));
    EXPECT_EQ("1番目の引数=x\n", program.Output()) << "nothing else reaches the inherited output";

    HWND strip = program.StripWindow(kStartTimeout);
    ASSERT_TRUE(strip);
    LONG exStyle = GetWindowLongA(strip, GWL_EXSTYLE);
    EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
    EXPECT_TRUE(exStyle & WS_EX_TRANSPARENT);
    EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW);
    RECT rect{};
    ASSERT_TRUE(WaitUntil([&] {
        GetWindowRect(strip, &rect);
        return rect.right - rect.left == GetSystemMetrics(SM_CXSCREEN);
    }, kStartTimeout));
    EXPECT_EQ(0, rect.left);
    EXPECT_EQ(0, rect.top);
    int height = rect.bottom - rect.top;
    EXPECT_GT(height, 10);
    EXPECT_LT(height, 30) << "one line of the small caption font";

    // Nothing is on air: the strip shows nothing of its own over the (black) root window.
    PixelImage shown = CaptureWindow(strip);
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown.width * shown.height, shown.count(RGB(0, 0, 0)));

    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.WaitForExit(kStartTimeout)) << "closing the main window ends the program";
}

TEST(Startup, WorkingDirectoryIsTheProgramsFolderEvenWithADoubleByteName) {
    TempDir parent;
    // "表示": the first character's trail byte is a backslash.
    std::string folder = parent.file("\x95\x5c\x8e\xa6");
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    WriteSettingsWithOneItem(folder);
    {
        KirunnerProcess program;
        ASSERT_TRUE(program.Start(folder));
        HWND main = program.MainWindow(kStartTimeout);
        ASSERT_TRUE(main);
        auto rows = ListRows(main);
        ASSERT_EQ(1u, rows.size()) << "the settings beside the program were read";
        EXPECT_EQ((std::vector<std::string>{"1", "7", "------", "abc"}), rows[0]);
        PostMessageA(main, WM_CLOSE, 0, 0);
        EXPECT_TRUE(program.WaitForExit(kStartTimeout));
    }
    RemoveDirectoryA(folder.c_str());
}

TEST(Startup, DebugConsoleShowsTheBannerButNotTheEcho) {
    TempDir dir;
    KirunnerProcess program;
    ASSERT_TRUE(program.Start(dir.path(), "-D586"));
    HWND main = program.MainWindow(kStartTimeout);
    ASSERT_TRUE(main);
    EXPECT_EQ("1番目の引数=-D586\nDEBUGMODE ON\n", program.Output());

    std::string console = ReadConsoleOf(program.ProcessId());
    EXPECT_NE(std::string::npos, console.find("********** Start KIRUNNER DEBUG MODE  *******"));
    EXPECT_NE(std::string::npos, console.find("DEBUG_MODE ON"));
    EXPECT_NE(std::string::npos, console.find("CurrentDir=" + dir.path()));
    EXPECT_EQ(std::string::npos, console.find("DEBUGMODE ON")) << "written before the console existed";

    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.WaitForExit(kStartTimeout));
}

// A batch run has no window to own a message box: the line goes to the debug console instead.
TEST(Startup, SettingsFileHeldByAnotherProgramIsNamedAndKept) {
    for (const char* arguments : {"-T1", "x"}) {
        TempDir dir;
        WriteSettingsWithOneItem(dir.path());
        const std::string ini = dir.file("Kirunner.ini"), before = ReadFileBytes(ini);
        HeldFile hold(ini, GENERIC_READ, 0);
        KirunnerProcess program;
        ASSERT_TRUE(program.Start(dir.path(), arguments));
        if (arguments[0] == '-') {
            EXPECT_TRUE(program.WaitForExit(kStartTimeout)) << "no box waits: nothing on air ends a batch run";
        } else {
            HWND box = program.WaitForMessageBox(kStartTimeout);
            ASSERT_TRUE(box);
            EXPECT_EQ("設定ファイルを読み込めませんでした。リストを守るため、読み込めるまで設定ファイルには保存しません\n" + ini,
                      MessageBoxText(box));
            PostClick(box, IDOK);
            HWND main = program.MainWindow(kStartTimeout);
            ASSERT_TRUE(main);
            EXPECT_TRUE(ListRows(main).empty());
            PostMessageA(main, WM_CLOSE, 0, 0);
            EXPECT_TRUE(program.WaitForExit(kStartTimeout));
        }
        hold.Release();
        EXPECT_EQ(before, ReadFileBytes(ini)) << arguments;
    }
}

}  // namespace
