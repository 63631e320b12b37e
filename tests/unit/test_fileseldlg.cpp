// The text-file interface dialog run from its template: the minutes bounds with their messages,
// the thousands separator in the minutes box, Cancel, and the browse button with the system's
// file-open dialog.
#include <gtest/gtest.h>

#include <windows.h>
#include <dlgs.h>

#include <string>
#include <vector>

#include "Cp932.h"
#include "TempDir.h"
#include "fileif/FileSelDlg.h"
#include "framework/DataExchange.h"
#include "resource.h"
#include "tests/support/DialogDriver.h"

using namespace testing_support;

namespace {

const char kTooShort[] = "表示時間は１分以上を設定してください";
const char kTooLong[] = "表示時間は60000分以下を設定してください";

std::string ItemText(HWND dialog, int id) { return fw::GetWindowTextString(GetDlgItem(dialog, id)); }

DialogStep SetCheck(int id, bool checked) {
    return [id, checked](HWND d) { CheckDlgButton(d, id, checked ? BST_CHECKED : BST_UNCHECKED); };
}

void Prepare(CFileSelDlg& dlg, int fileExec, const std::string& filePath, int fileMinute) {
    dlg.fileExec = fileExec;
    dlg.filePath = Wide932(filePath);
    dlg.fileMinute = fileMinute;
}

TEST(FileSelDlg, OpensWithTheCallersValues) {
    DialogDriver driver;
    std::string minutes, path;
    UINT checked = 0;
    CFileSelDlg dlg;
    Prepare(dlg, 1, "C:\\データ\\news.txt", 25);
    driver.Expect({Check([&](HWND d) {
                       minutes = ItemText(d, IDC_FILE_MINUTES_EDIT);
                       path = ItemText(d, IDC_FILE_PATH);
                       checked = IsDlgButtonChecked(d, IDC_FILE_ENABLED);
                   }),
                   Click(IDCANCEL)});
    ASSERT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_EQ((std::vector<std::string>{"テキストファイルインターフェース"}), driver.Titles());
    EXPECT_EQ("25", minutes);
    EXPECT_EQ("C:\\データ\\news.txt", path);
    EXPECT_EQ(UINT(BST_CHECKED), checked);
}

TEST(FileSelDlg, MinutesOutsideOneToSixtyThousandAreRefusedWithTheirMessage) {
    MessageBoxRecorder boxes;
    DialogDriver driver;
    CFileSelDlg dlg;
    dlg.fileMinute = 10;
    driver.Expect({SetText(IDC_FILE_MINUTES_EDIT, "0"), Click(IDOK),
                   SetText(IDC_FILE_MINUTES_EDIT, "60001"), Click(IDOK),
                   SetText(IDC_FILE_MINUTES_EDIT, "-5"), Click(IDOK),
                   SetText(IDC_FILE_MINUTES_EDIT, "60000"), Click(IDOK), Click(IDCANCEL)});
    ASSERT_EQ(IDOK, dlg.DoModal()) << "the dialog stayed open until a good value";
    EXPECT_EQ((std::vector<std::string>{kTooShort, kTooLong, kTooShort}), boxes.texts());
    for (const auto& shown : boxes.shown())
        EXPECT_EQ(UINT(MB_OK | MB_ICONEXCLAMATION), shown.type & (MB_TYPEMASK | MB_ICONMASK));
    EXPECT_EQ(60000, dlg.fileMinute);
}

TEST(FileSelDlg, RefusedMinutesTakeTheFocusAndChangeNoMember) {
    MessageBoxRecorder boxes;
    DialogDriver driver;
    FocusNote note;
    CFileSelDlg dlg;
    Prepare(dlg, 0, "C:\\old.txt", 15);
    driver.Expect({SetCheck(IDC_FILE_ENABLED, true), SetText(IDC_FILE_PATH, "\"C:\\new.txt\""),
                   SetText(IDC_FILE_MINUTES_EDIT, "60001"), Click(IDOK),
                   NoteFocus(IDC_FILE_MINUTES_EDIT, note), Click(IDCANCEL)});
    ASSERT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_EQ((std::vector<std::string>{kTooLong}), boxes.texts());
    EXPECT_EQ(note.control, note.focused);
    EXPECT_EQ(0u, note.selStart);
    EXPECT_EQ(static_cast<DWORD>(note.textLength), note.selEnd);
    EXPECT_EQ(0, dlg.fileExec);
    EXPECT_EQ(L"C:\\old.txt", dlg.filePath);
    EXPECT_EQ(15, dlg.fileMinute);
}

TEST(FileSelDlg, OneMinuteIsAccepted) {
    MessageBoxRecorder boxes;
    DialogDriver driver;
    CFileSelDlg dlg;
    Prepare(dlg, 0, "", 30);
    driver.Expect({SetText(IDC_FILE_MINUTES_EDIT, "1"), SetCheck(IDC_FILE_ENABLED, true),
                   SetText(IDC_FILE_PATH, "D:\\in\\caption.txt"), Click(IDOK)});
    ASSERT_EQ(IDOK, dlg.DoModal());
    EXPECT_TRUE(boxes.texts().empty());
    EXPECT_EQ(1, dlg.fileMinute);
    EXPECT_EQ(1, dlg.fileExec);
    EXPECT_EQ(L"D:\\in\\caption.txt", dlg.filePath);
}

TEST(FileSelDlg, FourDigitMinutesShowAThousandsSeparatorAndComeBackAsANumber) {
    MessageBoxRecorder boxes;
    DialogDriver driver;
    std::string shown;
    CFileSelDlg dlg;
    Prepare(dlg, 1, "x.txt", 1000);
    driver.Expect({Check([&](HWND d) { shown = ItemText(d, IDC_FILE_MINUTES_EDIT); }), Click(IDOK)});
    ASSERT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ("1,000", shown);
    EXPECT_EQ(1000, dlg.fileMinute);

    CFileSelDlg typed;
    Prepare(typed, 1, "x.txt", 5);
    driver.Expect({SetText(IDC_FILE_MINUTES_EDIT, "12,345"), Click(IDOK)});
    ASSERT_EQ(IDOK, typed.DoModal());
    EXPECT_EQ(12345, typed.fileMinute);
    EXPECT_TRUE(boxes.texts().empty());
}

TEST(FileSelDlg, CancelLeavesEveryMemberAsItWas) {
    DialogDriver driver;
    CFileSelDlg dlg;
    Prepare(dlg, 1, "C:\\a.txt", 42);
    driver.Expect({SetText(IDC_FILE_MINUTES_EDIT, "7"), SetCheck(IDC_FILE_ENABLED, false),
                   SetText(IDC_FILE_PATH, "C:\\b.txt"), Click(IDCANCEL)});
    ASSERT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_EQ(1, dlg.fileExec);
    EXPECT_EQ(L"C:\\a.txt", dlg.filePath);
    EXPECT_EQ(42, dlg.fileMinute);
}

// In the system's file-open dialog: types `path` as the file name and presses its OK button.
std::vector<DialogStep> ChooseFile(const std::wstring& path, std::string& filter) {
    return {[&filter, path](HWND d) {
                filter = ItemText(d, cmb1);  // the file-type box shows the first filter
                HWND name = GetDlgItem(d, cmb13) ? GetDlgItem(d, cmb13) : GetDlgItem(d, edt1);
                SetWindowTextW(name, path.c_str());
            },
            Click(IDOK)};
}

TEST(FileSelDlg, BrowsePutsTheChosenPathInAndKeepsTheTickAsTheOperatorLeftIt) {
    TempDir dir;
    const std::string chosen = dir.file("ニュース.txt");
    ASSERT_TRUE(WriteFileBytes(chosen, "text"));

    DialogDriver driver;
    std::string pathShown, minutesShown, filter;
    UINT checkedAfterBrowse = BST_CHECKED;
    CFileSelDlg dlg;
    Prepare(dlg, 0, "C:\\old.txt", 15);
    driver.Expect({SetCheck(IDC_FILE_ENABLED, true), SetText(IDC_FILE_MINUTES_EDIT, "20"),
                   Command(IDC_FILE_BROWSE),
                   Check([&](HWND d) {
                       pathShown = ItemText(d, IDC_FILE_PATH);
                       minutesShown = ItemText(d, IDC_FILE_MINUTES_EDIT);
                       checkedAfterBrowse = IsDlgButtonChecked(d, IDC_FILE_ENABLED);
                   }),
                   Click(IDOK)});
    driver.Expect(ChooseFile(Wide932(chosen), filter));
    ASSERT_EQ(IDOK, dlg.DoModal());

    ASSERT_EQ(2, driver.DialogsOpened()) << "the file-open dialog came up";
    EXPECT_EQ("Txt(*.txt)", filter);
    EXPECT_EQ(chosen, pathShown);
    EXPECT_EQ(UINT(BST_CHECKED), checkedAfterBrowse) << "ticked before the browse, ticked after it";
    EXPECT_EQ("20", minutesShown) << "the minutes box is not exchanged";
    EXPECT_EQ(Wide932(chosen), dlg.filePath);
    EXPECT_EQ(1, dlg.fileExec) << "the OK after the browse keeps watching on";
    EXPECT_EQ(20, dlg.fileMinute);
}

TEST(FileSelDlg, CancelledBrowseChangesNothing) {
    DialogDriver driver;
    std::string pathShown;
    UINT checked = BST_UNCHECKED;
    CFileSelDlg dlg;
    Prepare(dlg, 0, "C:\\old.txt", 15);
    driver.Expect({SetCheck(IDC_FILE_ENABLED, true), SetText(IDC_FILE_PATH, "C:\\typed.txt"),
                   Command(IDC_FILE_BROWSE),
                   Check([&](HWND d) {
                       pathShown = ItemText(d, IDC_FILE_PATH);
                       checked = IsDlgButtonChecked(d, IDC_FILE_ENABLED);
                   }),
                   Click(IDOK)});
    driver.Expect({Click(IDCANCEL)});
    ASSERT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ("C:\\typed.txt", pathShown);
    EXPECT_EQ(UINT(BST_CHECKED), checked);
    EXPECT_EQ(1, dlg.fileExec);
    EXPECT_EQ(L"C:\\typed.txt", dlg.filePath);
}

TEST(FileSelDlg, BrowseTakesAFileWhoseNameCodePage932CannotHold) {
    TempDir dir;
    const std::wstring chosen = dir.wideFile(L"Zürich-한국.txt");
    ASSERT_TRUE(WriteFileBytes(chosen, "text"));
    DialogDriver driver;
    std::wstring pathShown;
    std::string filter;
    CFileSelDlg dlg;
    Prepare(dlg, 1, "C:\\old.txt", 15);
    driver.Expect({Command(IDC_FILE_BROWSE), Check([&](HWND d) {
                       pathShown.resize(MAX_PATH);
                       pathShown.resize(static_cast<size_t>(GetDlgItemTextW(d, IDC_FILE_PATH, &pathShown[0], MAX_PATH)));
                   }),
                   Click(IDOK)});
    driver.Expect(ChooseFile(chosen, filter));
    ASSERT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(chosen, pathShown);
    EXPECT_EQ(chosen, dlg.filePath);
}

}  // namespace
