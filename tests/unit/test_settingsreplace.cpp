// A save that cannot put its new file in place leaves the old file as it was, removes its
// temporary file and tells the operator once.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>

#include "tests/support/DialogDriver.h"
#include "tests/support/SettingsCompare.h"
#include "tests/support/TempDir.h"

using namespace testing_support;

namespace {

const char kSaveFailed[] = "設定ファイルに保存できませんでした\n";

Settings Items(int n) {
    Settings s;
    s.captions = NumberedCaptions(n, 20, n);
    return s;
}

TEST(SettingsReplace, FailedSavesKeepTheOldFileAndLeaveNoTemporaryFile) {
    struct Obstacle {
        const char* what;
        std::function<HANDLE(const std::string& ini, const std::string& temporary)> place;
    };
    const Obstacle obstacles[] = {
        {"settings file open for reading only, no sharing of writes or deletion",
         [](const std::string& ini, const std::string&) {
             return CreateFileA(ini.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
         }},
        {"temporary name held by a folder",
         [](const std::string&, const std::string& temporary) {
             CreateDirectoryA(temporary.c_str(), nullptr);
             return INVALID_HANDLE_VALUE;
         }},
        {"temporary name held open by another program",
         [](const std::string&, const std::string& temporary) {
             return CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
         }},
    };
    for (const Obstacle& obstacle : obstacles) {
        TempDir dir;
        const std::string ini = dir.file("Kirunner.ini");
        const std::string temporary = ini + ".tmp";
        ASSERT_TRUE(SaveWithWriter(ini, Items(2)));
        const std::string before = ReadFileBytes(ini);
        HANDLE held = obstacle.place(ini, temporary);
        const bool temporaryWasThere = FileExists(temporary);

        MessageBoxRecorder boxes;
        EXPECT_FALSE(SaveWithWriter(ini, Items(3))) << obstacle.what;
        if (held != INVALID_HANDLE_VALUE) CloseHandle(held);
        EXPECT_EQ(before, ReadFileBytes(ini)) << obstacle.what;
        EXPECT_EQ(temporaryWasThere, FileExists(temporary)) << obstacle.what;
        ASSERT_EQ(1u, boxes.shown().size()) << obstacle.what;
        EXPECT_EQ(kSaveFailed + ini, boxes.shown()[0].text) << obstacle.what;
    }
}

TEST(SettingsReplace, TemporaryFileLeftByACrashIsReplacedAndGone) {
    TempDir dir;
    const std::string ini = dir.file("Kirunner.ini");
    ASSERT_TRUE(SaveWithWriter(ini, Items(2)));
    ASSERT_TRUE(WriteFileBytes(ini + ".tmp", "[SYSTEM]\r\nITEMCOUNT=9\r\n[ITEM0]\r\nSTRINGS=4"));
    ASSERT_TRUE(SaveWithWriter(ini, Items(3)));
    EXPECT_FALSE(FileExists(ini + ".tmp"));
    ExpectSameSettings(Items(3), LoadWithReader(ini), "after the save");
}

}  // namespace
