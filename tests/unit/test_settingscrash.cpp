// A process saving a 5,000-item list over and over is killed at random moments: after every
// kill the settings file must be exactly the version before or after the save it was in. Two
// such processes saving at once never make each other's saves fail.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <random>
#include <string>

#include "tests/support/KirunnerProcess.h"
#include "tests/support/SettingsCompare.h"
#include "tests/support/TempDir.h"

using namespace testing_support;

namespace {

const int kItems = 5000;
const int kKills = 40;
const unsigned kSeed = 14;
const DWORD kLatestKillMs = 1000;

std::string SaverPath() {
    const char* path = std::getenv("SETTINGS_SAVER_EXE");
    return path ? HostPathToWindows(path) : std::string();
}

// The file that one save of `version` leaves, whichever version was there before.
std::string SavedBytes(int version) {
    TempDir dir;
    Settings s;
    s.captions = NumberedCaptions(kItems, kCrashTestTextBytes, version);
    EXPECT_TRUE(SaveWithWriter(dir.file("Kirunner.ini"), s));
    return ReadFileBytes(dir.file("Kirunner.ini"));
}

class Saver {
public:
    Saver(const std::string& exe, const std::string& ini, const std::string& marker) {
        std::string command = "\"" + exe + "\" \"" + ini + "\" " + std::to_string(kItems) + " \"" + marker + "\"";
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        m_started = CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                                   &m_info) != FALSE;
    }
    ~Saver() {
        if (!m_started) return;
        TerminateProcess(m_info.hProcess, 1);
        WaitForSingleObject(m_info.hProcess, 10000);
        CloseHandle(m_info.hThread);
        CloseHandle(m_info.hProcess);
    }
    bool started() const { return m_started; }
    bool running() const { return WaitForSingleObject(m_info.hProcess, 0) == WAIT_TIMEOUT; }
    bool kill() {
        return TerminateProcess(m_info.hProcess, 1) && WaitForSingleObject(m_info.hProcess, 10000) == WAIT_OBJECT_0;
    }

private:
    PROCESS_INFORMATION m_info{};
    bool m_started = false;
};

TEST(SettingsCrash, KilledInTheMiddleOfSavesLeavesTheOldOrTheNewFile) {
    const std::string exe = SaverPath();
    ASSERT_FALSE(exe.empty()) << "SETTINGS_SAVER_EXE is not set";
    const std::string versions[2] = {SavedBytes(0), SavedBytes(1)};
    ASSERT_NE(versions[0], versions[1]);
    ASSERT_GT(versions[0].size(), static_cast<size_t>(kItems) * kCrashTestTextBytes * 2);

    TempDir dir;
    const std::string ini = dir.file("Kirunner.ini");
    const std::string marker = dir.file("started");
    ASSERT_TRUE(WriteFileBytes(ini, versions[0]));
    std::mt19937 random(kSeed);
    int seen[2] = {0, 0};
    int midSave = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        DeleteFileA(marker.c_str());
        Saver saver(exe, ini, marker);
        ASSERT_TRUE(saver.started());
        ASSERT_TRUE(WaitUntil([&] { return FileExists(marker) || !saver.running(); }, 30000, 5));
        ASSERT_TRUE(saver.running()) << "the saver stopped by itself";
        Sleep(static_cast<DWORD>(random() % kLatestKillMs));
        ASSERT_TRUE(saver.kill());

        const std::string bytes = ReadFileBytes(ini);
        const bool isOld = bytes == versions[0];
        const bool isNew = bytes == versions[1];
        ASSERT_TRUE(isOld || isNew) << "kill " << kill << ": a file of " << bytes.size() << " bytes, neither version"
                                    << (FileExists(ini) ? "" : " (no file)") << (TemporaryFilesBeside(ini) ? " (temporary file there)" : "");
        ++seen[isNew ? 1 : 0];
        if (TemporaryFilesBeside(ini) > 0) ++midSave;
        ASSERT_EQ(kItems, LoadWithReader(ini).captions.count()) << "kill " << kill;
    }
    // Both versions were found, so the kills fell among saves, not only before the first.
    EXPECT_GT(seen[0], 0);
    EXPECT_GT(seen[1], 0);
    std::printf("%d kills: old version %d, new version %d, %d during a write of the temporary file\n", kKills,
                seen[0], seen[1], midSave);
}

TEST(SettingsCrash, TwoWritersAtOnceNeverFailEachOthersSaves) {
    const std::string exe = SaverPath();
    ASSERT_FALSE(exe.empty()) << "SETTINGS_SAVER_EXE is not set";
    TempDir dir;
    const std::string ini = dir.file("Kirunner.ini");
    ASSERT_TRUE(WriteFileBytes(ini, SavedBytes(0)));
    Saver first(exe, ini, dir.file("first")), second(exe, ini, dir.file("second"));
    ASSERT_TRUE(first.started() && second.started());
    ASSERT_TRUE(WaitUntil([&] { return FileExists(dir.file("first")) && FileExists(dir.file("second")); }, 30000, 5));
    // A saver stops by itself only when a save fails.
    EXPECT_FALSE(WaitUntil([&] { return !first.running() || !second.running(); }, 3000, 20));
    ASSERT_TRUE(first.kill() && second.kill());
    EXPECT_EQ(kItems, LoadWithReader(ini).captions.count());
}

}  // namespace
