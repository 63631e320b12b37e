// A save that cannot put its new file in place leaves the old file as it was, removes its
// temporary file and tells the operator once; one that another program's hold or a leftover
// temporary file would have stopped still lands, and the new file keeps the old one's
// attributes and access list.
#include <gtest/gtest.h>

#include <windows.h>

#include <sddl.h>

#include <functional>
#include <string>

#include "tests/support/DialogDriver.h"
#include "tests/support/HeldFile.h"
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
    struct Obstacle {
        const char* what;
        std::function<HANDLE(const std::string& ini)> place;
    };
    const auto leftover = [](const std::string& name, DWORD attributes) {
        return [=](const std::string& ini) {
            WriteFileBytes(ini + name, "[SYSTEM]\r\nITEMCOUNT=9\r\n");
            SetFileAttributesA((ini + name).c_str(), attributes);
            return INVALID_HANDLE_VALUE;
        };
    };
    const Obstacle obstacles[] = {
        {"a viewer holds the file, sharing reads and writes", [](const std::string& ini) {
             return CreateFileA(ini.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
         }},
        {"a reader holds the file, sharing everything", [](const std::string& ini) {
             return CreateFileA(ini.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, 0, nullptr);
         }},
        {"old fixed temporary name held by a folder", [](const std::string& ini) {
             CreateDirectoryA((ini + ".tmp").c_str(), nullptr);
             return INVALID_HANDLE_VALUE;
         }},
        {"old fixed temporary name held open by another program", [](const std::string& ini) {
             return CreateFileA((ini + ".tmp").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
         }},
        {"hidden read-only leftover of the old fixed name",
         leftover(".tmp", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY)},
        {"read-only leftover of an ended writer", leftover(".99999999-3.tmp", FILE_ATTRIBUTE_READONLY)},
    };
    for (const Obstacle& obstacle : obstacles) {
        TempDir dir;
        const std::string ini = dir.file("Kirunner.ini");
        ASSERT_TRUE(SaveWithWriter(ini, Items(2)));
        HANDLE held = obstacle.place(ini);
        MessageBoxRecorder boxes;
        EXPECT_TRUE(SaveWithWriter(ini, Items(3))) << obstacle.what;
        EXPECT_TRUE(boxes.shown().empty()) << obstacle.what;
        if (held != INVALID_HANDLE_VALUE) CloseHandle(held);
        ExpectSameSettings(Items(3), LoadWithReader(ini), obstacle.what);
        RemoveDirectoryA((ini + ".tmp").c_str());
        EXPECT_EQ(0, TemporaryFilesBeside(ini)) << obstacle.what;
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

// The file's access list as text; empty when it cannot be read.
std::string AccessList(const std::string& path) {
    char stored[1024];
    DWORD needed = 0;
    char* text = nullptr;
    if (!GetFileSecurityA(path.c_str(), DACL_SECURITY_INFORMATION, stored, sizeof stored, &needed) ||
        !ConvertSecurityDescriptorToStringSecurityDescriptorA(stored, SDDL_REVISION_1, DACL_SECURITY_INFORMATION,
                                                              &text, nullptr))
        return std::string();
    std::string list(text);
    LocalFree(text);
    return list;
}

// Wine keeps hidden, system and archive but neither "not indexed" nor a set access list (it
// shows one made from the Unix permissions): what the old file really had is what must stay.
TEST(SettingsReplace, NewFileKeepsTheAttributesAndAccessListOfTheOld) {
    const DWORD kept[] = {FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_HIDDEN,
                          FILE_ATTRIBUTE_NOT_CONTENT_INDEXED | FILE_ATTRIBUTE_ARCHIVE};
    const char kAccessList[] = "D:P(A;;FA;;;WD)(A;;FR;;;BU)";
    for (DWORD attributes : kept) {
        TempDir dir;
        const std::string ini = dir.file("Kirunner.ini");
        ASSERT_TRUE(SaveWithWriter(ini, Items(2)));
        ASSERT_TRUE(SetFileAttributesA(ini.c_str(), attributes));
        PSECURITY_DESCRIPTOR wanted = nullptr;
        ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorA(kAccessList, SDDL_REVISION_1, &wanted, nullptr));
        ASSERT_TRUE(SetFileSecurityA(ini.c_str(), DACL_SECURITY_INFORMATION, wanted));
        LocalFree(wanted);
        const DWORD before = GetFileAttributesA(ini.c_str());
        ASSERT_TRUE(before & FILE_ATTRIBUTE_HIDDEN || attributes == kept[2]);
        const std::string accessBefore = AccessList(ini);
        ASSERT_FALSE(accessBefore.empty());

        ASSERT_TRUE(SaveWithWriter(ini, Items(3)));
        ExpectSameSettings(Items(3), LoadWithReader(ini), "after the save");
        EXPECT_EQ(before, GetFileAttributesA(ini.c_str())) << attributes;
        EXPECT_EQ(accessBefore, AccessList(ini)) << attributes;
    }
}

}  // namespace
