// The operator's page worked with real input through the system: the focus where the work
// starts, the caption list's keys and double-click, the selection that follows the work and
// stays visible without the focus, the time left of each caption on air and the watched
// file's caption in a row of its own.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <string>

#include "KirunnerProcess.h"
#include "NonItemRows.h"
#include "OperatorDesk.h"
#include "PageParent.h"
#include "TempDir.h"
#include "resource.h"

using namespace testing_support;

namespace {

const DWORD kTimeout = kDeskTimeout;
const COLORREF kPageGrey = RGB(100, 100, 100);
const char kOnAir[] = "表示中";

bool BringToFront(const Desk& desk) {
    SetForegroundWindow(desk.main);
    return WaitUntil([&] { return GetForegroundWindow() == desk.main; }, kTimeout);
}

bool WaitForFocus(HWND window, HWND expected) {
    return WaitUntil([&] { return FocusOf(window) == expected; }, kTimeout);
}

// An edit control of another process keeps its text to itself: it is asked with WM_GETTEXT.
std::string EditText(HWND edit) {
    char text[256] = {};
    SendMessageA(edit, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

// Seconds of a time-left cell "M:SS"; -1 for anything else.
int SecondsOf(const std::string& cell) {
    int minutes = -1, seconds = -1;
    char rest = 0;
    if (std::sscanf(cell.c_str(), "%d:%2d%c", &minutes, &seconds, &rest) != 2 || cell.size() < 4 ||
        cell[cell.size() - 3] != ':' || seconds > 59)
        return -1;
    return minutes * 60 + seconds;
}

TEST(PageKeys, KeysAndDoubleClickWorkTheSelectedRowAndTheSelectionFollows) {
    TempDir dir;
    ASSERT_TRUE(WriteFileBytes(dir.file("Kirunner.ini"), SettingsText({{"ONE", 5}, {"TWO", 5}, {"THREE", 5}})));
    Desk desk(dir.path());
    ASSERT_TRUE(desk.ready());
    ASSERT_TRUE(BringToFront(desk));
    EXPECT_TRUE(WaitForFocus(desk.main, desk.list)) << "the work starts in the list";

    // Enter and a double-click put the row on air; Enter ends nothing.
    SelectListRow(desk.list, 1);
    PressKey(VK_RETURN);
    EXPECT_TRUE(WaitUntil([&] { return desk.cell(1, 2) == kOnAir; }, kTimeout));
    DoubleClickAt(desk.list, ListRowPoint(desk.list, 2));
    EXPECT_TRUE(WaitUntil([&] { return desk.cell(2, 2) == kOnAir; }, kTimeout));
    EXPECT_EQ("------", desk.cell(0, 2));
    EXPECT_TRUE(desk.program.Running());

    // F2 and Ctrl+N open the caption text dialog, titled for its work, with the focus in the
    // text box: a key typed at once goes into the text. The row changed or added is selected.
    const struct {
        WORD modifier;
        WORD key;
        const char* title;
        int row;
        const char* text;
    } opened[] = {{0, VK_F2, kChangeTextTitle, 0, "ONEx"}, {VK_CONTROL, 'N', kAddTextTitle, 3, "x"}};
    for (const auto& c : opened) {
        SCOPED_TRACE(c.title);
        SelectListRow(desk.list, 0);
        ASSERT_TRUE(WaitForFocus(desk.main, desk.list));
        if (c.modifier) PressChord(c.modifier, c.key);
        else PressKey(c.key);
        HWND dialog = desk.dialog(c.title);
        ASSERT_TRUE(dialog);
        HWND textBox = GetDlgItem(dialog, IDC_CAPTION_TEXT);
        EXPECT_TRUE(WaitForFocus(dialog, textBox));
        PressKey('X');
        EXPECT_TRUE(WaitUntil([&] { return EditText(textBox) == c.text; }, kTimeout)) << EditText(textBox);
        PostClick(dialog, IDOK);
        ASSERT_TRUE(WaitForGone(dialog));
        EXPECT_TRUE(WaitUntil([&] { return desk.cell(c.row, 3) == c.text; }, kTimeout));
        EXPECT_TRUE(WaitUntil([&] { return SelectedListRow(desk.list) == c.row; }, kTimeout));
    }

    // With the focus moved on, the list still holds the selection and shows it in the page's grey.
    PressKey(VK_TAB);
    ASSERT_TRUE(WaitUntil([&] { return FocusOf(desk.main) != desk.list; }, kTimeout));
    EXPECT_EQ(3, SelectedListRow(desk.list));
    EXPECT_TRUE(WaitUntil([&] { return CaptureWindow(desk.list).count(kPageGrey) > 0; }, kTimeout));

    // Back in the list by a click (one: a second on the same row would be a double-click).
    ClickAt(desk.list, ListRowPoint(desk.list, 1));
    ASSERT_TRUE(WaitForFocus(desk.main, desk.list));
    // Delete asks first; the row that takes the deleted one's place, or the new last row, is selected.
    const struct {
        int row;
        int answer;
        int rowsAfter;
        int selectedAfter;
    } deletes[] = {{1, IDNO, 4, 1}, {1, IDYES, 3, 1}, {2, IDYES, 2, 1}};
    for (const auto& d : deletes) {
        SCOPED_TRACE(d.rowsAfter);
        SelectListRow(desk.list, d.row);
        ASSERT_TRUE(WaitForFocus(desk.main, desk.list));
        PressKey(VK_DELETE);
        EXPECT_EQ("選択したデータを削除しますか？", desk.answerMessage(d.answer));
        EXPECT_TRUE(WaitUntil([&] { return static_cast<int>(desk.rows().size()) == d.rowsAfter; }, kTimeout));
        EXPECT_TRUE(WaitUntil([&] { return SelectedListRow(desk.list) == d.selectedAfter; }, kTimeout));
    }
    EXPECT_EQ((Desk::Rows{{"1", "5", "------", "ONEx"}, {"2", "5", kOnAir, "THREE"}}), desk.rows())
        << "TWO and the added x went";
    // The list filled anew from inside its own keys still takes Enter.
    SelectListRow(desk.list, 0);
    ASSERT_TRUE(WaitForFocus(desk.main, desk.list));
    PressKey(VK_RETURN);
    EXPECT_TRUE(WaitUntil([&] { return desk.cell(0, 2) == kOnAir; }, kTimeout));
    EXPECT_TRUE(desk.program.Running());
}

TEST(PageKeys, TimeLeftCountsDownOnTheRowsOnAirAndTheFileCaptionHasARowOfItsOwn) {
    TempDir dir;
    const std::string watched = dir.file("news.txt");
    ASSERT_TRUE(WriteFileBytes(dir.file("Kirunner.ini"),
                               SettingsText({{"ONE", 5}, {"TWO", 1}}, "",
                                            "[FILE]\r\nEXEC=1\r\nMINUTE=2\r\nPATH=" + watched + "\r\n")));
    Desk desk(dir.path());
    ASSERT_TRUE(desk.ready());
    desk.clickOnRow(0, IDC_ADD_TO_CAPTION);
    std::string first;
    ASSERT_TRUE(WaitUntil([&] { return SecondsOf(first = desk.cell(0, 4)) >= 0; }, kTimeout)) << first;
    EXPECT_GE(SecondsOf(first), 290);
    EXPECT_LE(SecondsOf(first), 300);
    EXPECT_EQ("", desk.cell(1, 4)) << "a row off air shows no time";
    std::string later;
    EXPECT_TRUE(WaitUntil([&] { return SecondsOf(later = desk.cell(0, 4)) >= 0 && later != first; }, kTimeout));
    EXPECT_LT(SecondsOf(later), SecondsOf(first));

    // The file, written after the program took its first look, goes on air in a row below the items.
    Sleep(1500);
    ASSERT_TRUE(WriteFileBytes(watched, "NEWS"));
    EXPECT_TRUE(desk.waitForRows({{"1", "5", kOnAir, "ONE"}, {"2", "1", "------", "TWO"}, {"ファイル", "2", kOnAir, "NEWS"}}));
    EXPECT_LE(SecondsOf(desk.cell(2, 4)), 120);
    EXPECT_GE(SecondsOf(desk.cell(2, 4)), 110);

    // It is no item: it cannot be put on air again, changed or deleted, and the page says so
    // for the row it has; it can be taken off air.
    for (const auto& r : testing_support::kRefusedOnNonItemRows) {
        desk.clickOnRow(2, r.button);
        EXPECT_EQ(r.message, desk.answerMessage(IDOK));
    }
    desk.clickOnRow(2, IDC_REMOVE_FROM_DISPLAY);
    EXPECT_TRUE(WaitUntil([&] { return desk.rows().size() == 2; }, kTimeout));
    EXPECT_EQ("TWO", desk.cell(1, 3));
    EXPECT_EQ(1, SelectedListRow(desk.list)) << "the last row takes the selection";
}

}  // namespace

namespace {

RECT ScreenRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

TEST(PageSize, DraggingTheBorderGrowsTheListKeepsTheButtonsAtTheEdgeAndIsRemembered) {
    TempDir dir;
    ASSERT_TRUE(WriteFileBytes(dir.file("Kirunner.ini"), SettingsText({{"ONE", 5}})));
    SIZE grown{0, 0};
    {
        Desk desk(dir.path());
        ASSERT_TRUE(desk.ready());
        ASSERT_TRUE(BringToFront(desk));
        const RECT window = ScreenRect(desk.main), list = ScreenRect(desk.list);
        const RECT button = ScreenRect(GetDlgItem(desk.page, IDC_ADD_TO_CAPTION));
        DragOnScreen(POINT{window.right - 2, window.bottom - 2}, POINT{window.right + 118, window.bottom + 78});
        ASSERT_TRUE(WaitUntil([&] { return ScreenRect(desk.main).right > window.right + 100; }, kTimeout));
        const RECT after = ScreenRect(desk.main);
        const int dx = after.right - window.right, dy = after.bottom - window.bottom;
        EXPECT_GT(dy, 60);
        EXPECT_TRUE(WaitUntil([&] {
            const RECT l = ScreenRect(desk.list);
            return l.right - l.left == list.right - list.left + dx && l.bottom - l.top == list.bottom - list.top + dy;
        }, kTimeout)) << "the list grows by as much as the window";
        const RECT moved = ScreenRect(GetDlgItem(desk.page, IDC_ADD_TO_CAPTION));
        EXPECT_EQ(button.left + dx, moved.left) << "the buttons keep their distance from the right edge";
        EXPECT_EQ(button.top, moved.top);
        EXPECT_EQ(button.right - button.left, moved.right - moved.left);
        grown = SIZE{after.right - after.left, after.bottom - after.top};
        EXPECT_TRUE(WaitUntil([&] { return ReadFileBytes(dir.file("Kirunner.ini")).find("WINDOWW=") != std::string::npos; },
                              kTimeout));
        PostMessageA(desk.main, WM_CLOSE, 0, 0);
        ASSERT_TRUE(desk.program.WaitForExit(kTimeout));
    }
    Desk again(dir.path());
    ASSERT_TRUE(again.ready());
    const RECT reopened = ScreenRect(again.main);
    EXPECT_EQ(grown.cx, reopened.right - reopened.left) << "at 96 DPI the size comes back as it was left";
    EXPECT_EQ(grown.cy, reopened.bottom - reopened.top);
}

}  // namespace
