// The caption list to CSV and back: the round trip in every encoding a spreadsheet saves, and a
// bad row refused with its line.
#include <gtest/gtest.h>

#include <windows.h>

#include "model/CaptionCsv.h"
#include "framework/TextCodec.h"

namespace {

using Problem = CaptionCsvImport::Problem;

CaptionList sampleList(bool codePage932Only) {
    CaptionList list;
    list.append(CKirunData(L"臨時ニュースをお伝えします", 5));
    list.append(CKirunData(L"comma, \"quotes\" and\r\nline break", 60000));
    list.append(CKirunData(L" blanks at the ends ", 1));
    if (!codePage932Only) list.append(CKirunData(L"Zürich-한국 \xD83D\xDE00", 30));
    return list;
}

std::wstring rowsOf(const std::vector<CKirunData>& items) {
    std::wstring text;
    for (const CKirunData& item : items) text += item.m_text + L"=" + std::to_wstring(item.m_minutes) + L"\n";
    return text;
}

TEST(CaptionCsv, ExportIsUtf8WithMarkCrlfAndQuotesWhereNeeded) {
    const std::string csv = captionListToCsv(sampleList(false));
    const std::string expected = fw::Narrow(L"\xFEFFテキスト,分\r\n臨時ニュースをお伝えします,5\r\n\"comma, \"\"quotes\"\" and\r\nline break\",60000\r\n"
                         L"\" blanks at the ends \",1\r\nZürich-한국 \xD83D\xDE00,30\r\n",
                                            CP_UTF8);
    EXPECT_EQ(expected, csv);
}

TEST(CaptionCsv, RoundTripInEveryEncoding) {
    const struct {
        const char* name;
        bool codePage932Only;
        std::string (*encode)(const std::wstring&);
    } kCases[] = {
        {"utf-8 with mark", false, [](const std::wstring& t) { return "\xEF\xBB\xBF" + fw::Narrow(t, CP_UTF8); }},
        {"utf-8", false, [](const std::wstring& t) { return fw::Narrow(t, CP_UTF8); }},
        {"utf-16 little-endian", false, [](const std::wstring& t) { return "\xFF\xFE" + fw::Utf16Bytes(t, false); }},
        {"utf-16 big-endian", false, [](const std::wstring& t) { return "\xFE\xFF" + fw::Utf16Bytes(t, true); }},
        {"code page 932", true, [](const std::wstring& t) { return fw::Narrow(t, 932); }},
    };
    for (const auto& c : kCases) {
        const CaptionList list = sampleList(c.codePage932Only);
        const std::string exported = captionListToCsv(list);
        const std::wstring text = fw::Widen(exported.substr(3), CP_UTF8);
        const CaptionCsvImport imported = captionsFromCsv(c.encode(text));
        ASSERT_TRUE(imported.ok) << c.name << " line " << imported.badLine;
        EXPECT_EQ(rowsOf(std::vector<CKirunData>(list.begin(), list.end())), rowsOf(imported.items)) << c.name;
    }
}

TEST(CaptionCsv, TextsASpreadsheetWouldRunAsFormulasGoOutAsTextAndComeBackExactly) {
    const std::wstring longest = L"-" + std::wstring(kMaxCaptionTextCells - 1, L'x');
    const struct {
        std::wstring text, cell;  // the caption, its cell as the file holds it
    } kCases[] = {
        {L"=HYPERLINK(\"http://example.com/\",\"開く\")", L"\"'=HYPERLINK(\"\"http://example.com/\"\",\"\"開く\"\")\""},
        {L"+81 3", L"'+81 3"},
        {L"-5分遅れ", L"'-5分遅れ"},
        {L"@channel", L"'@channel"},
        {L"\tタブ", L"'\tタブ"},
        {L"\r\n改行", L"\"'\r\n改行\""},
        {L"'=x", L"''=x"},
        {L"'hello", L"'hello"},
        {L"a=b", L"a=b"},
        {longest, L"'" + longest},
    };
    CaptionList list;
    for (const auto& c : kCases) {
        CaptionList one;
        one.append(CKirunData(c.text, 5));
        EXPECT_EQ(fw::Narrow(L"\xFEFFテキスト,分\r\n" + c.cell + L",5\r\n", CP_UTF8), captionListToCsv(one))
            << fw::Narrow(c.text, CP_UTF8);
        list.append(CKirunData(c.text, 5));
    }
    const CaptionCsvImport imported = captionsFromCsv(captionListToCsv(list));
    ASSERT_TRUE(imported.ok) << imported.badLine;
    EXPECT_EQ(rowsOf(std::vector<CKirunData>(list.begin(), list.end())), rowsOf(imported.items));
}

TEST(CaptionCsv, TheFirstBadRowIsRefusedWithItsLine) {
    const std::wstring header = L"テキスト,分\r\n";
    const std::wstring laneHeader = L"テキスト,分,レーン\r\n";
    const std::wstring airHeader = L"テキスト,分,開始,終了,時間帯,曜日,回数\r\n";
    const struct {
        std::wstring csv;
        int line;
        Problem problem;
        const char* windowProblem = nullptr;  // Window: airWindowProblem's text
    } kCases[] = {
        {L"Text,Minutes\r\na,1\r\n", 1, Problem::Header},
        {L"", 1, Problem::Header},
        {header + L"a,1\r\n\"two\r\nlines\",2\r\nb,0\r\n", 5, Problem::Minutes},
        {header + L"a,60001\r\n", 2, Problem::Minutes},
        {header + L"a,1.5\r\n", 2, Problem::Minutes},
        {header + L"a,\r\n", 2, Problem::Minutes},
        {header + L"a,1,x\r\n", 2, Problem::Columns},
        {header + L"\r\na\r\n", 3, Problem::Columns},
        {header + L",5\r\n", 2, Problem::EmptyText},
        {header + std::wstring(501, L'あ') + L",5\r\n", 2, Problem::LongText},
        {header + L"a,1\r\n\"open,2\r\n", 3, Problem::NotCsv},
        {L"テキスト,分,Lane\r\na,1,1\r\n", 1, Problem::Header},
        {L"テキスト,分,レーン,x\r\na,1,1\r\n", 1, Problem::Header},
        {laneHeader + L"a,1,1\r\nb,1\r\n", 3, Problem::LaneColumns},
        {laneHeader + L"a,1,0\r\n", 2, Problem::Lane},
        {laneHeader + L"a,1,5\r\n", 2, Problem::Lane},
        {laneHeader + L"a,1,\r\n", 2, Problem::Lane},
        {laneHeader + L"a,1,2x\r\n", 2, Problem::Lane},
        {laneHeader + L"a,0,2\r\n", 2, Problem::Minutes},
        {airHeader + L"a,1,,,,,\r\nb,1,2024-02-30 10:00,,,,\r\n", 3, Problem::Window, u8"日時は YYYY-MM-DD HH:MM の形で入れてください"},
        {airHeader + L"a,1,2024-03-01 10:00,2024-03-01 09:00,,,\r\n", 2, Problem::Window, u8"終了が開始より前です"},
        {airHeader + L"a,1,,,,\r\n", 2, Problem::WindowColumns},
        {L"テキスト,分,レーン,開始,終了,時間帯,曜日,回数\r\na,1,,,,,,\r\n", 2, Problem::Lane},
        {L"テキスト,分,開始,終了,時間帯,回数,曜日\r\na,1,,,,,\r\n", 1, Problem::Header},
        {L"テキスト,分,開始\r\na,1,\r\n", 1, Problem::Header},
    };
    for (const auto& c : kCases) {
        const CaptionCsvImport imported = captionsFromCsv(fw::Narrow(c.csv, CP_UTF8));
        EXPECT_FALSE(imported.ok) << c.line;
        EXPECT_TRUE(imported.items.empty()) << c.line;
        EXPECT_EQ(c.line, imported.badLine) << fw::Narrow(c.csv, CP_UTF8);
        EXPECT_EQ(c.problem, imported.problem) << fw::Narrow(c.csv, CP_UTF8);
        EXPECT_STREQ(c.windowProblem, imported.windowProblem) << fw::Narrow(c.csv, CP_UTF8);
    }
    const CaptionCsvImport padded = captionsFromCsv(fw::Narrow(header + L"\r\nx, 7 \r\n\r\n", CP_UTF8));
    ASSERT_TRUE(padded.ok);
    EXPECT_EQ(L"x=7\n", rowsOf(padded.items));
    const CaptionCsvImport spaced = captionsFromCsv(fw::Narrow(airHeader + L"a,1, 2024-03-01 10:00 ,,,7, 12 \r\n", CP_UTF8));
    ASSERT_TRUE(spaced.ok);
    EXPECT_TRUE(spaced.items.at(0).m_window == (AirWindow{"2024-03-01 10:00", "", "", "7", 12}));
}

// The lane column is written only once a caption is off lane 1, and read back with each lane;
// a file without it puts every caption on lane 1.
TEST(CaptionCsv, TheLaneColumnComesWithACaptionOffLaneOne) {
    CaptionList list;
    list.append(CKirunData(L"上", 5));
    list.append(CKirunData(L"下", 3));
    EXPECT_EQ(fw::Narrow(L"\xFEFFテキスト,分\r\n上,5\r\n下,3\r\n", CP_UTF8), captionListToCsv(list));
    list.setLane(1, 4);
    const std::string csv = captionListToCsv(list);
    EXPECT_EQ(fw::Narrow(L"\xFEFFテキスト,分,レーン\r\n上,5,1\r\n下,3,4\r\n", CP_UTF8), csv);
    const CaptionCsvImport imported = captionsFromCsv(csv);
    ASSERT_TRUE(imported.ok);
    ASSERT_EQ(2u, imported.items.size());
    EXPECT_EQ(1, imported.items[0].m_lane);
    EXPECT_EQ(4, imported.items[1].m_lane);
    const CaptionCsvImport withoutLanes = captionsFromCsv(fw::Narrow(L"テキスト,分\r\na,1\r\n", CP_UTF8));
    ASSERT_TRUE(withoutLanes.ok);
    EXPECT_EQ(1, withoutLanes.items.at(0).m_lane);
}

// The time on air's columns come with a caption that has one, after レーン; blank cells: unset.
TEST(CaptionCsv, TheTimeOnAirColumnsComeWithACaptionThatHasOne) {
    CaptionList list;
    list.append(CKirunData(L"開場は18時です", 5));
    list.append(CKirunData(L"協賛", 3));
    const AirWindow window{"2024-03-01 10:00", "2024-03-31 18:00", "22:00-02:00", "135", 3};
    list.setWindow(0, window);
    const std::wstring row = L"開場は18時です,5,2024-03-01 10:00,2024-03-31 18:00,22:00-02:00,135,3\r\n";
    EXPECT_EQ(fw::Narrow(L"\xFEFFテキスト,分,開始,終了,時間帯,曜日,回数\r\n" + row + L"協賛,3,,,,,\r\n", CP_UTF8),
              captionListToCsv(list));
    list.setLane(1, 2);
    const std::string csv = captionListToCsv(list);
    EXPECT_EQ(fw::Narrow(L"\xFEFFテキスト,分,レーン,開始,終了,時間帯,曜日,回数\r\n"
                         L"開場は18時です,5,1,2024-03-01 10:00,2024-03-31 18:00,22:00-02:00,135,3\r\n協賛,3,2,,,,,\r\n", CP_UTF8),
              csv);
    const CaptionCsvImport imported = captionsFromCsv(csv);
    ASSERT_TRUE(imported.ok) << imported.badLine;
    EXPECT_TRUE(imported.items.at(0).m_window == window);
    EXPECT_FALSE(imported.items.at(1).m_window.set());
    EXPECT_EQ(2, imported.items.at(1).m_lane);
}

}  // namespace
