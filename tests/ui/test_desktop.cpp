// What a live desktop does that a quiet one does not: WM_CLOSE sent to every window of the
// program, the strip shown while the operator works, real clicks on the list's blank area, a
// program on a drive root or started under another name, a batch run with nothing to show.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "KirunnerProcess.h"
#include "TempDir.h"
#include "model/StartupState.h"
#include "resource.h"
#include "PageParent.h"

using namespace testing_support;

namespace {

const DWORD kStartTimeout = 20000;
const char kSelectToShow[] = "KIRUN表示するデータを一覧で選択してください";
const char kSelectToDelete[] = "削除するデータを一覧で選択してください";

// Settings with captions "abc" (7 minutes) and, when `two`, "de" (3 minutes).
std::string Settings(bool two = false) {
    return two ? SettingsText({{"abc", 7}, {"de", 3}}) : SettingsText({{"abc", 7}});
}

HWND CaptionList(HWND main) { return GetDlgItem(ControlPage(main), IDC_CAPTION_LIST); }

std::vector<std::vector<std::string>> Rows(HWND main) { return ReadListView(CaptionList(main), 4); }

HWND ShownMainWindow(const KirunnerProcess& program) {
    HWND main = program.MainWindow(kStartTimeout);
    return WaitForShown(main, kStartTimeout) ? main : nullptr;
}

// Starts the program in `dir` over `settings` (none when empty); its shown main window, or null.
HWND StartShown(KirunnerProcess& program, const TempDir& dir, const std::string& settings) {
    if (!settings.empty()) WriteFileBytes(dir.file("Kirunner.ini"), settings);
    return program.Start(dir.path()) ? ShownMainWindow(program) : nullptr;
}

// What the thread of a window of the program has active and focused.
GUITHREADINFO ThreadInfoOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) info = GUITHREADINFO{};
    return info;
}
HWND ActiveWindowOf(HWND window) { return ThreadInfoOf(window).hwndActive; }
HWND FocusedWindowOf(HWND window) { return ThreadInfoOf(window).hwndFocus; }

// Clicks a page button and returns the text of the message box it opens, closing the box.
std::string MessageAfterClick(const KirunnerProcess& program, HWND main, int button) {
    PostClick(ControlPage(main), button);
    HWND box = program.WaitForMessageBox();
    if (!box) return "(no message)";
    std::string text = MessageBoxText(box);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    WaitForGone(box);
    return text;
}

TEST(Desktop, StripIgnoresWmCloseAndClosingEveryWindowEndsTheProgramCleanly) {
    TempDir dir;
    KirunnerProcess program;
    HWND main = StartShown(program, dir, Settings());
    ASSERT_TRUE(main);
    HWND strip = program.StripWindow();

    // What a polite kill or Alt+F4 on the strip sends: the strip stays, and every command that
    // uses it still works.
    SendMessageA(strip, WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(strip));
    PostClick(ControlPage(main), IDC_DISPLAY_OFF);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(strip); }, kStartTimeout));
    PostClick(ControlPage(main), IDC_DISPLAY_ON);
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(strip) != FALSE; }, kStartTimeout));
    SelectListRow(CaptionList(main), 0);
    PostClick(ControlPage(main), IDC_ADD_TO_CAPTION);
    EXPECT_TRUE(WaitUntil([&] { return Rows(main)[0][2] == "表示中"; }, kStartTimeout));

    for (HWND window : program.TopWindows()) PostMessageA(window, WM_CLOSE, 0, 0);
    ASSERT_TRUE(program.WaitForExit(kStartTimeout));
    EXPECT_EQ(0u, program.ExitCode());
}

// A close from outside (a script's WM_CLOSE, taskkill without /F) ends the program at once
// whatever the operator has open, each box as if cancelled: nothing is changed or saved.
TEST(Desktop, WmCloseEndsTheProgramWhateverDialogOrBoxIsOpen) {
    const struct {
        const char* what;
        int button;          // on the page
        const char* dialog;  // the dialog it opens
        int inner;           // a button of that dialog that opens a box over it (0: none)
    } cases[] = {
        {"a dialog", IDC_CAPTION_SETTINGS, "キルン設定", 0},
        {"a message over a dialog", IDC_ADD_TEXT, "テキスト追加", IDOK},  // no text: it says so and stays
        {"the system's file dialog over a dialog", IDC_FILE_INTERFACE, "テキストファイルインターフェース",
         IDC_FILE_BROWSE},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        KirunnerProcess program;
        HWND main = StartShown(program, dir, Settings());
        ASSERT_TRUE(main);
        const std::string before = ReadFileBytes(dir.file("Kirunner.ini"));
        PostClick(ControlPage(main), c.button);
        HWND dialog = program.WaitForDialog(c.dialog);
        ASSERT_TRUE(dialog);
        if (c.inner) PostClick(dialog, c.inner);
        const auto overTheDialog = [dialog](HWND w) { return IsWindowVisible(w) && GetWindow(w, GW_OWNER) == dialog; };
        if (c.inner) {
            ASSERT_TRUE(program.WaitForWindow(overTheDialog, kStartTimeout));
        }
        PostMessageA(main, WM_CLOSE, 0, 0);
        EXPECT_TRUE(program.WaitForExit(5000)) << "ended promptly";
        EXPECT_EQ(0u, program.ExitCode());
        EXPECT_EQ(before, ReadFileBytes(dir.file("Kirunner.ini")));
    }
}

