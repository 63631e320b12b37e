// Data sources as an operator uses them, against a server on 127.0.0.1 started by the test
// (tests/support/feed_server.py): a news feed set up in データソース設定 and checked with 今すぐ取得,
// its items on the strip and as a row; the feed changed while captions roll (the strip scrolls
// on without a restart, the new item comes, the removed one never again); 304 to the next look;
// a 500 and a dropped connection keep the items on air and say why. JSON over HTTP and a CSV
// file; the file changed is on air at once; OSC switches a source off and on for the run. An
// answer without the field keeps the items and says why; a feed repeating one id shows each of
// its titles; a text of 2,000,000 "&" is read. Rows that say why: a redirect to an address of
// another kind refused, a charset the program cannot read.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "FeedDocuments.h"
#include "framework/Mbcs.h"
#include "FeedServer.h"
#include "OperatorDesk.h"
#include "OscSend.h"
#include "StripMotion.h"
#include "TempDir.h"
#include "resource.h"

using namespace testing_support;

namespace {

const DWORD kTimeout = kDeskTimeout;
const DWORD kLook = 25000;  // one look of REFRESH=10 and then some, on a busy machine
const COLORREF kWhite = RGB(255, 255, 255);
const int kStripWidth = 600;
// Captions of one joining glyph: each is one run of text columns, its width its length.
const char kOne[] = "━", kThree[] = "━━━", kSix[] = "━━━━━━", kTwo[] = "━━";

// Fast scrolling (80 pixels a second) on a strip 600 pixels wide at the left of the screen.
std::string SystemKeys(const std::string& more = "") {
    return "[SYSTEM]\r\nSIZE=2\r\nDELTAX=4\r\nRGAP=" + std::to_string(GetSystemMetrics(SM_CXSCREEN) - kStripWidth) + "\r\n" +
           more;
}

// A width among the runs on the strip now within 2 columns of `width`.
bool Shows(const Desk& desk, int width) {
    const std::vector<int> widths = WholeRunWidths(desk.stripPixels(), kWhite);
    return std::any_of(widths.begin(), widths.end(), [&](int w) { return std::abs(w - width) <= 2; });
}

// The width of a one-glyph caption, once it is on the strip (the narrowest caption there is).
bool MeasureOne(const Desk& desk, int& one) {
    return WaitUntil([&] {
        const std::vector<int> widths = WholeRunWidths(desk.stripPixels(), kWhite);
        if (widths.empty()) return false;
        one = *std::min_element(widths.begin(), widths.end());
        return std::any_of(widths.begin(), widths.end(), [&](int w) { return w > 2 * one; });
    }, kTimeout);
}

bool StartsWith(const std::string& text, const std::string& start) { return text.rfind(start, 0) == 0; }

TEST(Sources, ANewsFeedSetUpOnThePageRollsOnAndIsUpdatedInPlace) {
    FeedServer server(600);
    if (!server.ready()) GTEST_SKIP() << "the feed server did not start (PYTHON3, FEED_SERVER)";
    ASSERT_TRUE(server.put("news.rss", RssFeed({{"g1", kOne}, {"g2", kThree}})));
    TempDir dir;
    ASSERT_TRUE(WriteFileBytes(dir.file("Kirunner.ini"), SystemKeys()));
    Desk desk(dir.path());
    ASSERT_TRUE(desk.ready());

    // データソース設定 from the list's context menu: a source added, looked at now, and kept.
    PostMessageA(desk.page, WM_COMMAND, ID_SOURCE_SETTINGS, 0);
    HWND dialog = desk.dialog("データソース設定");
    ASSERT_TRUE(dialog);
    PostClick(dialog, IDC_SOURCE_ADD);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(GetDlgItem(dialog, IDC_SOURCE_URL)) != FALSE; }, kTimeout));
    const std::string url = fw::CodePage932FromWide(server.http(L"/doc/news.rss"));
    SetDlgItemTextA(dialog, IDC_SOURCE_NAME, "ニュース");
    SetDlgItemTextA(dialog, IDC_SOURCE_URL, url.c_str());
    SetDlgItemTextA(dialog, IDC_SOURCE_REFRESH, "10");
    PostClick(dialog, IDC_SOURCE_PROBE);
    std::string probed;
    EXPECT_TRUE(WaitUntil([&] { return StartsWith(probed = ControlText(GetDlgItem(dialog, IDC_SOURCE_PROBE_RESULT)), "2"); },
                          kTimeout));
    EXPECT_EQ(std::string("2件: ") + kOne + " ／ " + kThree, probed);
    PostClick(dialog, IDOK);
    ASSERT_TRUE(WaitForGone(dialog, kTimeout));
    // Saved once the dialog has ended.
    std::string ini;
    EXPECT_TRUE(WaitUntil([&] { return (ini = ReadFileBytes(dir.file("Kirunner.ini"))).find("SOURCECOUNT=1\r\n") !=
                                       std::string::npos; }, kTimeout)) << ini;
    EXPECT_NE(std::string::npos, ini.find("[SOURCE0]\r\nEXEC=1\r\nNAME=ニュース\r\nURL=" + url + "\r\n")) << ini;

    // Its items on the strip, and its row below the (empty) list.
    std::string row;
    EXPECT_TRUE(WaitUntil([&] { return StartsWith(row = desk.cell(0, 3), "ニュース　2件 "); }, kTimeout)) << row;
    EXPECT_EQ((Desk::Rows{{"ソース1", "", "表示中"}}), desk.rows(3));
    int one = 0;
    ASSERT_TRUE(MeasureOne(desk, one));
    const int three = 3 * one;
    EXPECT_TRUE(Shows(desk, three));
    // The next look is conditional and answered with 304: nothing changes.
    EXPECT_TRUE(WaitUntil([&] { return server.conditionalRequests("news.rss") >= 1; }, kLook));

    // The feed changes while captions roll: g1 goes, g2 stays, g3 comes. Every picture of the
    // strip until the new item shows is the one before it scrolled on: no restart, no jump.
    ASSERT_TRUE(server.put("news.rss", RssFeed({{"g3", kSix}, {"g2", kThree}})));
    const DWORD changed = GetTickCount();
    PixelImage before = desk.stripPixels();
    DWORD beforeAt = GetTickCount();
    int pictures = 0, jumps = 0;
    bool newItemShown = false;
    while (!newItemShown && GetTickCount() - changed < kLook + 10000) {
        Sleep(30);
        const PixelImage now = desk.stripPixels();
        const DWORD nowAt = GetTickCount();
        const int mostColumns = 4 * static_cast<int>((nowAt - beforeAt) / 50 + 3) + 8;
        if (ScrolledOn(before, now, kWhite, mostColumns) < 0) ++jumps;
        ++pictures;
        const std::vector<int> widths = WholeRunWidths(now, kWhite);
        newItemShown = std::any_of(widths.begin(), widths.end(), [&](int w) { return std::abs(w - 2 * three) <= 3; });
        before = now;
        beforeAt = nowAt;
    }
    EXPECT_TRUE(newItemShown);
    EXPECT_EQ(0, jumps) << "of " << pictures << " pictures";
    EXPECT_TRUE(StartsWith(desk.cell(0, 3), "ニュース　2件 ")) << desk.cell(0, 3);
    // The removed item: its copies on the strip scroll out, and none comes again.
    Sleep(kStripWidth * 1000 / 80 + 1000);
    bool removedShown = false;
    for (DWORD start = GetTickCount(); GetTickCount() - start < 6000 && !removedShown; Sleep(100)) removedShown = Shows(desk, one);
    EXPECT_FALSE(removedShown);

    // A 500, then a dropped connection: the items stay on air and the row says why.
    ASSERT_TRUE(server.fail("news.rss", "500"));
    EXPECT_TRUE(WaitUntil([&] { return (row = desk.cell(0, 3)).find("取得できません: HTTP 500（前回 2件 ") != std::string::npos; },
                          kLook)) << row;
    EXPECT_EQ("表示中", desk.cell(0, 2));
    ASSERT_TRUE(server.fail("news.rss", "drop"));
    EXPECT_TRUE(WaitUntil([&] {
        row = desk.cell(0, 3);
        return row.find("接続が切れました") != std::string::npos || row.find("正しい応答がありません") != std::string::npos;
    }, kLook)) << row;
    EXPECT_TRUE(Shows(desk, three) || Shows(desk, 2 * three)) << "the last good items roll on";
}

