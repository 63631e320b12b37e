#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "panel/KirunSettingDlg.h"
#include "resource.h"
#include "tests/unit/test_rgbsetdlg_steps.h"
#include "Cp932.h"

using namespace testing_support;
using namespace dialog_steps;

namespace {

const char kNoText[] = "テキストが設定されていません.";
const char kTooShort[] = "表示時間は１分以上を設定してください";
const char kTooLong[] = "表示時間は60000分以下を設定してください";

// Runs the dialog on `item`, types `text` and `minutes` and presses OK.
INT_PTR RunWith(CKirunSettingDlg& dlg, const CKirunData& item, const std::string& text,
                const std::string& minutes) {
    DialogDriver driver;
    dlg.setData(item);
    driver.Expect({SetText(IDC_CAPTION_TEXT, text), SetText(IDC_MINUTES_EDIT, minutes),
                   Click(IDOK), Click(IDCANCEL)});
    return dlg.DoModal();
}

TEST(KirunSettingDlg, ChecksTextThenLowerBoundThenUpperBoundAndStaysOpen) {
    MessageBoxRecorder boxes;
    DialogDriver driver;
    CKirunSettingDlg dlg;
    CKirunData item(L"", 1);
    item.m_id = 77;
    dlg.setData(item);
    driver.Expect({SetText(IDC_MINUTES_EDIT, "0"), Click(IDOK),      // both wrong: text first
                   SetText(IDC_CAPTION_TEXT, "abc"), Click(IDOK),    // 0 minutes
                   SetText(IDC_MINUTES_EDIT, "60001"), Click(IDOK),  // one too many
                   SetText(IDC_MINUTES_EDIT, "60000"), Click(IDOK), Click(IDCANCEL)});
    ASSERT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ((std::vector<std::string>{kNoText, kTooShort, kTooLong}), boxes.texts());
    for (const auto& shown : boxes.shown()) EXPECT_EQ(UINT(MB_OK), shown.type & MB_TYPEMASK);
    EXPECT_EQ(60000, dlg.m_data.m_minutes);
    EXPECT_EQ(L"abc", dlg.m_data.m_text);
    EXPECT_EQ(77u, dlg.m_data.m_id) << "the item's id goes back as it came";
}

TEST(KirunSettingDlg, ARefusedFieldTakesTheFocusWithItsTextSelectedAndNothingIsKept) {
    struct Case {
        const char* text;
        const char* minutes;
        int refused;
    };
    const Case cases[] = {{"", "5", IDC_CAPTION_TEXT},
                          {"abc", "0", IDC_MINUTES_EDIT},
                          {"abc", "60001", IDC_MINUTES_EDIT}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " / " + c.minutes);
        MessageBoxRecorder boxes;
        DialogDriver driver;
        FocusNote note;
        CKirunSettingDlg dlg;
        dlg.setData(CKirunData(L"old", 7));
        driver.Expect({SetText(IDC_CAPTION_TEXT, c.text), SetText(IDC_MINUTES_EDIT, c.minutes),
                       Click(IDOK), NoteFocus(c.refused, note), Click(IDCANCEL)});
        ASSERT_EQ(IDCANCEL, dlg.DoModal());
        EXPECT_EQ(1u, boxes.texts().size());
        ASSERT_NE(nullptr, note.control);
        EXPECT_EQ(note.control, note.focused);
        EXPECT_EQ(0u, note.selStart);
        EXPECT_EQ(static_cast<DWORD>(note.textLength), note.selEnd);
        EXPECT_EQ(L"old", dlg.m_data.m_text);
        EXPECT_EQ(7, dlg.m_data.m_minutes);
    }
}

TEST(KirunSettingDlg, AcceptsOneMinuteAndABlankText) {
    MessageBoxRecorder boxes;
    CKirunSettingDlg dlg;
    ASSERT_EQ(IDOK, RunWith(dlg, CKirunData(L"x", 5), "   ", "1"));
    EXPECT_EQ(L"   ", dlg.m_data.m_text);
    EXPECT_EQ(1, dlg.m_data.m_minutes);
    EXPECT_TRUE(boxes.texts().empty());
}

TEST(KirunSettingDlg, LongTextIsCutBetweenCharacters) {
    const std::string hyo = "\x95\x5c";  // "表": two bytes
    // Byte 1,000 is the lead byte of "表": the cut goes back to 999 bytes ...
    CKirunSettingDlg split;
    ASSERT_EQ(IDOK, RunWith(split, CKirunData(), std::string(999, 'a') + hyo, "1"));
    EXPECT_EQ(std::wstring(999, L'a'), split.m_data.m_text);
    // ... while a character that ends at byte 1,000 stays.
    CKirunSettingDlg whole;
    ASSERT_EQ(IDOK, RunWith(whole, CKirunData(), std::string(998, 'a') + hyo + "bc", "1"));
    EXPECT_EQ(Wide932(std::string(998, 'a') + hyo), whole.m_data.m_text);
}

