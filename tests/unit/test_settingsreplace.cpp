// A save that cannot put its new file in place leaves the old file as it was, removes its
// temporary file and tells the operator once; one that another program's hold or a leftover
// temporary file would have stopped still lands, and the new file keeps the old one's
// attributes.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "tests/support/DialogDriver.h"
#include "tests/support/HeldFile.h"
#include "tests/support/SettingsCompare.h"
#include "tests/support/TempDir.h"
#include "tests/support/UnixSide.h"

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
        EXPECT_EQ(temporaryWasThere ? 1 : 0, TemporaryFilesBeside(ini)) << obstacle.what;
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

TEST(SettingsReplace, SavesLandDespiteHoldsAndLeftoversOfOtherWriters) {
    const DWORD kNoHold = ~0u;
    const struct {
        const char* what;
        const char* suffix;  // of the obstacle's name after the settings file's
        bool folder;
        DWORD holdSharing;
        DWORD attributes;
    } obstacles[] = {
        {"a viewer holds the file, sharing reads and writes", "", false, FILE_SHARE_READ | FILE_SHARE_WRITE, 0},
        {"a reader holds the file, sharing everything", "", false, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, 0},
        {"old fixed temporary name held by a folder", ".tmp", true, kNoHold, 0},
        {"old fixed temporary name held open by another program", ".tmp", false, 0, 0},
        {"hidden read-only leftover of the old fixed name", ".tmp", false, kNoHold, FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY},
        {"read-only leftover of an ended writer", ".99999999-3.tmp", false, kNoHold, FILE_ATTRIBUTE_READONLY},
    };
    for (const auto& obstacle : obstacles) {
        TempDir dir;
        const std::string ini = dir.file("Kirunner.ini");
        const std::string placed = ini + obstacle.suffix;
        ASSERT_TRUE(SaveWithWriter(ini, Items(2)));
        const bool file = *obstacle.suffix && !obstacle.folder;
        ASSERT_TRUE(!obstacle.folder || CreateDirectoryA(placed.c_str(), nullptr));
        ASSERT_TRUE(!file || WriteFileBytes(placed, "[SYSTEM]\r\nITEMCOUNT=9\r\n"));
        ASSERT_TRUE(!obstacle.attributes || SetFileAttributesA(placed.c_str(), obstacle.attributes));
        HeldFile hold(obstacle.holdSharing == kNoHold ? std::string() : placed, GENERIC_READ, obstacle.holdSharing);
        MessageBoxRecorder boxes;
        EXPECT_TRUE(SaveWithWriter(ini, Items(3))) << obstacle.what;
        EXPECT_TRUE(boxes.shown().empty()) << obstacle.what;
        hold.Release();
        ExpectSameSettings(Items(3), LoadWithReader(ini), obstacle.what);
        EXPECT_EQ(file && FileExists(placed) ? 1 : 0, TemporaryFilesBeside(ini)) << obstacle.what << ": the save's own are gone";
    }
}

TEST(SettingsReplace, LoadRemovesOnlyTheLeftoversOfEndedWriters) {
    const std::string own = "." + std::to_string(GetCurrentProcessId()) + "-99.tmp";
    const struct {
        const char* name;
        bool removed;
    } files[] = {
        {".tmp", true}, {".99999997-12.tmp", true}, {".99999999-1.TMP", true}, {".tmp.tmp", false},
        {".12-.tmp", false}, {".1x-2.tmp", false}, {".backup.tmp", false}, {own.c_str(), false},
    };
    TempDir dir;
    const std::string ini = dir.file("Kirunner.ini");
    for (const auto& f : files) ASSERT_TRUE(WriteFileBytes(ini + f.name, "x")) << f.name;
    SetFileAttributesA((ini + ".tmp").c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY);
    LoadWithReader(ini);
    for (const auto& f : files) EXPECT_EQ(f.removed, !FileExists(ini + f.name)) << f.name;
}