TEST(Desktop, ShowingTheStripLeavesTheOperatorsWindowActive) {
    TempDir dir;
    KirunnerProcess program;
    HWND main = StartShown(program, dir, "");
    ASSERT_TRUE(main);
    HWND strip = program.StripWindow();
    ASSERT_TRUE(WaitUntil([&] { return ActiveWindowOf(main) == main; }, kStartTimeout));

    for (int round = 0; round < 2; ++round) {
        PostClick(ControlPage(main), IDC_DISPLAY_OFF);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(strip); }, kStartTimeout));
        PostClick(ControlPage(main), IDC_DISPLAY_ON);
        ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(strip) != FALSE; }, kStartTimeout));
        EXPECT_EQ(main, ActiveWindowOf(main)) << "round " << round;
    }
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.WaitForExit(kStartTimeout));
}

// Enter and Esc, pressed on the list or on the automatic-exit box, leave the show running;
// the close box still ends it.
TEST(Desktop, EnterAndEscNeverEndTheShowButTheCloseBoxDoes) {
    TempDir dir;
    KirunnerProcess program;
    HWND main = StartShown(program, dir, Settings());
    ASSERT_TRUE(main);
    HWND list = CaptionList(main);
    RECT header{};
    GetWindowRect(reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0)), &header);
    struct Focus {
        const char* name;
        HWND window;
        POINT click;
    };
    const Focus focuses[] = {{"list row", list, {60, (header.bottom - header.top) + 6}},
                             {"automatic exit", GetDlgItem(main, IDC_AUTO_EXIT), {6, 6}}};
    for (const Focus& focus : focuses) {
        // A click on a window that is still settling may be taken as its activation only.
        bool focused = false;
        for (int attempt = 0; attempt < 3 && !focused; ++attempt) {
            ClickAt(focus.window, focus.click);
            focused = WaitUntil([&] { return FocusedWindowOf(main) == focus.window; }, 5000);
        }
        ASSERT_TRUE(focused) << focus.name;
        for (WORD key : {WORD(VK_RETURN), WORD(VK_ESCAPE)}) {
            PressKey(key);
            EXPECT_FALSE(program.WaitForExit(1500)) << focus.name << ", key " << key;
            ASSERT_TRUE(program.Running());
        }
    }
    EXPECT_TRUE(IsWindowVisible(main));
    PostMessageA(main, WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(program.WaitForExit(kStartTimeout));
    EXPECT_EQ(0u, program.ExitCode());
}

// A click on the blank area below the rows takes the highlight away; the commands then ask
// for a row instead of acting on the one clicked before.
TEST(Desktop, CommandsActOnlyOnTheHighlightedRow) {
    TempDir dir;
    KirunnerProcess program;
    HWND main = StartShown(program, dir, Settings(true));
    ASSERT_TRUE(main);
    HWND list = CaptionList(main);
    RECT client{};
    GetClientRect(list, &client);
    RECT header{};
    GetWindowRect(reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0)), &header);
    const POINT firstRow{60, (header.bottom - header.top) + 6};
    const POINT blank{60, client.bottom - 6};

    // A click on a window that is still settling after start may be taken as its activation
    // only: a person clicks again.
    auto clickUntil = [&](POINT at, int selected) {
        for (int attempt = 0; attempt < 3; ++attempt) {
            ClickAt(list, at);
            if (WaitUntil([&] { return SelectedListRow(list) == selected; }, 5000)) return true;
        }
        return false;
    };
    ASSERT_TRUE(clickUntil(firstRow, 0));
    ASSERT_TRUE(clickUntil(blank, -1));

    EXPECT_EQ(kSelectToDelete, MessageAfterClick(program, main, IDC_DELETE_TEXT));
    EXPECT_EQ(kSelectToShow, MessageAfterClick(program, main, IDC_ADD_TO_CAPTION));
    EXPECT_EQ(kSelectToShow, MessageAfterClick(program, main, IDC_REMOVE_FROM_DISPLAY));
    auto rows = Rows(main);
    ASSERT_EQ(2u, rows.size()) << "nothing was deleted";
    EXPECT_EQ("------", rows[0][2]) << "nothing was put on air";

    // Highlighted again by a click, the row is the one the commands take.
    ASSERT_TRUE(clickUntil(firstRow, 0));
    PostClick(ControlPage(main), IDC_ADD_TO_CAPTION);
    EXPECT_TRUE(WaitUntil([&] { return Rows(main)[0][2] == "表示中"; }, kStartTimeout));

    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.WaitForExit(kStartTimeout));
}

