// The control page's side of the text-file interface, with the page created for real as the
// child of a test window in a folder of its own: the settings dialog taken over (baseline kept
// or renewed, the "FILE" section saved) and the once-a-second check putting the file's text on
// air under the text-file caption's key. The test ticks the check itself.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "TempDir.h"
#include "display/KirunWin.h"
#include "tests/support/StripRig.h"
#include "panel/ControlDlg.h"
#include "resource.h"
#include "tests/support/DialogDriver.h"
#include "tests/support/FileLooks.h"
#include "tests/support/PageHost.h"
#include "Cp932.h"

using namespace testing_support;

namespace {


const char kShowFileNow[] = "ファイルにあるテキストを今すぐ表示しますか？";

std::string FileSection(int exec, int minute, const std::string& path) {
    return "[FILE]\r\nEXEC=" + std::to_string(exec) + "\r\nMINUTE=" + std::to_string(minute) +
           "\r\nPATH=" + path + "\r\n";
}

DialogStep SetCheck(int id, bool checked) {
    return [id, checked](HWND d) { CheckDlgButton(d, id, checked ? BST_CHECKED : BST_UNCHECKED); };
}

class FilePage : public ::testing::Test {
protected:
    void TearDown() override {
        host.Close();
        EXPECT_EQ(expectedMessages, boxes.texts()) << "no other message was expected";
    }

    // Opens the page on a settings file with nothing but `settings` in it, or on the folder as
    // it stands when `settings` is empty (no file, or the one an earlier page saved).
    void Open(const std::string& settings) {
        ASSERT_TRUE(settings.empty() ? host.Reopen() : host.Open(settings));
        page = host.page();
    }

    // Closes the page as the program's end does.
    bool Close() {
        page = nullptr;
        return host.Close();
    }

    void OpenWatching(const std::string& path, int minute) { Open(FileSection(1, minute, path)); }

    // One tick of the watched file's clock (and of the settings file's looks), and the end of the look it started.
    void Tick() {
        host.host()->lookOnce();
        EXPECT_TRUE(FinishFileLook(*page));
    }

    // Presses "ファイルインタフェース設定"; the settings dialog then runs `steps`.
    void FileInterfaceDialog(std::vector<DialogStep> steps) {
        driver.Expect(std::move(steps));
        int opened = driver.DialogsOpened();
        HWND button = page->GetDlgItem(IDC_FILE_INTERFACE);
        SendMessageA(page->Hwnd(), WM_COMMAND, MAKEWPARAM(IDC_FILE_INTERFACE, BN_CLICKED),
                     reinterpret_cast<LPARAM>(button));
        ASSERT_EQ(opened + 1, driver.DialogsOpened());
    }

    const ScheduledCaption* FileCaption() const { return host.host()->show().laneOf(1).schedule().find(caption_ids::kFile); }

