// The operator's desk, worked from outside as a person would: texts added, changed and deleted
// through the caption text dialog with the settings file written after each, captions put on
// air and taken off with the strip's pixels watched, the messages for a missing selection, the
// strip shown and hidden, the appearance dialog moving and recolouring the strip, and the
// close box ending the program while captions roll.
#include <gtest/gtest.h>

#include <windows.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "KirunnerProcess.h"
#include "OperatorDesk.h"
#include "TempDir.h"
#include "resource.h"
#include "PageParent.h"

using namespace testing_support;

namespace {

const DWORD kTimeout = kDeskTimeout;
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kCyan = RGB(0, 255, 255);

const char kSelectToShow[] = "KIRUN表示するデータを一覧で選択してください";
const char kSelectToChange[] = "設定変更するデータを一覧で選択してください";
const char kConfirmDelete[] = "選択したデータを削除しますか？";
const char kSelectToDelete[] = "削除するデータを一覧で選択してください";
const char kNotOnDisplay[] = "削除するデータは表示データに含まれていません";

using Row = std::vector<std::string>;
using Rows = std::vector<Row>;
using Section = std::vector<std::pair<std::string, std::string>>;
using Ini = std::map<std::string, Section>;

// The text of a control of another process; an edit control keeps its text to itself, so it
// is asked with WM_GETTEXT.
std::string ControlText(HWND dialog, int id) {
    char text[4096] = {};
    SendMessageA(GetDlgItem(dialog, id), WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

// The settings file as sections of keys in file order.
Ini ReadIni(const std::string& path) {
    Ini ini;
    std::string bytes = ReadFileBytes(path), section;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find('\n', start);
        if (end == std::string::npos) end = bytes.size();
        std::string line = bytes.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.size() > 1 && line.front() == '[' && line.back() == ']') {
            section = line.substr(1, line.size() - 2);
            ini[section];
        } else if (line.find('=') != std::string::npos) {
            ini[section].emplace_back(line.substr(0, line.find('=')), line.substr(line.find('=') + 1));
        }
    }
    return ini;
}

// The SYSTEM section a start without a settings file saves: white, small font, top edge.
Section DefaultSystem(int itemCount) {
    return {{"COLOR", "0"}, {"RGB", "16777215"}, {"RGBSDW", "0"}, {"POS", "0"}, {"GAP", "0"},
            {"LGAP", "0"}, {"RGAP", "0"}, {"SIZE", "0"}, {"DELTAX", "2"},
            {"FONTFACENAME", "ＭＳ Ｐゴシック"}, {"FONTHEIGHT", "-12"}, {"FONTWEIGHT", "700"},
            {"FONTITALIC", "0"}, {"ITEMCOUNT", std::to_string(itemCount)}};
}
Section Item(int minutes, const std::string& hex) {
    return {{"MINUTE", std::to_string(minutes)}, {"STRINGS", hex}};
}
const Section kDefaultFile = {{"EXEC", "0"}, {"MINUTE", "1"}, {"PATH", ""}};

// A prepared settings file: white text at the top edge and the given items (text, minutes).
void WriteSettings(const std::string& folder, const std::vector<SettingsItem>& items,
                   const std::string& extraSystemKeys = "") {
    WriteFileBytes(folder + "\\Kirunner.ini", SettingsText(items, extraSystemKeys));
}

TEST(Operator, AddChangeAndDeleteSaveTheFileAfterEachStep) {
    TempDir dir;
    const std::string ini = dir.file("Kirunner.ini");
    Desk desk(dir.path());
    ASSERT_TRUE(desk.ready());
    EXPECT_FALSE(FileExists(ini)) << "opening saves nothing";

    desk.click(IDC_ADD_TEXT);
    ASSERT_TRUE(desk.enterCaption("朝のキルン", "3"));
    Ini expected = {{"SYSTEM", DefaultSystem(1)}, {"ITEM0", Item(3, "92a982cc834c838b8393")},
                    {"FILE", kDefaultFile}};
    EXPECT_TRUE(WaitUntil([&] { return ReadIni(ini) == expected; }, kTimeout));
    EXPECT_EQ(expected, ReadIni(ini));
    EXPECT_TRUE(desk.waitForRows({{"1", "3", "------", "朝のキルン"}}));

    desk.click(IDC_ADD_TEXT);
    ASSERT_TRUE(desk.enterCaption("一行目\r\n二行目", "60000"));
    desk.click(IDC_ADD_TEXT);
    ASSERT_TRUE(desk.enterCaption("abc", "1"));
    expected["SYSTEM"] = DefaultSystem(3);
    expected["ITEM1"] = Item(60000, "88ea8d7396da0d0a93f18d7396da");
    expected["ITEM2"] = Item(1, "616263");
    EXPECT_TRUE(WaitUntil([&] { return ReadIni(ini) == expected; }, kTimeout));
    EXPECT_EQ(expected, ReadIni(ini)) << "the line break is stored as 0d0a";
    EXPECT_TRUE(desk.waitForRows({{"1", "3", "------", "朝のキルン"},
                                  {"2", "60000", "------", "一行目\r\n二行目"},
                                  {"3", "1", "------", "abc"}}));

    // The change dialog opens with the row's values.
    desk.clickOnRow(1, IDC_CHANGE_TEXT);
    HWND dialog = desk.dialog(kChangeTextTitle);
    ASSERT_TRUE(dialog);
    EXPECT_EQ("一行目\r\n二行目", ControlText(dialog, IDC_CAPTION_TEXT));
    EXPECT_EQ("60000", ControlText(dialog, IDC_MINUTES_EDIT));
    ASSERT_TRUE(desk.enterCaption("変更後のキルン", "7", kChangeTextTitle));
    expected["ITEM1"] = Item(7, "95cf8d588ce382cc834c838b8393");
    EXPECT_TRUE(WaitUntil([&] { return ReadIni(ini) == expected; }, kTimeout));
    EXPECT_EQ(expected, ReadIni(ini));

    // Deleting the first item moves the others up; the section of the old last item stays.
    desk.clickOnRow(0, IDC_DELETE_TEXT);
    bool yesNo = false;
    EXPECT_EQ(kConfirmDelete, desk.answerMessage(IDYES, &yesNo));
    EXPECT_TRUE(yesNo);
    expected["SYSTEM"] = DefaultSystem(2);
    expected["ITEM0"] = Item(7, "95cf8d588ce382cc834c838b8393");
    expected["ITEM1"] = Item(1, "616263");
    EXPECT_TRUE(WaitUntil([&] { return ReadIni(ini) == expected; }, kTimeout));
    EXPECT_EQ(expected, ReadIni(ini));
    EXPECT_TRUE(desk.waitForRows({{"1", "7", "------", "変更後のキルン"}, {"2", "1", "------", "abc"}}));

    // A cancelled dialog changes nothing and saves nothing.
    const std::string saved = ReadFileBytes(ini);
    desk.clickOnRow(0, IDC_CHANGE_TEXT);
    dialog = desk.dialog(kChangeTextTitle);
    ASSERT_TRUE(dialog);
    SetDlgItemTextA(dialog, IDC_CAPTION_TEXT, "捨てる");
    PostClick(dialog, IDCANCEL);
    ASSERT_TRUE(WaitForGone(dialog));
    EXPECT_EQ(saved, ReadFileBytes(ini));
    EXPECT_EQ("変更後のキルン", desk.rows()[0][3]);
}

TEST(Operator, MessagesForAMissingSelectionAndNoKeepsTheItem) {
    // First with an empty list, then with a list in which no row is selected.
    for (bool withItem : {false, true}) {
        SCOPED_TRACE(withItem ? "no row selected" : "empty list");
        TempDir dir;
        if (withItem) WriteSettings(dir.path(), {{"abc", 2}});
        Desk desk(dir.path());
        ASSERT_TRUE(desk.ready());
        const struct {
            int button;
            const char* text;
        } presses[] = {{IDC_ADD_TO_CAPTION, kSelectToShow}, {IDC_REMOVE_FROM_DISPLAY, kSelectToShow},
                       {IDC_CHANGE_TEXT, kSelectToChange}, {IDC_DELETE_TEXT, kSelectToDelete}};
        for (const auto& press : presses) {
            desk.click(press.button);
            bool yesNo = true;
            EXPECT_EQ(press.text, desk.answerMessage(IDOK, &yesNo)) << press.button;
            EXPECT_FALSE(yesNo);
        }
        if (!withItem) {
            EXPECT_TRUE(desk.rows().empty());
            EXPECT_FALSE(FileExists(dir.file("Kirunner.ini")));
            continue;
        }
        const std::string before = ReadFileBytes(dir.file("Kirunner.ini"));
        desk.clickOnRow(0, IDC_REMOVE_FROM_DISPLAY);
        EXPECT_EQ(kNotOnDisplay, desk.answerMessage(IDOK));
        desk.clickOnRow(0, IDC_DELETE_TEXT);
        EXPECT_EQ(kConfirmDelete, desk.answerMessage(IDNO));
        EXPECT_EQ((Rows{{"1", "2", "------", "abc"}}), desk.rows());
        EXPECT_EQ(before, ReadFileBytes(dir.file("Kirunner.ini"))) << "No saves nothing";
        EXPECT_FALSE(desk.program.WaitForMessageBox(300)) << "every box was answered";
    }
}

TEST(Operator, OnAirRowsAndTheStripFollowTheButtons) {
    TempDir dir;
    WriteSettings(dir.path(), {{"ONE", 5}, {"TWO", 5}});
    const std::string before = ReadFileBytes(dir.file("Kirunner.ini"));
    Desk desk(dir.path());
    ASSERT_TRUE(desk.ready());
    EXPECT_LT(desk.stripPixels().firstColumnWith(kWhite), 0) << "nothing is on air yet";

    desk.clickOnRow(0, IDC_ADD_TO_CAPTION);
    EXPECT_TRUE(desk.waitForRows({{"1", "5", "表示中", "ONE"}, {"2", "5", "------", "TWO"}}));
    // The caption enters at the right edge and moves left.
    const int entered = desk.waitForColour(kWhite);
    ASSERT_GE(entered, 0);
    int later = entered;
    EXPECT_TRUE(WaitUntil([&] { return (later = desk.stripPixels().firstColumnWith(kWhite)) < entered - 4; },
                          kTimeout));
    EXPECT_LT(later, entered);
    EXPECT_GE(later, 0);

    desk.clickOnRow(1, IDC_ADD_TO_CAPTION);
    EXPECT_TRUE(desk.waitForRows({{"1", "5", "表示中", "ONE"}, {"2", "5", "表示中", "TWO"}}));
    desk.clickOnRow(0, IDC_REMOVE_FROM_DISPLAY);
    EXPECT_TRUE(desk.waitForRows({{"1", "5", "------", "ONE"}, {"2", "5", "表示中", "TWO"}}));

    // Hiding the strip changes no row; showing it brings the rolling caption back.
    desk.click(IDC_DISPLAY_OFF);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(desk.strip); }, kTimeout));
    EXPECT_TRUE(WaitUntil([&] { return desk.stripPixels().count(kWhite) == 0; }, kTimeout))
        << "the screen under a hidden strip is black";
    EXPECT_EQ("表示中", desk.rows()[1][2]);
    desk.click(IDC_DISPLAY_ON);
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(desk.strip) != FALSE; }, kTimeout));
    EXPECT_GE(desk.waitForColour(kWhite), 0);

    EXPECT_EQ(before, ReadFileBytes(dir.file("Kirunner.ini"))) << "on and off air save nothing";

    // The close box ends the program while a caption rolls; the strip goes with it.
    PostMessageA(desk.main, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(desk.program.WaitForExit(kTimeout));
    EXPECT_FALSE(IsWindow(desk.strip));
}

