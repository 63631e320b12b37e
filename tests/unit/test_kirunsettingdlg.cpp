#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "panel/KirunSettingDlg.h"
#include "resource.h"
#include "tests/support/DialogDriver.h"
#include "tests/unit/test_rgbsetdlg_steps.h"

using namespace testing_support;
using namespace dialog_steps;

namespace {

const char kNoText[] = "テキストが設定されていません.";
const char kTooShort[] = "表示時間は１分以上を設定してください";
const char kTooLong[] = "表示時間は60000分以下を設定してください";

// "表" is 0x95 0x5C in code page 932.
const std::string kHyo = "\x95\x5c";

// Runs the dialog on `item`, types `text` and `minutes`, presses OK; returns the result.
INT_PTR RunWith(CKirunSettingDlg& dlg, const CKirunData& item, const std::string& text,
                const std::string& minutes) {
    DialogDriver driver;
    dlg.setData(item);
    driver.Expect({SetText(IDC_CAPTION_TEXT, text), SetText(IDC_MINUTES_EDIT, minutes),
                   Click(IDOK), Click(IDCANCEL)});
    return dlg.DoModal();
}

TEST(KirunSettingDlg, ShowsTheItemItWasGiven) {
    DialogDriver driver;
    CKirunSettingDlg dlg;
    dlg.setData(CKirunData("line1\r\nline2", 1, 1));
    std::string shownText, shownMinutes;
    driver.Expect({Check([&](HWND d) {
                       shownText = ItemText(d, IDC_CAPTION_TEXT);
                       shownMinutes = ItemText(d, IDC_MINUTES_EDIT);
                   }),
                   Click(IDOK)});
    ASSERT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ("line1\r\nline2", shownText);
    EXPECT_EQ("1", shownMinutes);
    EXPECT_EQ("line1\r\nline2", dlg.m_data.m_text);
    EXPECT_EQ(1, dlg.m_data.m_minutes);
    EXPECT_EQ(1, dlg.m_data.m_state) << "the state goes back unchanged";
}

TEST(KirunSettingDlg, ChecksTextThenLowerBoundThenUpperBoundAndStaysOpen) {
    MessageBoxRecorder boxes;
    DialogDriver driver;
    CKirunSettingDlg dlg;
    dlg.setData(CKirunData());
    driver.Expect({
        SetText(IDC_MINUTES_EDIT, "0"), Click(IDOK),          // no text and too short: text first
        SetText(IDC_CAPTION_TEXT, "abc"), Click(IDOK),        // too short
        SetText(IDC_MINUTES_EDIT, "60001"), Click(IDOK),      // too long
        SetText(IDC_MINUTES_EDIT, "60000"), Click(IDOK),      // accepted
        Click(IDCANCEL),
    });
    ASSERT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ((std::vector<std::string>{kNoText, kTooShort, kTooLong}), boxes.texts());
    for (const auto& shown : boxes.shown()) EXPECT_EQ(UINT(MB_OK), shown.type & MB_TYPEMASK);
    EXPECT_EQ(60000, dlg.m_data.m_minutes);
    EXPECT_EQ("abc", dlg.m_data.m_text);
}

TEST(KirunSettingDlg, AcceptsOneMinuteAndRejectsWhatIsNotANumber) {
    MessageBoxRecorder boxes;
    CKirunSettingDlg dlg;
    EXPECT_EQ(IDOK, RunWith(dlg, CKirunData("x", 5), "x", "1"));
    EXPECT_EQ(1, dlg.m_data.m_minutes);

    CKirunSettingDlg typedWords;
    EXPECT_EQ(IDCANCEL, RunWith(typedWords, CKirunData("x", 5), "x", "abc"));
    CKirunSettingDlg huge;
    EXPECT_EQ(IDCANCEL, RunWith(huge, CKirunData("x", 5), "x", "99999999999"));
    CKirunSettingDlg negative;
    EXPECT_EQ(IDCANCEL, RunWith(negative, CKirunData("x", 5), "x", "-3"));
    EXPECT_EQ((std::vector<std::string>{kTooShort, kTooLong, kTooShort}), boxes.texts());
}

TEST(KirunSettingDlg, ArrowsStopAtTheRange) {
    DialogDriver driver;
    CKirunSettingDlg dlg;
    dlg.setData(CKirunData("x", 60000));
    std::vector<std::string> shown;
    auto look = Check([&](HWND d) { shown.push_back(ItemText(d, IDC_MINUTES_EDIT)); });
    driver.Expect({PressKey(IDC_MINUTES_EDIT, VK_UP), look, PressKey(IDC_MINUTES_EDIT, VK_DOWN),
                   look, SetText(IDC_MINUTES_EDIT, "1"), PressKey(IDC_MINUTES_EDIT, VK_DOWN),
                   look, Click(IDCANCEL)});
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_EQ((std::vector<std::string>{"60000", "59999", "1"}), shown);
}

TEST(KirunSettingDlg, BlankTextIsNotEmpty) {
    MessageBoxRecorder boxes;
    CKirunSettingDlg dlg;
    ASSERT_EQ(IDOK, RunWith(dlg, CKirunData(), "   ", "3"));
    EXPECT_EQ("   ", dlg.m_data.m_text);
    EXPECT_EQ(3, dlg.m_data.m_minutes);
    EXPECT_TRUE(boxes.texts().empty());
}

TEST(KirunSettingDlg, LongTextIsCutBetweenCharacters) {
    // Byte 1,000 is the lead byte of "表": keeping it would leave half a character.
    std::string splitAtLimit = std::string(999, 'a') + kHyo;
    CKirunSettingDlg split;
    ASSERT_EQ(IDOK, RunWith(split, CKirunData(), splitAtLimit, "1"));
    EXPECT_EQ(std::string(999, 'a'), split.m_data.m_text);

    std::string endsAtLimit = std::string(998, 'a') + kHyo + "bc";
    CKirunSettingDlg whole;
    ASSERT_EQ(IDOK, RunWith(whole, CKirunData(), endsAtLimit, "1"));
    EXPECT_EQ(std::string(998, 'a') + kHyo, whole.m_data.m_text);
}

TEST(KirunSettingDlg, EnterInTheTextMakesANewLine) {
    DialogDriver driver;
    CKirunSettingDlg dlg;
    dlg.setData(CKirunData("ab", 2));
    driver.Expect({
        [](HWND d) { SendDlgItemMessageA(d, IDC_CAPTION_TEXT, EM_SETSEL, 2, 2); },
        PressKey(IDC_CAPTION_TEXT, VK_RETURN),
        [](HWND d) { PostMessageA(GetDlgItem(d, IDC_CAPTION_TEXT), WM_CHAR, 'c', 1); },
        Click(IDOK),
    });
    ASSERT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ("ab\r\nc", dlg.m_data.m_text);
}

TEST(KirunSettingDlg, EnterInTheMinutesIsOk) {
    DialogDriver driver;
    CKirunSettingDlg dlg;
    dlg.setData(CKirunData("ab", 2));
    driver.Expect({SetText(IDC_MINUTES_EDIT, "7"), PressKey(IDC_MINUTES_EDIT, VK_RETURN),
                   Click(IDCANCEL)});
    ASSERT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(7, dlg.m_data.m_minutes);
}

TEST(KirunSettingDlg, CancelAfterFailedChecksKeepsTheItem) {
    MessageBoxRecorder boxes;
    DialogDriver driver;
    CKirunSettingDlg dlg;
    dlg.setData(CKirunData("original", 5, 1));
    driver.Expect({SetText(IDC_CAPTION_TEXT, "changed"), SetText(IDC_MINUTES_EDIT, "70000"),
                   Click(IDOK), Click(IDCANCEL)});
    ASSERT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_EQ(1u, boxes.texts().size());
    EXPECT_EQ("original", dlg.m_data.m_text);
    EXPECT_EQ(5, dlg.m_data.m_minutes);
    EXPECT_EQ(1, dlg.m_data.m_state);
}

}  // namespace