// A folder where the settings file may be written but no file made (a locked-down folder): the
// save writes the file itself, as a per-key writer would; with no file there, nothing can be
// saved and the operator is told.
TEST(SettingsReplace, LockedFolderTakesTheSaveInTheFileItself) {
    for (const bool fileThere : {true, false}) {
        SCOPED_TRACE(fileThere ? "file there" : "no file");
        TempDir dir;
        const std::string ini = dir.file("Kirunner.ini");
        if (fileThere) {
            ASSERT_TRUE(SaveWithWriter(ini, Items(2)));
        }
        LockedFolder locked(dir.path());
        if (!locked.locked()) {
            GTEST_SKIP() << locked.whyNot();
        }

        MessageBoxRecorder boxes;
        EXPECT_EQ(fileThere, SaveWithWriter(ini, Items(3)));
        if (fileThere) {
            EXPECT_TRUE(boxes.shown().empty());
            ExpectSameSettings(Items(3), LoadWithReader(ini), "after the save");
        } else {
            ASSERT_EQ(1u, boxes.shown().size());
            EXPECT_EQ(kSaveFailed + ini, boxes.shown()[0].text);
            EXPECT_FALSE(FileExists(ini));
        }
        EXPECT_EQ(0, TemporaryFilesBeside(ini));
    }
}

// A settings file that is a symbolic link (in Wine, a Linux link in the folder) stays one: the
// save lands in the file it points to, wherever that is.
TEST(SettingsReplace, LinkStaysALinkAndItsFileTakesTheSave) {
    enum Target { Beside, Elsewhere, ThroughASecondLink };
    for (const Target target : {Beside, Elsewhere, ThroughASecondLink}) {
        SCOPED_TRACE(target);
        TempDir dir;
        TempDir elsewhere;
        const std::string link = dir.file("Kirunner.ini");
        const std::string file = target == Beside ? dir.file("real.ini") : elsewhere.file("shared.ini");
        ASSERT_TRUE(SaveWithWriter(file, Items(2)));
        // The link holds a name in its own folder, or a Linux path.
        std::optional<SymbolicLink> middle;
        if (target == ThroughASecondLink) middle.emplace(UnixPathOf(file), dir.file("middle.ini"));
        const std::string stored = target == Beside ? "real.ini" : target == Elsewhere ? UnixPathOf(file) : "middle.ini";
        const SymbolicLink settings(stored, link);
        if (!settings.made()) {
            GTEST_SKIP() << "no symbolic link could be made (not under Wine?)";
        }
        MessageBoxRecorder boxes;
        EXPECT_TRUE(SaveWithWriter(link, Items(3)));
        EXPECT_TRUE(boxes.shown().empty());
        ExpectSameSettings(Items(3), LoadWithReader(file), "the file the link names");
        // Still a link: what its file holds now is what the link reads.
        ASSERT_TRUE(WriteFileBytes(file, "[SYSTEM]\r\nITEMCOUNT=0\r\n"));
        EXPECT_EQ("[SYSTEM]\r\nITEMCOUNT=0\r\n", ReadFileBytes(link));
        EXPECT_EQ(0, TemporaryFilesBeside(link));
        EXPECT_EQ(0, TemporaryFilesBeside(file));
    }
}

// Wine keeps hidden, system and archive but not "not indexed", and it stores no access list
// (it shows one made from the Unix permissions): what the old file really had must stay.
TEST(SettingsReplace, NewFileKeepsTheAttributesOfTheOld) {
    const DWORD kept[] = {FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_HIDDEN,
                          FILE_ATTRIBUTE_NOT_CONTENT_INDEXED | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE};
    for (DWORD attributes : kept) {
        TempDir dir;
        const std::string ini = dir.file("Kirunner.ini");
        ASSERT_TRUE(SaveWithWriter(ini, Items(2)));
        ASSERT_TRUE(SetFileAttributesA(ini.c_str(), attributes));
        const DWORD before = GetFileAttributesA(ini.c_str());
        ASSERT_TRUE(before & FILE_ATTRIBUTE_HIDDEN) << attributes;
        ASSERT_TRUE(SaveWithWriter(ini, Items(3)));
        ExpectSameSettings(Items(3), LoadWithReader(ini), "after the save");
        EXPECT_EQ(before, GetFileAttributesA(ini.c_str())) << attributes;
    }
}

}  // namespace
