// A settings file that exists but cannot be read at start: a hold that ends within the wait
// costs nothing; a longer one leaves the list on disk untouched until the file can be read
// again and the operator chooses to replace it.
#include <gtest/gtest.h>

#include <windows.h>

#include "panel/GuardedSettings.h"
#include "tests/support/DialogDriver.h"
#include "tests/support/HeldFile.h"
#include "tests/support/SettingsCompare.h"
#include "tests/support/StdoutCapture.h"
#include "tests/support/TempDir.h"

using namespace testing_support;

namespace {

const char kUnreadable[] =
    "設定ファイルを読み込めませんでした。リストを守るため、読み込めるまで設定ファイルには保存しません\n";
const char kStillUnreadable[] = "設定ファイルを読み込めないため、保存しませんでした\n";
const char kReadableAgain[] =
    "設定ファイルを読み込めるようになりました。画面の内容で上書きしますか？（いいえ：設定ファイルはそのまま）\n";

Settings Items(int n) {
    Settings s;
    s.captions = NumberedCaptions(n, 20, n);
    return s;
}

struct Page {
    GuardedSettings file;
    Settings settings;
    void load(const std::string& ini, bool quiet = false) {
        file.load(ini, settings.appearance, settings.captions, settings.fileInterface, quiet);
    }
    bool save(const std::string& ini, const Settings& s) {
        return file.save(ini, s.appearance, s.captions, s.fileInterface);
    }
};

DWORD WINAPI ReleaseSoon(void* hold) {
    Sleep(400);
    static_cast<HeldFile*>(hold)->Release();
    return 0;
}

TEST(SettingsGuard, HoldEndingWithinTheWaitLoadsTheList) {
    const struct {
        const char* what;
        DWORD share;
        bool locked;
    } holds[] = {{"no sharing", 0, false}, {"locked range", FILE_SHARE_READ | FILE_SHARE_WRITE, true}};
    for (const auto& h : holds) {
        TempDir dir;
        const std::string ini = dir.file("Kirunner.ini");
        ASSERT_TRUE(SaveWithWriter(ini, Items(4)));
        HeldFile hold(ini, GENERIC_READ | GENERIC_WRITE, h.share);
        ASSERT_TRUE(hold.held());
        ASSERT_TRUE(!h.locked || LockFile(hold.handle(), 0, 0, MAXDWORD, MAXDWORD));
        HANDLE release = CreateThread(nullptr, 0, ReleaseSoon, &hold, 0, nullptr);
        ASSERT_TRUE(release);
        MessageBoxRecorder boxes;
        Page page;
        page.load(ini);
        WaitForSingleObject(release, INFINITE);
        CloseHandle(release);
        EXPECT_TRUE(boxes.shown().empty()) << h.what;
        EXPECT_FALSE(page.file.guarded()) << h.what;
        ExpectSameSettings(Items(4), page.settings, "loaded once the hold ended");
    }
}

TEST(SettingsGuard, FileUnreadableAtStartIsNotWrittenUntilTheOperatorSaysSo) {
    TempDir dir;
    const std::string ini = dir.file("Kirunner.ini");
    ASSERT_TRUE(SaveWithWriter(ini, Items(4)));
    const std::string onDisk = ReadFileBytes(ini);
    HeldFile hold(ini, GENERIC_READ, 0);
    ASSERT_TRUE(hold.held());
    MessageBoxRecorder boxes(IDNO);
    Page page;
    page.load(ini);
    EXPECT_EQ(0, page.settings.captions.count());
    EXPECT_FALSE(page.save(ini, Items(1))) << "still held";
    hold.Release();
    EXPECT_FALSE(page.save(ini, Items(1))) << "いいえ";
    EXPECT_EQ(onDisk, ReadFileBytes(ini));
    boxes.SetAnswer(IDYES);
    EXPECT_TRUE(page.save(ini, Items(1))) << "はい";
    EXPECT_TRUE(page.save(ini, Items(2))) << "no longer guarded: no question";
    ExpectSameSettings(Items(2), LoadWithReader(ini), "after the operator chose the page's list");
    EXPECT_EQ((std::vector<std::string>{kUnreadable + ini, kStillUnreadable + ini, kReadableAgain + ini,
                                        kReadableAgain + ini}),
              boxes.texts());
}

TEST(SettingsGuard, QuietLoadNamesTheFileOnTheStandardOutput) {
    TempDir dir;
    const std::string ini = dir.file("Kirunner.ini");
    ASSERT_TRUE(SaveWithWriter(ini, Items(4)));
    HeldFile hold(ini, GENERIC_READ, 0);
    MessageBoxRecorder boxes;
    StdoutCapture output;
    Page page;
    page.load(ini, true);
    EXPECT_TRUE(page.file.guarded());
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_EQ(kUnreadable + ini + "\n", output.text());
}

}  // namespace
