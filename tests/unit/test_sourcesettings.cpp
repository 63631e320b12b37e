// The data sources in the settings file: sections SOURCE0, SOURCE1, ... and SYSTEM SOURCECOUNT,
// written byte for byte as the platform's profile functions write them key by key (the oracle),
// read back as they read them, and absent from a file without sources.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/HexCodec.h"
#include "tests/support/SettingsCompare.h"
#include "tests/support/TempDir.h"
#include "framework/TextCodec.h"

using namespace testing_support;

namespace {

SourceSettings Source(const std::wstring& name, const std::wstring& url) {
    SourceSettings s;
    s.exec = 1;
    s.name = name;
    s.url = url;
    return s;
}

SourceSettings Alerts() {
    SourceSettings s = Source(L"気象警報", L"https://example.jp/alerts.xml");
    s.format = SourceFormat::Atom;
    s.mode = SourceMode::CutIn;
    s.refreshSeconds = 60;
    s.match = L"警報|地震";
    s.area = L"東京都";
    s.cutInMinutes = 3;
    return s;
}

std::string Utf8Hex(const std::wstring& text) { return encodeHex(fw::Narrow(text, CP_UTF8)); }

// The same saves through the program's writer and the oracle's, each from `start`, compared
// after every save, and each file read back by the other reader.
void ExpectSavedAsThePlatformSavesThem(const std::string& start, const std::vector<Settings>& saves) {
    TempDir dir;
    const std::string own = dir.file("own.ini"), platform = dir.file("platform.ini");
    ASSERT_TRUE(WriteFileBytes(own, start) && WriteFileBytes(platform, start));
    for (size_t step = 0; step < saves.size(); ++step) {
        const std::string what = "save " + std::to_string(step);
        ASSERT_TRUE(SaveWithWriter(own, saves[step])) << what;
        ASSERT_TRUE(oracle::WriteSettings(platform, saves[step])) << what;
        EXPECT_EQ(ReadFileBytes(platform), ReadFileBytes(own)) << what;
        Settings readByPlatform;
        oracle::LoadSettings(own, readByPlatform);
        ExpectSameSettings(readByPlatform, LoadWithReader(platform), what);
        ExpectSameSettings(saves[step], LoadWithReader(own), what + " read back");
    }
}

TEST(SourceSettingsFile, SavedAndReadAsThePlatformDoesItKeyByKey) {
    Settings none;
    none.captions.append(CKirunData(L"お知らせ", 5));
    Settings two = none;
    two.fileInterface.sources = {Source(L"ニュース", L"https://example.jp/news.rss"), Alerts()};
    two.fileInterface.sources[0].prefix = L"【ニュース】";
    two.fileInterface.sources[0].maxItems = 500;
    Settings beyond = two;  // texts code page 932 cannot hold, a field, a changed format
    beyond.fileInterface.sources[0].name = L"한국 뉴스";
    beyond.fileInterface.sources[0].url = L"C:\\데이터\\news.csv";
    beyond.fileInterface.sources[0].format = SourceFormat::Csv;
    beyond.fileInterface.sources[0].field = L"見出し";
    beyond.fileInterface.sources[1].match = L"Café|警報";
    beyond.fileInterface.sources[1].area = L"𠮷野";
    beyond.fileInterface.sources[1].prefix = L"速報　";
    Settings one = none;
    one.fileInterface.sources = {Alerts()};
    for (const std::string& start : {std::string(), std::string("[SYSTEM]\r\nCOLOR=2\r\n[FILE]\r\nEXEC=0\r\n")})
        ExpectSavedAsThePlatformSavesThem(start, {none, two, beyond, one, none, two});
}

TEST(SourceSettingsFile, ASectionHoldsEveryKeyAndTheExactTextOnlyWhereCodePage932CannotHoldIt) {
    TempDir dir;
    Settings s;
    s.fileInterface.sources = {Alerts()};
    s.fileInterface.sources[0].name = L"한국";
    ASSERT_TRUE(SaveWithWriter(dir.file("Kirunner.ini"), s));
    const std::string bytes = ReadFileBytes(dir.file("Kirunner.ini"));
    EXPECT_NE(std::string::npos, bytes.find("SOURCECOUNT=1\r\n")) << bytes;
    // (Texts code page 932 lacks stay out of the test macros, which spell their arguments in it.)
    const std::string section = "[SOURCE0]\r\nEXEC=1\r\nNAME=??\r\nUNAME=" + Utf8Hex(L"한국") +
                                "\r\nURL=https://example.jp/alerts.xml\r\nFORMAT=atom\r\nFIELD=\r\nREFRESH=60\r\n"
                                "MAXITEMS=20\r\nPREFIX=\r\nMODE=1\r\nMATCH=警報|地震\r\nAREA=東京都\r\nMINUTE=3\r\n";
    EXPECT_NE(std::string::npos, bytes.find(section)) << bytes;

    // No source: no count key (an old one is deleted) and no section written.
    s.fileInterface.sources.clear();
    ASSERT_TRUE(SaveWithWriter(dir.file("Kirunner.ini"), s));
    EXPECT_EQ(std::string::npos, ReadFileBytes(dir.file("Kirunner.ini")).find("SOURCECOUNT")) << bytes;
    TempDir fresh;
    ASSERT_TRUE(SaveWithWriter(fresh.file("Kirunner.ini"), Settings()));
    EXPECT_EQ(std::string::npos, ReadFileBytes(fresh.file("Kirunner.ini")).find("SOURCE"));
}

TEST(SourceSettingsFile, ALoadTakesAtMostSixteenWithinTheirBounds) {
    std::string ini = "[SYSTEM]\r\nSOURCECOUNT=40\r\n";
    for (int i = 0; i < 20; ++i)
        ini += "[SOURCE" + std::to_string(i) + "]\r\nEXEC=3\r\nURL= \"C:\\feeds\\" + std::to_string(i) +
               ".xml\" \r\nFORMAT=JSON\r\nREFRESH=2\r\nMAXITEMS=0\r\nMODE=7\r\nMINUTE=90000\r\n";
    TempDir dir;
    ASSERT_TRUE(WriteFileBytes(dir.file("Kirunner.ini"), ini));
    const Settings loaded = LoadWithReader(dir.file("Kirunner.ini"));
    ASSERT_EQ(16u, loaded.fileInterface.sources.size());
    const SourceSettings& last = loaded.fileInterface.sources.back();
    EXPECT_EQ(1, last.exec);
    EXPECT_EQ(L"C:\\feeds\\15.xml", last.url);
    EXPECT_EQ(SourceFormat::Json, last.format);
    EXPECT_EQ(SourceSettings::kMinRefreshSeconds, last.refreshSeconds);
    EXPECT_EQ(1, last.maxItems);
    EXPECT_EQ(SourceMode::Cycle, last.mode);
    EXPECT_EQ(60000, last.cutInMinutes);
    Settings expected;
    oracle::LoadSettings(dir.file("Kirunner.ini"), expected);
    ExpectSameSettings(expected, loaded, "bounded");
}

}  // namespace
