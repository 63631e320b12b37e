// A settings file that exists but cannot be read at start: a hold that ends within the wait
// costs nothing; a longer one leaves the list on disk untouched until the file can be read
// again and the operator chooses to replace it.
#include <gtest/gtest.h>

#include "framework/WideText.h"

#include "panel/GuardedSettings.h"
#include "tests/support/DialogDriver.h"
#include "tests/support/HeldFile.h"
#include "tests/support/SettingsCompare.h"
#include "tests/support/StdoutCapture.h"

using namespace testing_support;

namespace {

const std::string kUnreadable =
    "設定ファイルを読み込めませんでした。リストを守るため、読み込めるまで設定ファイルには保存しません\n";

Settings Items(int n) {
    Settings s;
    s.captions = NumberedCaptions(n, 20, n);
    return s;
}

DWORD WINAPI ReleaseSoon(void* hold) {
    Sleep(400);
    static_cast<HeldFile*>(hold)->Release();
    return 0;
}

TEST(SettingsGuard, LoadWaitsForAShortHoldAndNamesALongOne) {
    const struct {
        bool shortHold, quiet;
    } cases[] = {{true, false}, {false, false}, {false, true}};
    for (const auto& c : cases) {
        TempDir dir;
        const std::string ini = dir.file("Kirunner.ini");
        ASSERT_TRUE(SaveWithWriter(ini, Items(4)));
        HeldFile hold(ini, GENERIC_READ, 0);
        HANDLE release = c.shortHold ? CreateThread(nullptr, 0, ReleaseSoon, &hold, 0, nullptr) : nullptr;
        MessageBoxRecorder boxes;
        StdoutCapture output;
        GuardedSettings file;
        Settings s;
        file.load(fw::WideFromCodePage932(ini), s.appearance, s.captions, s.fileInterface);
        if (file.guarded()) file.reportUnreadable(fw::WideFromCodePage932(ini), c.quiet);
        if (release) WaitForSingleObject(release, INFINITE);
        if (release) CloseHandle(release);
        const std::vector<std::string> told = c.shortHold ? std::vector<std::string>() : std::vector<std::string>{kUnreadable + ini};
        EXPECT_EQ(!c.shortHold, file.guarded()) << c.shortHold;
        EXPECT_EQ(c.shortHold ? 4 : 0, s.captions.count()) << c.shortHold;
        EXPECT_EQ(c.quiet ? std::vector<std::string>() : told, boxes.texts()) << c.quiet;
        EXPECT_EQ(c.quiet ? told[0] + "\n" : "", output.text()) << c.quiet;
    }
}

TEST(SettingsGuard, FileUnreadableAtStartIsNotWrittenUntilTheOperatorSaysSo) {
    TempDir dir;
    const std::string ini = dir.file("Kirunner.ini");
    ASSERT_TRUE(SaveWithWriter(ini, Items(4)));
    const std::string onDisk = ReadFileBytes(ini);
    HeldFile hold(ini, GENERIC_READ, 0);
    MessageBoxRecorder boxes(IDNO);
    GuardedSettings file;
    Settings s;
    file.load(fw::WideFromCodePage932(ini), s.appearance, s.captions, s.fileInterface);
    file.reportUnreadable(fw::WideFromCodePage932(ini), false);
    const auto save = [&](int items) {
        const Settings page = Items(items);
        return file.save(fw::WideFromCodePage932(ini), page.appearance, page.captions, page.fileInterface);
    };
    EXPECT_FALSE(save(1)) << "still held";
    hold.Release();
    EXPECT_FALSE(save(1)) << "いいえ";
    EXPECT_EQ(onDisk, ReadFileBytes(ini));
    boxes.SetAnswer(IDYES);
    EXPECT_TRUE(save(1)) << "はい";
    EXPECT_TRUE(save(2)) << "no longer guarded: no question";
    ExpectSameSettings(Items(2), LoadWithReader(ini), "after the operator chose the page's list");
    const std::string readable =
        "設定ファイルを読み込めるようになりました。画面の内容で上書きしますか？（いいえ：設定ファイルはそのまま）\n" + ini;
    EXPECT_EQ((std::vector<std::string>{kUnreadable + ini, "設定ファイルを読み込めないため、保存しませんでした\n" + ini,
                                        readable, readable}),
              boxes.texts());
    EXPECT_EQ(static_cast<UINT>(MB_DEFBUTTON2), boxes.shown()[2].type & MB_DEFMASK) << "いいえ is the default";
}

// Read again while held, once let go, and once let go after the operator changed something:
// only a page the operator has left alone takes the file's list, and without a question.
TEST(SettingsGuard, ReadAgainTakesTheFileOnlyWhileThePageIsUnchanged) {
    const struct {
        bool released, changed;
    } cases[] = {{false, false}, {true, false}, {true, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.released ? "let go" : "held") + (c.changed ? ", changed" : ""));
        TempDir dir;
        const std::wstring ini = fw::WideFromCodePage932(dir.file("Kirunner.ini"));
        ASSERT_TRUE(SaveWithWriter(dir.file("Kirunner.ini"), Items(4)));
        HeldFile hold(dir.file("Kirunner.ini"), GENERIC_READ, 0);
        MessageBoxRecorder boxes;
        GuardedSettings file;
        Settings start;
        file.load(ini, start.appearance, start.captions, start.fileInterface);
        if (c.changed) file.save(ini, start.appearance, start.captions, start.fileInterface);  // refused: held
        if (c.released) hold.Release();
        Settings again;
        const bool read = file.readAgain(ini, again.appearance, again.captions, again.fileInterface);
        EXPECT_EQ(c.released && !c.changed, read);
        EXPECT_EQ(read ? 4 : 0, again.captions.count());
        EXPECT_EQ(!read, file.guarded());
        EXPECT_EQ(c.changed ? 1u : 0u, boxes.texts().size()) << "no question here: only a save asks";
    }
}

}  // namespace
