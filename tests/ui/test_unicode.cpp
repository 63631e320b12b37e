// Captions in any script on every way in, as a person uses them: a second process started with
// a Unicode command line hands its "-A" text to the running program, and a watched file in a
// folder whose name code page 932 cannot hold is read in UTF-8 onto the page's file row.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "KirunnerProcess.h"
#include "PageHost.h"
#include "PageParent.h"
#include "TempDir.h"
#include "ScriptTexts.h"
#include "surfaces/CommandChannel.h"
#include "display/KirunWin.h"
#include "framework/TextCodec.h"
#include "framework/WideText.h"
#include "model/StartupState.h"
#include "resource.h"

using namespace testing_support;

namespace {

const DWORD kTimeout = 20000;
const int kEnabledBox = 1050, kMinutesEdit = 1005, kPathEdit = 1051;
const int kTextColumn = 3;

// Waits for the process to end while this thread takes the messages sent to its windows.
bool PumpUntilExit(KirunnerProcess& program, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (program.Running()) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        const HANDLE process = program.ProcessHandle();
        MsgWaitForMultipleObjects(1, &process, FALSE, 20, QS_ALLINPUT);
        if (GetTickCount() - start > timeoutMs) return false;
    }
    return program.WaitForExit(timeoutMs);
}

// The arguments as the narrow command line has always split them: quotes, doubled quotes and
// backslashes before a quote. The program echoes each one before "-T0" ends it.
TEST(UnicodeWaysIn, ArgumentsAreSplitAsTheNarrowCommandLineSplitsThem) {
    TempDir dir;
    KirunnerProcess program;
    ASSERT_TRUE(program.Start(dir.path(), R"(a\"b "c d" e\\"f g" h\\i "" "j""k" l\\\"m -T0)"));
    ASSERT_TRUE(program.WaitForExit(kTimeout));
    EXPECT_EQ(static_cast<DWORD>(kExitFormatError), program.ExitCode());
    EXPECT_EQ("1番目の引数=a\"b\n2番目の引数=c d\n3番目の引数=e\\f g\n4番目の引数=h\\\\i\n5番目の引数=\n"
              "6番目の引数=j\"k\n7番目の引数=l\\\"m\n8番目の引数=-T0\nFormat Error -T\n",
              program.Output());
}

// The running program is this test's own control page with its strip and command receiver, so
// that the strip's current text can be read as it is; the sender is Kirunner.exe started from
// the page's folder with a Unicode command line.
TEST(UnicodeWaysIn, ATextOfAnyScriptFromASecondProcessIsTheRunningStripsTextExactly) {
    PageHost host;
    ASSERT_TRUE(host.Open(SettingsText({{"abc", 5}})));
    CCommandReceiver receiver;
    ASSERT_TRUE(receiver.Create(channelName(fw::WideFromCodePage932(host.dir().path())), &host.page()->controller()));
    const std::string exe = host.dir().file("Kirunner.exe");
    ASSERT_TRUE(CopyFileA(BuiltKirunnerPath().c_str(), exe.c_str(), FALSE));
    CKirunWin* strip = host.host()->strips().first();

    for (const std::wstring& text : {std::wstring(L"한국어 😀 Ελλάδα"), std::wstring(L"𠮷野家の😀")}) {
        KirunnerProcess sender;
        ASSERT_TRUE(sender.StartProgram(fw::WideFromCodePage932(exe), L"-A\"" + text + L"\" -M3"));
        ASSERT_TRUE(PumpUntilExit(sender, kTimeout));
        EXPECT_EQ(static_cast<DWORD>(kExitNormal), sender.ExitCode());
        for (int tick = 0; tick < 10000 && strip->currentText() != text; ++tick) ScrollTick(*host.host());
        EXPECT_EQ(text, strip->currentText());
    }
    host.Close();
}

// The operator types the path into the file interface dialog; the file is saved in UTF-8
// without a mark, as most editors save it, and its text stands in the file row as written.
TEST(UnicodeWaysIn, AWatchedFileInAFolderOfAnyNameShowsItsUtf8TextOnTheFileRow) {
    TempDir dir;
    const std::wstring folder = dir.wideFile(L"Zürich-한국");
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    const std::wstring watched = folder + L"\\Ελλάδα.txt";
    ASSERT_TRUE(WriteFileBytes(dir.file("Kirunner.ini"), "[SYSTEM]\r\nDELTAX=4\r\n"));
    KirunnerProcess program;
    ASSERT_TRUE(program.Start(dir.path()));
    HWND main = program.MainWindow(kTimeout);
    ASSERT_TRUE(main);
    HWND page = ControlPage(main);
    PostClick(page, IDC_FILE_INTERFACE);
    HWND dialog = program.WaitForDialog("テキストファイルインターフェース");
    ASSERT_TRUE(dialog);
    SendMessageW(GetDlgItem(dialog, kEnabledBox), BM_SETCHECK, BST_CHECKED, 0);
    SendMessageW(GetDlgItem(dialog, kMinutesEdit), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"2"));
    SendMessageW(GetDlgItem(dialog, kPathEdit), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(watched.c_str()));
    PostClick(dialog, IDOK);
    ASSERT_TRUE(WaitForGone(dialog));

    HWND list = GetDlgItem(page, IDC_CAPTION_LIST);
    auto fileRowText = [&] {
        const std::vector<std::vector<std::wstring>> rows = ReadListViewWide(list, kTextColumn + 1);
        return rows.empty() ? std::wstring() : rows.back()[kTextColumn];
    };
    // Saved again until a save comes after the page's first look, which takes the baseline.
    for (const std::wstring& text : WorldTexts()) {
        const std::string utf8 = fw::Narrow(text, CP_UTF8);
        EXPECT_TRUE(WaitUntil([&] { return WriteFileBytes(watched, utf8) && WaitUntil([&] { return fileRowText() == text; }, 1500); },
                              kTimeout))
            << fw::Narrow(text, CP_UTF8);
    }
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.WaitForExit(kTimeout));
}

}  // namespace