TEST(Sources, JsonOverHttpAndACsvFileChangedOnAirAtOnceAndOscSwitchesASource) {
    FeedServer server(600);
    if (!server.ready()) GTEST_SKIP() << "the feed server did not start (PYTHON3, FEED_SERVER)";
    ASSERT_TRUE(server.put("news.json", Utf8(std::string("{\"articles\":[{\"title\":\"") + kOne + "\"},{\"title\":\"" +
                                             kThree + "\"}]}")));
    TempDir dir;
    const std::string csv = dir.file("captions.csv");
    ASSERT_TRUE(WriteFileBytes(csv, std::string("番号,見出し\r\n1,") + kSix + "\r\n"));  // code page 932, as Excel saves
    const int port = 19000 + static_cast<int>(GetCurrentProcessId() % 1000);
    const std::string url = fw::CodePage932FromWide(server.http(L"/doc/news.json"));
    const std::string ini =
        SystemKeys("OSCPORT=" + std::to_string(port) + "\r\nSOURCECOUNT=2\r\n") +
        SourceSection(0, {"EXEC=1", "NAME=JSON", "URL=" + url, "FORMAT=json", "FIELD=/articles/*/title", "REFRESH=10"}) +
        SourceSection(1, {"EXEC=1", "NAME=表計算", "URL=" + csv, "FORMAT=csv", "FIELD=見出し"});
    ASSERT_TRUE(WriteFileBytes(dir.file("Kirunner.ini"), ini));
    Desk desk(dir.path());
    ASSERT_TRUE(desk.ready());
    EXPECT_TRUE(WaitUntil([&] { return StartsWith(desk.cell(0, 3), "JSON　2件 ") && StartsWith(desk.cell(1, 3), "表計算　1件 "); },
                          kTimeout)) << desk.cell(0, 3) << " / " << desk.cell(1, 3);
    int one = 0;
    ASSERT_TRUE(MeasureOne(desk, one));
    EXPECT_TRUE(WaitUntil([&] { return Shows(desk, one * 3) && Shows(desk, one * 6); }, kTimeout));

    // The file saved again: its new row is on the page and on the strip at once.
    Sleep(1100);  // a new last-write time
    ASSERT_TRUE(WriteFileBytes(csv, std::string("番号,見出し\r\n1,") + kSix + "\r\n2," + kTwo + "\r\n"));
    const DWORD saved = GetTickCount();
    EXPECT_TRUE(WaitUntil([&] { return StartsWith(desk.cell(1, 3), "表計算　2件 "); }, kTimeout));
    EXPECT_LT(GetTickCount() - saved, 5000u) << "a file source is read when it changes";
    EXPECT_TRUE(WaitUntil([&] { return Shows(desk, one * 2); }, kTimeout));

    // OSC: source 1 off for this run (its row says so, its items leave), then on again; the
    // settings file stays as it was.
    const std::string before = ReadFileBytes(dir.file("Kirunner.ini"));
    ASSERT_TRUE(SendOsc(port, "/kirunner/source i:1 i:0"));
    EXPECT_TRUE(WaitUntil([&] { return desk.cell(0, 2) == "停止中" && desk.cell(0, 3) == "JSON　停止中"; }, kTimeout));
    Sleep(kStripWidth * 1000 / 80 + 1000);
    EXPECT_FALSE(Shows(desk, one * 3)) << "the switched-off source's items have left";
    ASSERT_TRUE(SendOsc(port, "/kirunner/source i:1 i:1"));
    EXPECT_TRUE(WaitUntil([&] { return StartsWith(desk.cell(0, 3), "JSON　2件 "); }, kTimeout));
    EXPECT_EQ(before, ReadFileBytes(dir.file("Kirunner.ini")));
}