    PageHost host;
    const TempDir& dir = host.dir();
    std::string ini = dir.file("Kirunner.ini");
    std::string news = dir.file("news.txt");
    MessageBoxRecorder boxes;
    std::vector<std::string> expectedMessages;
    DialogDriver driver;
    CControlDlg* page = nullptr;
};

TEST_F(FilePage, NewerFilesGoOnAirAndRenewTheirCaptionInPlace) {
    OpenWatching(news, 3);
    Tick();  // no file yet: a zero baseline
    ASSERT_TRUE(WriteFileAtMinute(news, "first", 1));
    Tick();
    ASSERT_TRUE(FileCaption());
    EXPECT_EQ(L"first", host.host()->strips().first()->currentText()) << "put on air at once on an idle strip";

    ASSERT_TRUE(WriteFileAtMinute(news, "second\r\n\tline\r\n", 2));
    Tick();
    ASSERT_EQ(1, host.host()->show().laneOf(1).schedule().count()) << "renewed in place, not added";
    EXPECT_EQ(L"second\tline", FileCaption()->text) << "lines joined, nothing else cleaned";
    EXPECT_EQ(3 * kTenthsPerMinute, host.host()->show().tenthsLeft(caption_ids::kFile));
    EXPECT_EQ(0, page->captionList().count()) << "the file's text is no list item";
    EXPECT_EQ(1, page->listCtrl().GetItemCount()) << "but it has a row while it is on air";
    EXPECT_EQ("ファイル", page->listCtrl().GetItemText(0, 0));
}

TEST_F(FilePage, ChangingOnlyTheMinutesKeepsTheBaseline) {
    OpenWatching(news, 5);
    ASSERT_TRUE(WriteFileAtMinute(news, "one", 1));
    Tick();
    EXPECT_FALSE(FileCaption()) << "the file that exists when watching starts is the baseline";
    ASSERT_TRUE(WriteFileAtMinute(news, "two", 2));

    FileInterfaceDialog({SetText(IDC_FILE_MINUTES_EDIT, "7"), Click(IDOK)});
    EXPECT_EQ(1, page->controller().watchedFile().watch().lastFileDataValid);
    EXPECT_EQ(7, page->controller().fileInterface().fileMinute);
    Tick();
    ASSERT_TRUE(FileCaption()) << "the version written before the change is still newer";
    EXPECT_EQ(L"two", FileCaption()->text);
    EXPECT_EQ(7, FileCaption()->minutes) << "the new minutes apply to the next text";
}

TEST_F(FilePage, AnotherPathTakesANewBaselineEvenIfOnlyItsCaseDiffers) {
    OpenWatching(news, 5);
    ASSERT_TRUE(WriteFileAtMinute(news, "one", 1));
    Tick();
    ASSERT_TRUE(WriteFileAtMinute(news, "two", 2));

    FileInterfaceDialog({SetText(IDC_FILE_PATH, dir.file("NEWS.TXT")), Click(IDOK)});
    EXPECT_EQ(0, page->controller().watchedFile().watch().lastFileDataValid);
    Tick();
    EXPECT_FALSE(FileCaption()) << "the same file under another spelling starts from its baseline";

    const std::string other = dir.file("other.txt");
    ASSERT_TRUE(WriteFileAtMinute(other, "other", 1));
    FileInterfaceDialog({SetText(IDC_FILE_PATH, other), Click(IDOK)});
    Tick();
    EXPECT_FALSE(FileCaption());
    ASSERT_TRUE(WriteFileAtMinute(other, "other again", 2));
    Tick();
    ASSERT_TRUE(FileCaption());
    EXPECT_EQ(L"other again", FileCaption()->text);
}

TEST_F(FilePage, SwitchingOffAndOnTakesANewBaseline) {
    OpenWatching(news, 5);
    ASSERT_TRUE(WriteFileAtMinute(news, "one", 1));
    Tick();
    ASSERT_TRUE(WriteFileAtMinute(news, "two", 2));

    FileInterfaceDialog({SetCheck(IDC_FILE_ENABLED, false), Click(IDOK)});
    EXPECT_EQ(0, page->controller().fileInterface().fileExec);
    Tick();
    EXPECT_FALSE(FileCaption()) << "switched off";
    boxes.SetAnswer(IDNO);  // not now: the text waits for the next save
    expectedMessages.push_back(kShowFileNow);
    FileInterfaceDialog({SetCheck(IDC_FILE_ENABLED, true), Click(IDOK)});
    EXPECT_EQ(1, page->controller().fileInterface().fileExec);
    Tick();
    EXPECT_FALSE(FileCaption()) << "the version written while off is the new baseline";
    ASSERT_TRUE(WriteFileAtMinute(news, "three", 3));
    Tick();
    ASSERT_TRUE(FileCaption());
    EXPECT_EQ(L"three", FileCaption()->text);
}

TEST_F(FilePage, SwitchingOnForAFileWithTextOffersItsTextNow) {
    const struct {
        const char* text;
        int answer;
        bool asked;
        bool onAir;
    } cases[] = {{"now", IDYES, true, true}, {"now", IDNO, true, false}, {"", IDYES, false, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text) + (c.answer == IDYES ? " yes" : " no"));
        Open(FileSection(0, 4, news));
        ASSERT_TRUE(WriteFileAtMinute(news, c.text, 1));
        boxes.SetAnswer(c.answer);
        const size_t before = boxes.texts().size();
        FileInterfaceDialog({SetCheck(IDC_FILE_ENABLED, true), Click(IDOK)});
        EXPECT_EQ(c.asked ? before + 1 : before, boxes.texts().size());
        if (c.asked) expectedMessages.push_back(kShowFileNow);
        Tick();
        EXPECT_TRUE(FinishFileLook(*page));
        EXPECT_EQ(c.onAir, FileCaption() != nullptr);
        if (!c.onAir) continue;
        EXPECT_EQ(Wide932(c.text), FileCaption()->text);
        EXPECT_EQ(4, FileCaption()->minutes);
    }
}

