// The built program started with the longest command line Windows allows, and over a settings
// file that no dialog writes: it must come up, stay responsive and end when told.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>

#include "KirunnerProcess.h"
#include "TempDir.h"
#include "resource.h"

using namespace testing_support;

namespace {

const DWORD kStartTimeout = 30000;
// CreateProcess takes at most 32,767 characters, the terminating NUL included.
const size_t kLongestCommandLine = 32766;

// What is left for the arguments once Start has put the quoted program path and a blank first.
size_t ArgumentRoom(const std::string& folder) {
    const std::string exe = folder + "\\Kirunner.exe";
    return kLongestCommandLine - (exe.size() + 3);
}

// The window answers a message within the start-up bound. (A thread that has not looked at its
// queue for a few seconds counts as hung at once, so the question is asked again until then.)
bool Responds(HWND window) {
    return WaitUntil([&] {
        DWORD_PTR result = 0;
        return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result) != 0;
    }, kStartTimeout);
}

void CloseAndWait(KirunnerProcess& program, HWND main) {
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.WaitForExit(kStartTimeout));
}

TEST(HostileStart, LongestCommandLineOfBatchNumbersPutsEachCaptionOnAirOnce) {
    TempDir dir;
    ASSERT_TRUE(WriteFileBytes(dir.file("Kirunner.ini"),
                               "[SYSTEM]\r\nITEMCOUNT=2\r\n[ITEM0]\r\nMINUTE=5\r\nSTRINGS=41\r\n"
                               "[ITEM1]\r\nMINUTE=5\r\nSTRINGS=42\r\n"));
    std::string arguments;
    int count = 0;
    for (;;) {
        const std::string next = (count ? " -T" : "-T") + std::to_string(count % 3 + 1);  // 3: no such item
        if (arguments.size() + next.size() > ArgumentRoom(dir.path())) break;
        arguments += next;
        ++count;
    }
    ASSERT_GT(count, 8000);

    KirunnerProcess program;
    ASSERT_TRUE(program.Start(dir.path(), arguments));
    HWND main = program.MainWindow(kStartTimeout);
    ASSERT_TRUE(main);
    ASSERT_TRUE(program.StripWindow(kStartTimeout));
    EXPECT_FALSE(IsWindowVisible(main)) << "batch mode keeps the main window hidden";
    EXPECT_TRUE(Responds(main));
    auto rows = ReadListView(GetDlgItem(ControlPage(main), IDC_CAPTION_LIST), 4);
    ASSERT_EQ(2u, rows.size());
    EXPECT_EQ("表示中", rows[0][2]);
    EXPECT_EQ("表示中", rows[1][2]);

    const std::string last = std::to_string(count) + "番目の引数=-T" + std::to_string((count - 1) % 3 + 1) + "\n";
    auto endsWithLast = [&](const std::string& output) {
        return output.size() >= last.size() && output.compare(output.size() - last.size(), last.size(), last) == 0;
    };
    EXPECT_TRUE(WaitUntil([&] { return endsWithLast(program.Output()); }, kStartTimeout));
    const std::string output = program.Output();
    EXPECT_EQ(0u, output.find("1番目の引数=-T1\n2番目の引数=-T2\n3番目の引数=-T3\n"));
    EXPECT_EQ(static_cast<size_t>(count), static_cast<size_t>(std::count(output.begin(), output.end(), '\n')))
        << "one echo line per argument";
    CloseAndWait(program, main);
}

TEST(HostileStart, OneArgumentAsLongAsTheCommandLineAllows) {
    TempDir dir;
    ASSERT_TRUE(WriteFileBytes(dir.file("Kirunner.ini"), "[SYSTEM]\r\nITEMCOUNT=1\r\n[ITEM0]\r\nSTRINGS=41\r\n"));
    const size_t room = ArgumentRoom(dir.path());

    // Zeros and then 1: list number 1, however long the way there.
    const std::string number = "-T" + std::string(room - 3, '0') + "1";
    KirunnerProcess batch;
    ASSERT_TRUE(batch.Start(dir.path(), number));
    HWND main = batch.MainWindow(kStartTimeout);
    ASSERT_TRUE(main);
    EXPECT_TRUE(Responds(main));
    auto rows = ReadListView(GetDlgItem(ControlPage(main), IDC_CAPTION_LIST), 4);
    ASSERT_EQ(1u, rows.size());
    EXPECT_EQ("表示中", rows[0][2]);
    CloseAndWait(batch, main);

    // No number at all: the format error ends the program at once, echo first.
    const std::string junk = "-T" + std::string(room - 2, 'x');
    KirunnerProcess refused;
    ASSERT_TRUE(refused.Start(dir.path(), junk));
    EXPECT_TRUE(refused.WaitForExit(kStartTimeout));
    EXPECT_EQ("1番目の引数=" + junk + "\nFormat Error -T\n", refused.Output());
}

TEST(HostileStart, SettingsFileOfExtremesStillGivesAWorkingProgram) {
    TempDir dir;
    ASSERT_TRUE(WriteFileBytes(dir.file("Kirunner.ini"),
                               "[SYSTEM]\r\nCOLOR=99999999999\r\nPOS=-1\r\nGAP=2147483647\r\nLGAP=-2147483648\r\n"
                               "RGAP=abc\r\nSIZE=3\r\nDELTAX=100000\r\nFONTFACENAME=" + std::string(1000, 'F') +
                               "\r\nFONTHEIGHT=-100000\r\nITEMCOUNT=-1\r\n[FILE]\r\nEXEC=1\r\nPATH=CON\r\n"
                               "MINUTE=-2147483648\r\n" + std::string(1, '\0') + "\xff\xfe junk \x01\x02\r\n"));
    KirunnerProcess program;
    ASSERT_TRUE(program.Start(dir.path()));
    HWND main = program.MainWindow(kStartTimeout);
    ASSERT_TRUE(main);
    HWND strip = program.StripWindow(kStartTimeout);
    ASSERT_TRUE(strip);
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(main) != FALSE; }, kStartTimeout));
    RECT rect{};
    ASSERT_TRUE(GetWindowRect(strip, &rect));
    EXPECT_GE(rect.left, -32767);
    EXPECT_LE(rect.right, 32767);
    EXPECT_GE(rect.top, -32767);
    EXPECT_LE(rect.top, 32767);
    EXPECT_LE(rect.bottom - rect.top, 2100) << "the font is held at a thousand pixels";
    Sleep(1500);  // a few looks at the watched "file" and scroll ticks
    EXPECT_TRUE(program.Running());
    EXPECT_TRUE(Responds(main));
    EXPECT_EQ(0u, ReadListView(GetDlgItem(ControlPage(main), IDC_CAPTION_LIST), 4).size());
    CloseAndWait(program, main);
}

}  // namespace