TEST(Sources, AnAnswerWithoutTheFieldKeepsItsItemsAndHostileFeedsFinishTheirLooks) {
    FeedServer server(600);
    if (!server.ready()) GTEST_SKIP() << "the feed server did not start (PYTHON3, FEED_SERVER)";
    ASSERT_TRUE(server.put("news.json", Utf8(std::string("{\"items\":[{\"title\":\"") + kOne + "\"},{\"title\":\"" +
                                             kThree + "\"}]}")));
    // One id for every item, as some feeds give: each distinct title is an item.
    ASSERT_TRUE(server.put("same.rss", RssFeed({{"same", "一"}, {"same", "二"}, {"same", "三"}, {"same", "二"}})));
    TempDir dir;
    const std::string ampersands = dir.file("ampersands.txt");
    ASSERT_TRUE(WriteFileBytes(ampersands, std::string(2000000, '&') + "\r\n"));
    const std::string ini =
        SystemKeys("SOURCECOUNT=3\r\n") +
        SourceSection(0, {"EXEC=1", "NAME=JSON", "URL=" + fw::CodePage932FromWide(server.http(L"/doc/news.json")),
                          "FORMAT=json", "FIELD=/items/*/title", "REFRESH=10"}) +
        SourceSection(1, {"EXEC=1", "NAME=同じid", "URL=" + fw::CodePage932FromWide(server.http(L"/doc/same.rss"))}) +
        SourceSection(2, {"EXEC=1", "NAME=記号", "URL=" + ampersands, "FORMAT=text"});
    ASSERT_TRUE(WriteFileBytes(dir.file("Kirunner.ini"), ini));
    Desk desk(dir.path());
    ASSERT_TRUE(desk.ready());
    EXPECT_TRUE(WaitUntil([&] {
        return StartsWith(desk.cell(0, 3), "JSON　2件 ") && StartsWith(desk.cell(1, 3), "同じid　3件 ") &&
               StartsWith(desk.cell(2, 3), "記号　1件 ");
    }, kTimeout)) << desk.cell(0, 3) << " / " << desk.cell(1, 3) << " / " << desk.cell(2, 3);

    // A 200 without the field: the items stay on air, and the row says why.
    ASSERT_TRUE(server.put("news.json", "{\"error\":\"rate limited\"}"));
    std::string row;
    EXPECT_TRUE(WaitUntil([&] {
        return (row = desk.cell(0, 3)).find("取得できません: 項目が見つかりません（前回 2件 ") != std::string::npos;
    }, kLook)) << row;
    EXPECT_EQ("表示中", desk.cell(0, 2));
}