TEST_F(FilePage, OkSavesTheFileSectionAsTyped) {
    Open("");  // no settings file: the interface starts off
    const std::string path = "C:\\データ\\ニュース.txt";
    FileInterfaceDialog({SetCheck(IDC_FILE_ENABLED, true), SetText(IDC_FILE_MINUTES_EDIT, "1,500"),
                         SetText(IDC_FILE_PATH, path), Click(IDOK)});
    std::string saved = ReadFileBytes(ini);
    std::string section = FileSection(1, 1500, path);
    ASSERT_GE(saved.size(), section.size());
    EXPECT_EQ(section, saved.substr(saved.size() - section.size())) << saved;
    EXPECT_EQ(0u, saved.find("[SYSTEM]\r\n")) << "the whole file is written";
}

TEST_F(FilePage, CancelChangesNothingAndSavesNothing) {
    OpenWatching(news, 5);
    ASSERT_TRUE(WriteFileAtMinute(news, "one", 1));
    Tick();
    ASSERT_TRUE(WriteFileAtMinute(news, "two", 2));
    const std::string before = ReadFileBytes(ini);

    FileInterfaceDialog({SetCheck(IDC_FILE_ENABLED, false), SetText(IDC_FILE_MINUTES_EDIT, "9"),
                         SetText(IDC_FILE_PATH, dir.file("other.txt")), Click(IDCANCEL)});
    EXPECT_EQ(before, ReadFileBytes(ini));
    EXPECT_EQ(1, page->controller().fileInterface().fileExec);
    EXPECT_EQ(Wide932(news), page->controller().fileInterface().filePath);
    EXPECT_EQ(5, page->controller().fileInterface().fileMinute);
    Tick();
    ASSERT_TRUE(FileCaption()) << "the baseline was kept";
    EXPECT_EQ(L"two", FileCaption()->text);
}

TEST_F(FilePage, ChecksWhileTheDialogIsOpenUseTheSettingsHeldBeforeIt) {
    OpenWatching(news, 5);
    ASSERT_TRUE(WriteFileAtMinute(news, "one", 1));
    Tick();
    ASSERT_TRUE(WriteFileAtMinute(news, "two", 2));
    ScheduledCaption shown{};
    FileInterfaceDialog({SetCheck(IDC_FILE_ENABLED, false), SetText(IDC_FILE_MINUTES_EDIT, "9"),
                         [&](HWND) {
                             Tick();
                             if (FileCaption()) shown = *FileCaption();
                         },
                         Click(IDOK)});
    EXPECT_EQ(L"two", shown.text) << "still on while the dialog was open";
    EXPECT_EQ(5, shown.minutes);
    EXPECT_EQ(0, page->controller().fileInterface().fileExec);
    EXPECT_FALSE(FileCaption()) << "switched off on OK";
}

TEST_F(FilePage, SwitchingOffOrWatchingAnotherFileTakesTheFileCaptionOffAir) {
    OpenWatching(news, 60000);
    Tick();
    ASSERT_TRUE(WriteFileAtMinute(news, "rolling", 1));
    Tick();
    ASSERT_TRUE(FileCaption());

    FileInterfaceDialog({SetCheck(IDC_FILE_ENABLED, false), Click(IDOK)});
    EXPECT_FALSE(FileCaption()) << "off: its caption leaves the strip at once";

    boxes.SetAnswer(IDNO);
    expectedMessages.push_back(kShowFileNow);
    FileInterfaceDialog({SetCheck(IDC_FILE_ENABLED, true), Click(IDOK)});
    Tick();
    ASSERT_TRUE(WriteFileAtMinute(news, "rolling again", 2));
    Tick();
    ASSERT_TRUE(FileCaption());

    const std::string other = dir.file("other.txt");
    ASSERT_TRUE(WriteFileAtMinute(other, "other", 1));
    FileInterfaceDialog({SetText(IDC_FILE_PATH, other), Click(IDOK)});
    EXPECT_FALSE(FileCaption()) << "the old file's caption goes with the old path";
    Tick();
    ASSERT_TRUE(WriteFileAtMinute(other, "other, read", 2));
    Tick();
    ASSERT_TRUE(FileCaption());
    EXPECT_EQ(L"other, read", FileCaption()->text);

    FileInterfaceDialog({SetText(IDC_FILE_MINUTES_EDIT, "5"), Click(IDOK)});
    EXPECT_TRUE(FileCaption()) << "other minutes alone leave it on air";
}

