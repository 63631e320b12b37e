// The watched text file at its worst: huge, all NUL bytes, one endless line, a directory, a
// pattern, a device, or deleted and written again while it is being looked at. Reading must
// stay bounded in time and memory and put nothing strange on air.
#include <gtest/gtest.h>

#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <string>
#include <vector>

#include "fileif/CaptionTextFile.h"
#include "fileif/TextFileWatch.h"
#include "tests/support/Cp932.h"
#include "tests/support/TempDir.h"

using testing_support::MakeHugeFile;
using testing_support::TempDir;
using testing_support::WriteFileAtMinute;
using testing_support::WriteFileBytes;

namespace {

const LONGLONG kHugeFile = 100LL * 1024 * 1024;
const long long kMemoryAllowance = 16LL * 1024 * 1024;

struct Peaks {
    long long workingSet = 0;
    long long pagefile = 0;
};

Peaks PeakMemory() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    Peaks peaks;
    if (GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters)) {
        peaks.workingSet = static_cast<long long>(counters.PeakWorkingSetSize);
        peaks.pagefile = static_cast<long long>(counters.PeakPagefileUsage);
    }
    return peaks;
}

// How much the peaks rose while `work` ran.
template <typename Work>
Peaks PeakGrowth(Work work) {
    const Peaks before = PeakMemory();
    work();
    const Peaks after = PeakMemory();
    return Peaks{after.workingSet - before.workingSet, after.pagefile - before.pagefile};
}

class HostileFile : public ::testing::Test {
protected:
    // A watch whose baseline is older than any file, so that the next look reads what it finds.
    TextFileWatch FreshWatch() {
        TextFileWatch watch;
        watch.lastFileDataValid = 1;
        return watch;
    }
    TempDir dir;
    std::string path = dir.file("news.txt");
};

// These come first: the peaks only show growth beyond the highest point the process reached.
TEST_F(HostileFile, HundredMebibytesOfNulBytesReadInBoundedMemoryAndShowNothing) {
    ASSERT_TRUE(MakeHugeFile(path, "", kHugeFile));
    std::wstring text = L"left over";
    CaptionFileRead result = CaptionFileRead::CouldNotOpen;
    const Peaks growth = PeakGrowth([&] { result = readCaptionText(Wide932(path), text); });
    EXPECT_EQ(CaptionFileRead::Read, result);
    EXPECT_EQ(L"", text) << "a NUL byte ends the text";
    EXPECT_LT(growth.workingSet, kMemoryAllowance);
    EXPECT_LT(growth.pagefile, kMemoryAllowance);

    TextFileWatch watch = FreshWatch();
    EXPECT_FALSE(checkTextFile(1, Wide932(path), watch, text)) << "an empty text goes nowhere";
}

TEST_F(HostileFile, HundredMebibyteSingleLineIsCutInBoundedMemory) {
    ASSERT_TRUE(MakeHugeFile(path, std::string(1024 * 1024, 'A'), kHugeFile));
    std::wstring text;
    bool shown = false;
    TextFileWatch watch = FreshWatch();
    const Peaks growth = PeakGrowth([&] { shown = checkTextFile(1, Wide932(path), watch, text); });
    EXPECT_TRUE(shown);
    EXPECT_EQ(std::wstring(kCaptionLineLimit, L'A'), text);
    EXPECT_LT(growth.workingSet, kMemoryAllowance);
    EXPECT_LT(growth.pagefile, kMemoryAllowance);
}

TEST_F(HostileFile, FileOfNulBytesPutsNothingOnAir) {
    ASSERT_TRUE(WriteFileAtMinute(path, std::string(100000, '\0'), 5));
    TextFileWatch watch = FreshWatch();
    std::wstring text;
    EXPECT_FALSE(checkTextFile(1, Wide932(path), watch, text));
    EXPECT_EQ(L"", text);
    ASSERT_TRUE(WriteFileAtMinute(path, "after", 6));
    EXPECT_TRUE(checkTextFile(1, Wide932(path), watch, text)) << "the next version is read as usual";
    EXPECT_EQ(L"after", text);
}

TEST_F(HostileFile, DirectoryIsNeverReadEvenWhenItChanges) {
    TextFileWatch watch;
    std::wstring text;
    EXPECT_FALSE(checkTextFile(1, Wide932(dir.path()), watch, text));  // the baseline
    for (int minute = 1; minute <= 3; ++minute) {
        ASSERT_TRUE(WriteFileBytes(dir.file("inside" + std::to_string(minute) + ".txt"), "x"));
        EXPECT_FALSE(checkTextFile(1, Wide932(dir.path()), watch, text));
    }
    TextFileWatch fresh = FreshWatch();
    EXPECT_FALSE(checkTextFile(1, Wide932(dir.path()), fresh, text));
    EXPECT_EQ(L"", text);
}