TEST(Operator, AppearanceOkMovesTheStripToTheBottomInTheNewColour) {
    TempDir dir;
    WriteSettings(dir.path(), {{"赤い字幕", 5}});
    Desk desk(dir.path());
    ASSERT_TRUE(desk.ready());
    desk.clickOnRow(0, IDC_ADD_TO_CAPTION);
    ASSERT_GE(desk.waitForColour(kWhite), 0);
    desk.click(IDC_DISPLAY_OFF);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(desk.strip); }, kTimeout));

    desk.click(IDC_CAPTION_SETTINGS);
    HWND dialog = desk.dialog(kAppearanceTitle);
    ASSERT_TRUE(dialog);
    PostClick(dialog, IDC_POS_BOTTOM);
    PostClick(dialog, IDC_COLOR_RED);
    PostClick(dialog, IDOK);
    ASSERT_TRUE(WaitForGone(dialog));

    RECT rect{};
    EXPECT_TRUE(WaitUntil([&] {
        GetWindowRect(desk.strip, &rect);
        return rect.bottom == GetSystemMetrics(SM_CYSCREEN);
    }, kTimeout));
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), rect.bottom);
    EXPECT_GT(rect.top, GetSystemMetrics(SM_CYSCREEN) / 2);
    EXPECT_TRUE(IsWindowVisible(desk.strip)) << "the new layout shows a hidden strip";
    // Red text on its cyan shadow, and nothing left of the white caption.
    PixelImage shown;
    EXPECT_TRUE(WaitUntil([&] {
        shown = desk.stripPixels();
        return shown.count(kRed) > 0 && shown.count(kCyan) > 0;
    }, kTimeout));
    EXPECT_EQ(0, shown.count(kWhite));

    Section system = ReadIni(dir.file("Kirunner.ini"))["SYSTEM"];
    auto value = [&](const std::string& key) {
        for (const auto& entry : system)
            if (entry.first == key) return entry.second;
        return std::string("(missing)");
    };
    EXPECT_EQ("3", value("COLOR"));
    EXPECT_EQ("1", value("POS"));
    EXPECT_EQ("1", value("ITEMCOUNT"));
    EXPECT_EQ("表示中", desk.rows()[0][2]) << "the appearance changes no state";

    PostMessageA(desk.main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(desk.program.WaitForExit(kTimeout));
}

}  // namespace