TEST_F(FilePage, QuotedPathIsWatchedAsTheNextStartWillReadIt) {
    const std::string watched = dir.file("now.txt");
    const std::string typed[] = {"\"" + watched + "\"", "  \"" + watched + "\" \t", " " + watched + " "};
    for (const std::string& path : typed) {
        Open("");
        FileInterfaceDialog({SetCheck(IDC_FILE_ENABLED, true), SetText(IDC_FILE_PATH, path), Click(IDOK)});
        EXPECT_EQ(Wide932(watched), page->controller().fileInterface().filePath) << path;
        Tick();
        ASSERT_TRUE(WriteFileAtMinute(watched, "from " + path, 1));
        Tick();
        ASSERT_TRUE(FileCaption()) << "the running program reads the file: " << path;
        EXPECT_EQ(Wide932("from " + path), FileCaption()->text);

        ASSERT_TRUE(Close());  // the next start, over the file this one saved
        Open("");
        EXPECT_EQ(Wide932(watched), page->controller().fileInterface().filePath) << path;
        ASSERT_TRUE(Close());
        ASSERT_TRUE(DeleteFileA(watched.c_str()));
        ASSERT_TRUE(DeleteFileA(ini.c_str()));
    }
}

// The look stands in for an open that does not return until the test lets it go.
class HeldFilePage : public FilePage {
protected:
    void SetUp() override {
        FilePage::SetUp();
        HeldLook::Reset();
    }
    void TearDown() override {
        HeldLook::Release();
        FilePage::TearDown();
    }
    void OpenHeld() {
        OpenWatching(news, 5);
        page->controller().watchedFile().reader().setLookFunction(HeldLook::Look);
    }
    void StartTick() { host.host()->lookOnce(); }
};

TEST_F(HeldFilePage, AHeldLookStopsNothingAndIsNeverDoubledAndItsTextGoesOnAirWhenItEnds) {
    OpenHeld();
    StartTick();  // no file yet: the zero baseline, once let go
    ASSERT_TRUE(HeldLook::WaitEntered(5000));
    HeldLook::Release();
    ASSERT_TRUE(FinishFileLook(*page));

    HeldLook::Reset();
    ASSERT_TRUE(WriteFileAtMinute(news, "late news", 1));
    StartTick();
    ASSERT_TRUE(HeldLook::WaitEntered(5000));
    for (int tick = 0; tick < 5; ++tick) StartTick();  // each returns while the look is held
    EXPECT_EQ(1, HeldLook::Entries()) << "never more than one look under way";
    EXPECT_FALSE(FileCaption());
    EXPECT_TRUE(page->controller().watchedFile().reader().busy());

    HeldLook::Release();
    ASSERT_TRUE(FinishFileLook(*page));
    ASSERT_TRUE(FileCaption()) << "the text goes on air when the look ends";
    EXPECT_EQ(L"late news", FileCaption()->text);
    EXPECT_EQ(1, HeldLook::Entries());
}

TEST_F(HeldFilePage, ALookForASwitchOrPathSinceChangedCountsForNothing) {
    OpenHeld();
    const std::string other = dir.file("other.txt");
    HeldLook::Release();
    Tick();  // zero baseline for news.txt
    HeldLook::Reset();
    ASSERT_TRUE(WriteFileAtMinute(news, "old path", 1));
    StartTick();
    ASSERT_TRUE(HeldLook::WaitEntered(5000));
    FileInterfaceDialog({SetText(IDC_FILE_PATH, other), Click(IDOK)});
    HeldLook::Release();
    ASSERT_TRUE(FinishFileLook(*page));
    EXPECT_FALSE(FileCaption()) << "what was found under the old path stays off air";
    EXPECT_EQ(0, page->controller().watchedFile().watch().lastFileDataValid) << "the new path still takes its baseline";
}

TEST_F(HeldFilePage, ThePageClosesPromptlyWhileALookIsHeldAndTheLookEndsHarmlessly) {
    OpenHeld();
    StartTick();
    ASSERT_TRUE(HeldLook::WaitEntered(5000));
    EXPECT_TRUE(Close()) << "returns after at most the reader's stop wait";
    HeldLook::Release();
    ASSERT_TRUE(HeldLook::WaitLeft(5000));
    // The worker, left behind, ends on its own data; give it a moment to do so.
    Sleep(200);
}

}  // namespace