TEST(KirunSettingDlg, EnterInTheTextMakesANewLine) {
    DialogDriver driver;
    CKirunSettingDlg dlg;
    dlg.setData(CKirunData(L"ab", 2));
    driver.Expect({[](HWND d) {
                       HWND edit = GetDlgItem(d, IDC_CAPTION_TEXT);
                       SetFocus(edit);
                       SendMessageA(edit, EM_SETSEL, 2, 2);
                       LPARAM key = 1 | (MapVirtualKeyA(VK_RETURN, MAPVK_VK_TO_VSC) << 16);
                       PostMessageA(edit, WM_KEYDOWN, VK_RETURN, key);  // through the dialog loop
                   },
                   [](HWND d) { PostMessageA(GetDlgItem(d, IDC_CAPTION_TEXT), WM_CHAR, 'c', 1); },
                   Click(IDOK)});
    ASSERT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(L"ab\r\nc", dlg.m_data.m_text);
}

TEST(KirunSettingDlg, TheLaneChoiceShowsOnlyWithMoreThanOneLane) {
    // pick: the entry chosen before OK, -1 none; shown: entries:selection, empty while hidden.
    struct Case { int lanes, itemLane, pick; const char* shown; int laneAfter; } const cases[] = {
        {1, 1, -1, "", 1}, {1, 3, -1, "", 3},  // one lane: the item's lane is left as it came
        {2, 2, -1, "2:1", 2}, {4, 1, 3, "4:0", 4},
        {2, 4, -1, "2:0", 1},  // a lane the show no longer holds: lane 1 offered
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lanes * 10 + c.itemLane);
        DialogDriver driver;
        CKirunSettingDlg dlg;
        CKirunData item(L"abc", 5);
        item.m_lane = c.itemLane;
        dlg.setData(item);
        dlg.setLaneCount(c.lanes);
        std::string shown;
        driver.Expect({Check([&](HWND d) {
                           HWND list = GetDlgItem(d, IDC_CAPTION_LANE);
                           if (IsWindowVisible(list) && IsWindowVisible(GetDlgItem(d, IDC_CAPTION_LANE_LABEL)))
                               shown = std::to_string(SendMessageA(list, CB_GETCOUNT, 0, 0)) + ":" +
                                       std::to_string(SendMessageA(list, CB_GETCURSEL, 0, 0));
                       }),
                       c.pick >= 0 ? ChooseEntry(IDC_CAPTION_LANE, c.pick) : Check([](HWND) {}), Click(IDOK)});
        ASSERT_EQ(IDOK, dlg.DoModal());
        EXPECT_EQ(c.shown, shown);
        EXPECT_EQ(c.laneAfter, dlg.m_data.m_lane);
    }
}

}  // namespace

// 予定...: the window typed in its dialog is checked at its OK (a refusal says why and keeps it
// open), goes with the item only once the caption dialog's OK takes it, and a weekday box
// checked with no day is refused rather than read as every day.
TEST(KirunSettingDlg, TheScheduleDialogChecksItsWindowAndTheItemKeepsIt) {
    const struct Case {
        std::vector<DialogStep> steps;  // in the 予定 dialog, after 開始 and 終了 are typed
        std::vector<std::string> told;
        AirWindow kept;
    } cases[] = {
        {{Click(IDOK), SetText(IDC_AIR_UNTIL, "2026-12-25 21:00"), Click(IDC_AIR_DAYS_ON), Click(IDC_AIR_DAY1),
          Click(IDC_AIR_DAY5), Click(IDC_AIR_PLAYS_ON), SetText(IDC_AIR_PLAYS, "3"), Click(IDOK)},
         {"終了が開始より前です"},
         {"2026-12-24 18:00", "2026-12-25 21:00", "", "15", 3}},
        {{SetText(IDC_AIR_UNTIL, "2026-12-25 21:00"), Click(IDC_AIR_DAYS_ON), Click(IDOK), Click(IDCANCEL)},
         {"曜日が1つも選ばれていません"},
         {"", "", "22:00-02:00", "", 0}},
    };
    for (const Case& c : cases) {
        MessageBoxRecorder boxes;
        DialogDriver driver;
        CKirunSettingDlg dlg;
        CKirunData item(L"abc", 5);
        item.m_window.hours = "22:00-02:00";
        dlg.setData(item);
        driver.Expect({Click(IDC_AIR_WINDOW_BUTTON), Click(IDOK)});
        std::vector<DialogStep> steps = {Click(IDC_AIR_HOURS_ON), Click(IDC_AIR_FROM_ON), SetText(IDC_AIR_FROM, "2026-12-24 18:00"),
                                         Click(IDC_AIR_UNTIL_ON), SetText(IDC_AIR_UNTIL, "2026-12-24 17:59")};
        steps.insert(steps.end(), c.steps.begin(), c.steps.end());
        driver.Expect(steps);
        ASSERT_EQ(IDOK, dlg.DoModal());
        EXPECT_EQ(c.told, boxes.texts());
        EXPECT_TRUE(c.kept == dlg.m_data.m_window) << dlg.m_data.m_window.from << "|" << dlg.m_data.m_window.days;
    }
}