TEST_F(HostileFile, PatternsFindFilesButAreNeverRead) {
    ASSERT_TRUE(WriteFileAtMinute(path, "news", 1));
    for (const std::string& pattern : {dir.file("*.txt"), dir.file("new?.txt"), dir.file("*")}) {
        TextFileWatch watch = FreshWatch();
        std::wstring text;
        EXPECT_FALSE(checkTextFile(1, Wide932(pattern), watch, text)) << pattern;
        EXPECT_EQ(L"", text) << pattern;
    }
}

TEST_F(HostileFile, DevicesAreNeverOpened) {
    // A console or a serial port would wait for input; with a baseline older than anything
    // the look would otherwise read whatever the search finds.
    for (const std::string& device : {std::string("CON"), std::string("CONIN$"), std::string("NUL"),
                                      std::string("COM1"), std::string("LPT1"), dir.file("NUL.txt"),
                                      dir.file("aux"), std::string("\\\\.\\COM1")}) {
        TextFileWatch watch = FreshWatch();
        std::wstring text;
        EXPECT_FALSE(checkTextFile(1, Wide932(device), watch, text)) << device;
        EXPECT_FALSE(checkTextFile(1, Wide932(device), watch, text)) << device;
    }
    // Wine shows the host's endless devices as files: reading one stays bounded.
    TextFileWatch watch = FreshWatch();
    std::wstring text;
    const Peaks growth = PeakGrowth([&] { checkTextFile(1, L"Z:\\dev\\zero", watch, text); });
    EXPECT_EQ(L"", text);
    EXPECT_LT(growth.workingSet, kMemoryAllowance);
}

TEST(WatchablePath, OrdinaryFilesOnly) {
    for (const char* path : {"C:\\news.txt", "news", "C:\\console.txt", "C:\\COM10.txt", "C:\\a.b\\nul_x.txt",
                             "\\\\?\\C:\\news.txt", "\\\\server\\share\\con1.txt", "ソ.txt", "C:\\ソCON.txt",
                             "C:\\予\\表"})
        EXPECT_TRUE(isWatchablePath(Wide932(path))) << path;
    for (const char* path : {"", "CON", "con", "NUL", "C:\\dir\\NUL.txt", "COM1", "com9.log", "LPT1:", "AUX ",
                             "prn.txt.bak", "CONIN$", "conout$", "D:CON", "\\\\.\\COM1", "\\\\.\\C:\\news.txt",
                             "//./pipe/x", "C:\\*.txt", "C:\\a?.txt", "\\\\?\\C:\\*.txt", "C:/dir/lpt2"})
        EXPECT_FALSE(isWatchablePath(Wide932(path))) << path;
}

// Writes and deletes the file over and over while the test looks at it.
DWORD WINAPI Churn(void* argument) {
    const std::string& path = *static_cast<const std::string*>(argument);
    for (int version = 0; version < 300; ++version) {
        WriteFileBytes(path, "version " + std::to_string(version));
        Sleep(version % 3);
        DeleteFileA(path.c_str());
    }
    return 0;
}

TEST_F(HostileFile, FileDeletedAndWrittenWhileLookedAtGivesWholeVersionsOrNothing) {
    TextFileWatch watch;
    HANDLE churn = CreateThread(nullptr, 0, Churn, &path, 0, nullptr);
    ASSERT_TRUE(churn);
    std::wstring text;
    int looks = 0;
    while (WaitForSingleObject(churn, 0) == WAIT_TIMEOUT && looks < 100000) {
        ++looks;
        if (!checkTextFile(1, Wide932(path), watch, text)) {
            EXPECT_EQ(L"", text);
            continue;
        }
        ASSERT_EQ(0u, text.rfind(L"version ", 0)) << text;
        EXPECT_EQ(std::wstring::npos, text.find_first_not_of(L"0123456789", 8)) << text;
    }
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(churn, 60000));
    CloseHandle(churn);

    // Once the churn is over the next version is read as usual.
    // Minutes after the support's fixed moment: decades from now, later than any churned version.
    ASSERT_TRUE(WriteFileAtMinute(path, "final", 20000000));
    EXPECT_TRUE(checkTextFile(1, Wide932(path), watch, text));
    EXPECT_EQ(L"final", text);
}

// Last: the peaks move at all when memory is really taken.
TEST(PeakMemoryMeasure, ShowsMemoryTaken) {
    std::vector<char> taken;
    const Peaks growth = PeakGrowth([&] {
        taken.assign(static_cast<size_t>(4 * kMemoryAllowance), 'x');
    });
    EXPECT_GT(std::max(growth.workingSet, growth.pagefile), 2 * kMemoryAllowance);
}

}  // namespace
