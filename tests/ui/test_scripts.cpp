// Captions in any script typed into the running program as a person types them: they reach the
// list, the settings file (in code page 932, and exactly beside it where it cannot hold them)
// and come back after a restart.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "Cp932.h"
#include "KirunnerProcess.h"
#include "OperatorDesk.h"
#include "ScriptTexts.h"
#include "TempDir.h"
#include "framework/TextCodec.h"
#include "model/HexCodec.h"
#include "resource.h"

using namespace testing_support;

namespace {

const int kTextColumn = 3;

std::vector<std::wstring> TextColumn(const Desk& desk) {
    std::vector<std::wstring> texts;
    for (const auto& row : ReadListViewWide(desk.list, kTextColumn + 1)) texts.push_back(row[kTextColumn]);
    return texts;
}

std::wstring EditTextWide(HWND edit) {
    wchar_t text[1024] = {};
    SendMessageW(edit, WM_GETTEXT, sizeof text / sizeof text[0], reinterpret_cast<LPARAM>(text));
    return text;
}

std::string Section(const std::string& ini, int position) {
    const std::string header = "[ITEM" + std::to_string(position) + "]";
    const size_t from = ini.find(header);
    if (from == std::string::npos) return std::string();
    return ini.substr(from, ini.find('[', from + 1) - from);
}

TEST(Scripts, TextsTypedInAnyScriptReachTheListAndTheFileAndComeBackAfterARestart) {
    std::vector<std::wstring> typed;
    for (const ScriptText& t : TextsBeyondCodePage932()) typed.push_back(t.text);
    typed.push_back(Wide932(JapaneseCorpus()[7]));  // the NEC and IBM extensions
    TempDir dir;
    {
        Desk desk(dir.path());
        ASSERT_TRUE(desk.ready());
        EXPECT_TRUE(IsWindowUnicode(desk.main) && IsWindowUnicode(desk.page) && IsWindowUnicode(desk.strip));
        for (const std::wstring& text : typed) {
            desk.click(IDC_ADD_TEXT);
            HWND dialog = desk.dialog(kAddTextTitle);
            ASSERT_TRUE(dialog);
            EXPECT_TRUE(IsWindowUnicode(dialog)) << "an ANSI window turns what its code page lacks into ?";
            HWND edit = GetDlgItem(dialog, IDC_CAPTION_TEXT);
            ASSERT_TRUE(WaitUntil([&] { return FocusOf(dialog) == edit; }, kDeskTimeout));
            TypeText(text);
            EXPECT_TRUE(WaitUntil([&] { return EditTextWide(edit) == text; }, kDeskTimeout)) << Cp932(text);
            PostClick(dialog, IDOK);
            ASSERT_TRUE(WaitForGone(dialog, kDeskTimeout));
        }
        EXPECT_TRUE(WaitUntil([&] { return TextColumn(desk) == typed; }, kDeskTimeout));
        const std::string ini = ReadFileBytes(dir.file("Kirunner.ini"));
        for (size_t i = 0; i < typed.size(); ++i) {
            const std::string section = Section(ini, static_cast<int>(i));
            EXPECT_NE(std::string::npos, section.find("\r\nSTRINGS=" + encodeHex(Cp932(typed[i])) + "\r\n")) << section;
            const bool exactKey = i + 1 < typed.size();
            EXPECT_EQ(exactKey, section.find("\r\nUSTRINGS=" + encodeHex(fw::Narrow(typed[i], CP_UTF8)) + "\r\n") !=
                                    std::string::npos)
                << section;
            if (!exactKey) {
                EXPECT_EQ(std::string::npos, section.find("USTRINGS")) << section;
            }
        }
        PostMessageA(desk.main, WM_CLOSE, 0, 0);
        ASSERT_TRUE(desk.program.WaitForExit(kDeskTimeout));
    }
    Desk again(dir.path());
    ASSERT_TRUE(again.ready());
    EXPECT_TRUE(WaitUntil([&] { return TextColumn(again) == typed; }, kDeskTimeout));
}

// The program kept in a folder whose name code page 932 cannot hold finds its settings file
// there: a caption added is saved beside the program and is in the list after a restart.
TEST(Scripts, AProgramInAFolderOfAnyNameKeepsItsSettingsFileBesideIt) {
    TempDir dir;
    const std::wstring folder = dir.wideFile(L"Z\u00fcrich-\ud55c\uad6d");
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    const std::string caption = "\x91\xac\x95\xf1";  // "速報"
    {
        Desk desk(folder);
        ASSERT_TRUE(desk.ready());
        desk.click(IDC_ADD_TEXT);
        ASSERT_TRUE(desk.enterCaption(caption, "5"));
        ASSERT_TRUE(WaitUntil([&] { return desk.cell(0, kTextColumn) == caption; }, kDeskTimeout));
        EXPECT_NE(std::string::npos, ReadFileBytes(folder + L"\\Kirunner.ini").find("STRINGS=" + encodeHex(caption)));
        PostMessageA(desk.main, WM_CLOSE, 0, 0);
        ASSERT_TRUE(desk.program.WaitForExit(kDeskTimeout));
    }
    Desk again(folder);
    ASSERT_TRUE(again.ready());
    EXPECT_TRUE(WaitUntil([&] { return again.cell(0, kTextColumn) == caption; }, kDeskTimeout));
}

}  // namespace
