// The caption list to and from a spreadsheet through the list's context menu: CSV書き出し writes
// the list through the system's save dialog; CSV読み込み reads a file through its open dialog
// and, as the operator answers, adds it to the list or puts it in the list's place, saved as the
// page saves; a file with a bad row, or too large a file, is refused and changes nothing.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "FeedDocuments.h"
#include "OperatorDesk.h"
#include "PageParent.h"
#include "TempDir.h"
#include "resource.h"

using namespace testing_support;

namespace {

const DWORD kTimeout = kDeskTimeout;

TEST(CsvList, WrittenAndReadBackAddedOrInPlaceAndABadRowChangesNothing) {
    TempDir dir;
    ASSERT_TRUE(WriteFileBytes(dir.file("Kirunner.ini"), SettingsText({{"お知らせ", 5}, {"a, \"quoted\" text", 10}})));
    Desk desk(dir.path());
    ASSERT_TRUE(desk.ready());
    const Desk::Rows list = {{"1", "5", "------", "お知らせ"}, {"2", "10", "------", "a, \"quoted\" text"}};
    ASSERT_TRUE(desk.waitForRows(list));
    // The list is saved as the page shows it, perhaps a moment after.
    const auto savedWith = [&](const char* key) {
        return WaitUntil([&] { return ReadFileBytes(dir.file("Kirunner.ini")).find(key) != std::string::npos; }, kTimeout);
    };

    const std::string written = dir.file("list.csv");
    ASSERT_TRUE(desk.chooseFile(ID_CSV_EXPORT, written));
    EXPECT_TRUE(WaitUntil([&] { return FileExists(written); }, kTimeout));
    EXPECT_EQ("\xEF\xBB\xBF" + Utf8("テキスト,分\r\nお知らせ,5\r\n\"a, \"\"quoted\"\" text\",10\r\n"), ReadFileBytes(written));

    // A sheet saved by Excel in Japan (code page 932), added to the list.
    ASSERT_TRUE(WriteFileBytes(dir.file("more.csv"), "テキスト,分\r\n\"二行目に\r\n続く文\",3\r\n"));
    ASSERT_TRUE(desk.chooseFile(ID_CSV_IMPORT, dir.file("more.csv")));
    bool yesNo = false;
    EXPECT_EQ(0u, desk.answerMessage(IDYES, &yesNo).rfind("追加しますか、置き換えますか？\n\nはい: 今の一覧の後に追加します", 0));
    Desk::Rows added = list;
    added.push_back({"3", "3", "------", "二行目に\r\n続く文"});
    EXPECT_TRUE(desk.waitForRows(added)) << desk.rows().size();
    EXPECT_TRUE(savedWith("ITEMCOUNT=3\r\n"));

    // The written file read back in the list's place.
    ASSERT_TRUE(desk.chooseFile(ID_CSV_IMPORT, written));
    desk.answerMessage(IDNO);
    EXPECT_TRUE(desk.waitForRows(list));
    EXPECT_TRUE(savedWith("ITEMCOUNT=2\r\n"));

    // A bad row: its line is told, and nothing changes.
    const std::string settings = ReadFileBytes(dir.file("Kirunner.ini"));
    ASSERT_TRUE(WriteFileBytes(dir.file("bad.csv"), "テキスト,分\r\nよい行,5\r\n\r\n悪い行,0\r\n"));
    ASSERT_TRUE(desk.chooseFile(ID_CSV_IMPORT, dir.file("bad.csv")));
    EXPECT_EQ("CSVの4行目を読み込めません（分が1～60000の整数ではありません）。一覧は変わっていません", desk.answerMessage(IDOK));
    EXPECT_EQ(list, desk.rows());
    EXPECT_EQ(settings, ReadFileBytes(dir.file("Kirunner.ini")));

    // A file too large to be a list is refused before it is read, and nothing changes.
    ASSERT_TRUE(MakeHugeFile(dir.file("huge.csv"), "テキスト,分\r\n", 64LL * 1024 * 1024 + 1));
    ASSERT_TRUE(desk.chooseFile(ID_CSV_IMPORT, dir.file("huge.csv")));
    EXPECT_EQ("ファイルが大きすぎます（64 MiB まで）。一覧は変わっていません", desk.answerMessage(IDOK));
    EXPECT_EQ(list, desk.rows());
    EXPECT_EQ(settings, ReadFileBytes(dir.file("Kirunner.ini")));

    // Captions a spreadsheet would run as formulas go out with an apostrophe and come back as typed.
    Desk::Rows typed = list;
    for (const char* caption : {"-5分遅れ", "=HYPERLINK(\"http://example.com/\",\"開く\")"}) {
        desk.click(IDC_ADD_TEXT);
        ASSERT_TRUE(desk.enterCaption(caption, "5"));
        typed.push_back({std::to_string(typed.size() + 1), "5", "------", caption});
    }
    ASSERT_TRUE(desk.waitForRows(typed));
    ASSERT_TRUE(desk.chooseFile(ID_CSV_EXPORT, dir.file("formulas.csv")));
    EXPECT_TRUE(WaitUntil([&] { return FileExists(dir.file("formulas.csv")); }, kTimeout));
    EXPECT_EQ(ReadFileBytes(written) + Utf8("'-5分遅れ,5\r\n\"'=HYPERLINK(\"\"http://example.com/\"\",\"\"開く\"\")\",5\r\n"),
              ReadFileBytes(dir.file("formulas.csv")));
    ASSERT_TRUE(desk.chooseFile(ID_CSV_IMPORT, dir.file("formulas.csv")));
    desk.answerMessage(IDYES);
    for (size_t row = 0; row < 4; ++row) typed.push_back({std::to_string(row + 5), typed[row][1], "------", typed[row][3]});
    EXPECT_TRUE(desk.waitForRows(typed));
}

}  // namespace