// The row of a program's only source, `url`, once it says more than that it is looking.
std::string RowOfTheOnlySource(const std::wstring& url) {
    TempDir dir;
    const std::string source = SourceSection(0, {"EXEC=1", "NAME=源", "URL=" + fw::CodePage932FromWide(url)});
    if (!WriteFileBytes(dir.file("Kirunner.ini"), SystemKeys("SOURCECOUNT=1\r\n") + source)) return "(no settings)";
    Desk desk(dir.path());
    std::string row;
    WaitUntil([&] { return desk.ready() && StartsWith(row = desk.cell(0, 3), "源　") && row != "源　取得中"; }, kTimeout);
    return row;
}

// A source on loopback redirected to an address of another kind (0.0.0.0).
TEST(Sources, ARedirectToAnAddressOfAnotherKindIsRefusedOnItsRow) {
    FeedServer server(600);
    ASSERT_TRUE(server.ready());
    EXPECT_EQ("源　取得できません: 内部のアドレスへの転送は許されません", RowOfTheOnlySource(server.http(L"/tounspecified")));
}

// Its items read as without a charset and on air, and the row says the charset is unknown.
TEST(Sources, AnUnknownCharsetIsSaidOnTheRow) {
    FeedServer server(600);
    if (!server.ready()) GTEST_SKIP() << "the feed server did not start (PYTHON3, FEED_SERVER)";
    ASSERT_TRUE(server.put("news.txt", Utf8(std::string(kThree) + "\n" + kOne + "\n"), "text/plain; charset=x-klingon"));
    const std::string row = RowOfTheOnlySource(server.http(L"/doc/news.txt"));
    EXPECT_TRUE(StartsWith(row, "源　2件 ") && row.find("（文字コード x-klingon は読めません）") != std::string::npos) << row;
}

}  // namespace
