// Start-up as a person sees it: the command line's echo, format errors ending the program at
// once, the strip and the main window of a normal start, the debug console, and the program's
// own folder as its working directory, and a settings file held by another program at start.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>

#include "HeldFile.h"
#include "KirunnerProcess.h"
#include "OperatorDesk.h"
#include "TempDir.h"
#include "PageParent.h"
#include "resource.h"

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

// The settings file held by another program when the program starts, let go later.
class HeldSettings : public ::testing::Test {
protected:
    void Start() {
        WriteSettingsWithOneItem(dir.path());
        before = ReadFileBytes(ini);
        hold.reset(new HeldFile(ini, GENERIC_READ, 0));
        desk.reset(new Desk(dir.path()));
        ASSERT_TRUE(desk->ready());
    }
    void CloseAndExpectFileKept() {
        PostMessageA(desk->main, WM_CLOSE, 0, 0);
        EXPECT_TRUE(desk->program.WaitForExit(kClosedWithin)) << "ended promptly";
        EXPECT_EQ(0u, desk->program.ExitCode());
        hold.reset();
        EXPECT_EQ(before, ReadFileBytes(ini));
    }

    const DWORD kClosedWithin = 5000;
    const std::string kNotice =
        "設定ファイルを読み込めませんでした。リストを守るため、読み込めるまで設定ファイルには保存しません\n";
    TempDir dir;
    const std::string ini = dir.file("Kirunner.ini");
    std::string before;
    std::unique_ptr<HeldFile> hold;
    std::unique_ptr<Desk> desk;
};

TEST_F(HeldSettings, TheNoticeComesAtOnceAndTheFilesListWithoutAQuestionOnceItIsLetGo) {
    Start();
    HWND notice = desk->program.WaitForMessageBox(kStartTimeout);
    ASSERT_TRUE(notice);
    EXPECT_EQ(kNotice + ini, MessageBoxText(notice));
    hold->Release();
    EXPECT_TRUE(desk->waitForRows({{"1", "7", "------", "abc"}})) << "read as soon as it can be, behind the notice";
    PostClick(notice, IDOK);
    ASSERT_TRUE(WaitForGone(notice));
    EXPECT_FALSE(desk->program.WaitForMessageBox(1500)) << "no question";
    CloseAndExpectFileKept();
}

TEST_F(HeldSettings, ACloseFromOutsideWithTheNoticeOpenEndsTheProgramAtOnce) {
    Start();
    ASSERT_TRUE(desk->program.WaitForMessageBox(kStartTimeout));
    CloseAndExpectFileKept();
}

// The operator changed the look while the file was held: once it can be read, the page shows the
// file's list and the file keeps it beside the operator's look, and nobody is asked.
TEST_F(HeldSettings, TheLookChangedMeanwhileIsSavedBesideTheFilesList) {
    Start();
    EXPECT_EQ(kNotice + ini, desk->answerMessage(IDOK));
    for (const bool held : {true, false}) {
        desk->click(IDC_CAPTION_SETTINGS);
        HWND dialog = desk->dialog(kAppearanceTitle);
        ASSERT_TRUE(dialog);
        PostClick(dialog, IDC_POS_BOTTOM);
        PostClick(dialog, IDOK);
        if (!held) break;
        EXPECT_EQ("設定ファイルを読み込めないため、保存しませんでした\n" + ini, desk->answerMessage(IDOK));
        hold->Release();
        EXPECT_TRUE(desk->waitForRows({{"1", "7", "------", "abc"}})) << "the file's list";
    }
    EXPECT_FALSE(desk->program.WaitForMessageBox(1500)) << "no question";
    const std::string now = ReadFileBytes(ini);
    EXPECT_TRUE(now.find("POS=1\r\n") != std::string::npos && now.find("STRINGS=616263\r\n") != std::string::npos) << now;
    PostMessageA(desk->main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(desk->program.WaitForExit(kClosedWithin));
}

// The operator changed the list while the file was held: when it can be read again, the next
// save asks, and a hurried Enter, like a close from outside, keeps the file.
TEST_F(HeldSettings, ChangedMeanwhileTheQuestionKeepsTheFileUnlessAnsweredYes) {
    for (const bool closeAtTheQuestion : {false, true}) {
        SCOPED_TRACE(closeAtTheQuestion ? "closed from outside" : "Enter");
        Start();
        EXPECT_EQ(kNotice + ini, desk->answerMessage(IDOK));
        desk->click(IDC_ADD_TEXT);
        ASSERT_TRUE(desk->enterCaption("画面の字幕", "2"));
        EXPECT_EQ("設定ファイルを読み込めないため、保存しませんでした\n" + ini, desk->answerMessage(IDOK));
        hold->Release();
        desk->click(IDC_ADD_TEXT);
        ASSERT_TRUE(desk->enterCaption("もう一つ", "3"));
        HWND question = desk->program.WaitForMessageBox(kStartTimeout);
        ASSERT_TRUE(question);
        EXPECT_EQ("設定ファイルを読み込めるようになりました。画面の内容で上書きしますか？（いいえ：設定ファイルはそのまま）\n" + ini,
                  MessageBoxText(question));
        EXPECT_EQ(BS_DEFPUSHBUTTON, GetWindowLongA(GetDlgItem(question, IDNO), GWL_STYLE) & BS_TYPEMASK)
            << "いいえ is the default button";
        if (!closeAtTheQuestion) {
            PostMessageA(question, WM_KEYDOWN, VK_RETURN, 0);
            EXPECT_TRUE(WaitForGone(question));
            EXPECT_EQ(2u, desk->rows().size()) << "the screen keeps the operator's list";
        }
        CloseAndExpectFileKept();
        desk.reset();
    }
}

}  // namespace