// The test prefix's spare drive, an empty folder (scripts/wine-prefix.sh makes it).
const char kTestDrive[] = "K:";

// Removes what a test left on the spare drive.
void EmptyTestDrive() {
    const std::string root = std::string(kTestDrive) + "\\";
    for (const char* name : {"elsewhere\\Kirunner.ini", "Kirunner.ini", "Kirunner.exe"})
        DeleteFileA((root + name).c_str());
    RemoveDirectoryA((root + "elsewhere").c_str());
}

// The settings file is the one beside the program, however the program was started: from a
// drive root while the current folder lies elsewhere on that drive, or by a command line whose
// program path has forward slashes.
TEST(Desktop, SettingsFileIsTheOneBesideTheProgramHoweverItWasStarted) {
    const std::string drive = kTestDrive;
    ASSERT_EQ(static_cast<UINT>(DRIVE_FIXED), GetDriveTypeA((drive + "\\").c_str()))
        << "the test prefix has no drive " << drive;
    EmptyTestDrive();
    const std::string root = drive + "\\";
    WriteFileBytes(root + "Kirunner.ini", Settings());
    const std::string elsewhere = root + "elsewhere";
    ASSERT_TRUE(CreateDirectoryA(elsewhere.c_str(), nullptr));
    WriteFileBytes(elsewhere + "\\Kirunner.ini", Settings(true));
    ASSERT_TRUE(CopyFileA(BuiltKirunnerPath().c_str(), (root + "Kirunner.exe").c_str(), FALSE));

    // The same program by a path with forward slashes, started in a folder with settings of
    // its own.
    TempDir other;
    ASSERT_TRUE(CopyFileA(BuiltKirunnerPath().c_str(), other.file("Kirunner.exe").c_str(), FALSE));
    WriteFileBytes(other.file("Kirunner.ini"), Settings());
    std::string slashed = other.file("Kirunner.exe");
    for (char& c : slashed)
        if (c == '\\') c = '/';
    struct Case {
        std::string program, currentFolder;
    } cases[] = {
        {drive + "\\Kirunner.exe", drive + "\\elsewhere"},
        {slashed, elsewhere},
    };
    for (const Case& c : cases) {
        KirunnerProcess program;
        ASSERT_TRUE(program.StartProgram(c.program, "", c.currentFolder)) << c.program;
        HWND main = program.MainWindow(kStartTimeout);
        ASSERT_TRUE(main) << c.program;
        auto rows = Rows(main);
        ASSERT_EQ(1u, rows.size()) << c.program << ": the settings of another folder were read";
        EXPECT_EQ("abc", rows[0][3]);
        PostMessageA(main, WM_CLOSE, 0, 0);
        EXPECT_TRUE(program.WaitForExit(kStartTimeout));
    }
    EmptyTestDrive();
}

// A batch run whose numbers name no item has nothing to roll: it ends by itself at once.
TEST(Desktop, BatchRunWithNothingToShowEndsAtOnce) {
    for (const char* settings : {"", "[SYSTEM]\r\nITEMCOUNT=1\r\n[ITEM0]\r\nMINUTE=1\r\nSTRINGS=41\r\n"}) {
        TempDir dir;
        if (*settings) WriteFileBytes(dir.file("Kirunner.ini"), settings);
        KirunnerProcess program;
        ASSERT_TRUE(program.Start(dir.path(), "-T5 -T9"));
        ASSERT_TRUE(program.WaitForExit(kStartTimeout)) << "the hidden program never ended";
        EXPECT_EQ(static_cast<DWORD>(kExitNothingOnAir), program.ExitCode());
    }
}

}  // namespace
