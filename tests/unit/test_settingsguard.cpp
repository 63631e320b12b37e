// A settings file that exists but cannot be read at start: a hold that ends within the wait
// costs nothing; a longer one leaves the list on disk untouched until the file can be read
// again, and then the operator's list replaces it only when the operator chooses so.
#include <gtest/gtest.h>

#include "framework/WideText.h"

#include "control/GuardedSettings.h"
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
        file.load(fw::WideFromCodePage932(ini), recordsOf(s));
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
    file.load(fw::WideFromCodePage932(ini), recordsOf(s));
    file.reportUnreadable(fw::WideFromCodePage932(ini), false);
    const auto save = [&](int items) {  // as the program's own save: the file read again first, asking
        StoredSettings page = Items(items);
        file.changed(settings_parts::kList);
        file.readAgain(fw::WideFromCodePage932(ini), page, &messageBoxes());
        return file.save(fw::WideFromCodePage932(ini), recordsOf(page));
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

// Read again while held, and once let go: every part the operator left alone comes from the
// file, every part the operator changed stays the page's. Only a list of the operator's own beside
// another one in the file needs an answer; without one to ask, nothing is taken.
TEST(SettingsGuard, ReadAgainTakesFromTheFileWhatTheOperatorLeftAlone) {
    using namespace settings_parts;
    const int kFileColour = 2, kPageColour = 3;
    const struct {
        const char* what;
        bool released;
        unsigned changed;
        int pageItems, answer;  // answer 0: no one to ask
        bool read;
        int items, colour;      // the page's afterwards
    } cases[] = {
        {"held", false, 0, 0, 0, false, 0, 0},
        {"let go, untouched", true, 0, 0, 0, true, 4, kFileColour},
        {"let go, the look changed", true, kLook, 0, 0, true, 4, kPageColour},
        {"let go, the list changed and emptied again", true, kList, 0, 0, true, 4, kFileColour},
        {"let go, a list of the page's own, no one to ask", true, kList, 1, 0, false, 1, 0},
        {"let go, a list of the page's own, いいえ", true, kList, 1, IDNO, false, 1, 0},
        {"let go, a list and the look of the page's own, はい", true, kList | kLook, 1, IDYES, true, 1, kPageColour},
        {"let go, the file's list entered again", true, kList, 4, 0, true, 4, kFileColour},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        const std::wstring ini = fw::WideFromCodePage932(dir.file("Kirunner.ini"));
        Settings stored = Items(4);
        stored.lanes[0].colorChoice = kFileColour;
        ASSERT_TRUE(SaveWithWriter(dir.file("Kirunner.ini"), stored));
        HeldFile hold(dir.file("Kirunner.ini"), GENERIC_READ, 0);
        MessageBoxRecorder boxes(c.answer);
        GuardedSettings file;
        StoredSettings page;
        file.load(ini, recordsOf(page));
        page.captions = Items(c.pageItems).captions;
        if (c.changed & kLook) page.lanes[0].colorChoice = kPageColour;
        file.changed(c.changed);
        if (c.released) hold.Release();
        EXPECT_EQ(c.read, file.readAgain(ini, page, c.answer ? &messageBoxes() : nullptr));
        EXPECT_EQ(!c.read, file.guarded());
        EXPECT_EQ(c.items, page.captions.count());
        EXPECT_EQ(c.colour, page.lanes[0].colorChoice);
        EXPECT_EQ(c.answer ? 1u : 0u, boxes.texts().size()) << "asked only where each holds a list of its own";
    }
}

}  // namespace
