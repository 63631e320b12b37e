#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>

#include "model/AppearanceSettings.h"
#include "model/SettingsFile.h"
#include "tests/support/DialogDriver.h"
#include "tests/support/TempDir.h"
#include "test_settings_stdout.h"

namespace {

using testing_support::MessageBoxRecorder;
using testing_support::ReadFileBytes;
using testing_support::TempDir;
using testing_support::WriteFileBytes;

const char kSaveFailed[] = "設定ファイルに保存できませんでした\n";

struct Settings {
    AppearanceSettings appearance;
    CaptionList captions;
    FileInterfaceSettings fileInterface;
};

Settings loadFrom(const std::string& path) {
    Settings s;
    loadSettingsFile(path, s.appearance, s.captions, s.fileInterface);
    return s;
}

bool saveTo(const std::string& path, const Settings& s) {
    return saveSettingsFile(path, s.appearance, s.captions, s.fileInterface);
}

bool sameFont(const LOGFONTA& a, const LOGFONTA& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

void expectSameAppearance(const AppearanceSettings& expected, const AppearanceSettings& actual) {
    EXPECT_TRUE(sameFont(expected.logFont, actual.logFont));
    EXPECT_EQ(expected.colorChoice, actual.colorChoice);
    EXPECT_EQ(expected.userTextColor, actual.userTextColor);
    EXPECT_EQ(expected.userShadowColor, actual.userShadowColor);
    EXPECT_EQ(expected.sizeChoice, actual.sizeChoice);
    EXPECT_EQ(expected.pos, actual.pos);
    EXPECT_EQ(expected.gap, actual.gap);
    EXPECT_EQ(expected.lgap, actual.lgap);
    EXPECT_EQ(expected.rgap, actual.rgap);
    EXPECT_EQ(expected.deltaX, actual.deltaX);
}

void expectSameItems(const CaptionList& expected, const CaptionList& actual) {
    ASSERT_EQ(expected.count(), actual.count());
    for (int i = 0; i < expected.count(); ++i) {
        EXPECT_EQ(expected.at(i).m_text, actual.at(i).m_text) << "item " << i;
        EXPECT_EQ(expected.at(i).m_minutes, actual.at(i).m_minutes) << "item " << i;
        EXPECT_EQ(0, actual.at(i).m_state) << "item " << i;
    }
}

std::string fileWithItems(const std::string& itemCount, const std::string& itemSections) {
    return "[SYSTEM]\r\nITEMCOUNT=" + itemCount + "\r\n" + itemSections;
}

TEST(SettingsFile, NoFileGivesEveryDefaultAndKeepsTheListsItems) {
    TempDir dir;
    Settings s;
    s.captions.append(CKirunData("already there", 3));
    loadSettingsFile(dir.file("Kirunner.ini"), s.appearance, s.captions, s.fileInterface);

    expectSameAppearance(AppearanceSettings(), s.appearance);
    EXPECT_EQ(0, s.appearance.colorChoice);
    EXPECT_EQ(0xFFFFFFu, s.appearance.userTextColor);
    EXPECT_EQ(2, s.appearance.deltaX);
    EXPECT_EQ(-16, s.appearance.logFont.lfHeight);
    EXPECT_STREQ("ＭＳ Ｐゴシック", s.appearance.logFont.lfFaceName);
    ASSERT_EQ(1, s.captions.count());
    EXPECT_EQ("already there", s.captions.at(0).m_text);
    EXPECT_EQ(0, s.fileInterface.fileExec);
    EXPECT_EQ("", s.fileInterface.filePath);
    EXPECT_EQ(1, s.fileInterface.fileMinute);
    EXPECT_FALSE(testing_support::FileExists(dir.file("Kirunner.ini")));
}

TEST(SettingsFile, SaveWritesEverySectionAndKeyInOrder) {
    TempDir dir;
    Settings s;
    s.appearance.colorChoice = 4;
    s.appearance.userTextColor = RGB(255, 255, 120);
    s.appearance.userShadowColor = RGB(0, 0, 135);
    s.appearance.sizeChoice = 3;
    s.appearance.pos = 1;
    s.appearance.gap = -5;
    s.appearance.lgap = 10;
    s.appearance.rgap = -3000;
    s.appearance.deltaX = 4;
    s.appearance.logFont.lfHeight = -21;
    s.appearance.logFont.lfItalic = 255;
    s.captions.append(CKirunData("abc", 5));
    s.captions.append(CKirunData("表\r\n", 60000));
    s.fileInterface.fileExec = 1;
    s.fileInterface.fileMinute = 30;
    s.fileInterface.filePath = "C:\\データ\\news.txt";

    ASSERT_TRUE(saveTo(dir.file("Kirunner.ini"), s));

    EXPECT_EQ("[SYSTEM]\r\n"
              "COLOR=4\r\n"
              "RGB=7929855\r\n"
              "RGBSDW=8847360\r\n"
              "POS=1\r\n"
              "GAP=-5\r\n"
              "LGAP=10\r\n"
              "RGAP=-3000\r\n"
              "SIZE=3\r\n"
              "DELTAX=4\r\n"
              "FONTFACENAME=ＭＳ Ｐゴシック\r\n"
              "FONTHEIGHT=-21\r\n"
              "FONTWEIGHT=700\r\n"
              "FONTITALIC=255\r\n"
              "ITEMCOUNT=2\r\n"
              "[ITEM0]\r\n"
              "MINUTE=5\r\n"
              "STRINGS=616263\r\n"
              "[ITEM1]\r\n"
              "MINUTE=60000\r\n"
              "STRINGS=955c0d0a\r\n"
              "[FILE]\r\n"
              "EXEC=1\r\n"
              "MINUTE=30\r\n"
              "PATH=C:\\データ\\news.txt\r\n",
              ReadFileBytes(dir.file("Kirunner.ini")));
}

TEST(SettingsFile, EveryFieldAndAwkwardTextsSurviveSaveAndLoad) {
    TempDir dir;
    Settings s;
    s.appearance.colorChoice = 3;
    s.appearance.userTextColor = RGB(12, 34, 56);
    s.appearance.userShadowColor = RGB(255, 254, 253);
    s.appearance.sizeChoice = 3;
    s.appearance.pos = 1;
    s.appearance.gap = -1000;
    s.appearance.lgap = -3000;
    s.appearance.rgap = -1;
    s.appearance.deltaX = 1;
    s.appearance.logFont.lfHeight = -37;
    s.appearance.logFont.lfWeight = 400;
    s.appearance.logFont.lfItalic = 1;
    std::strcpy(s.appearance.logFont.lfFaceName, "Arial");
    std::string thousandBytes;  // the longest text the caption text dialog accepts
    for (int i = 0; i < 45; ++i) thousandBytes += "キルン表示テスト0123\r\n";  // 22 bytes each
    thousandBytes += "0123456789";
    ASSERT_EQ(1000u, thousandBytes.size());
    s.captions.append(CKirunData("line one\r\nline two", 1));
    s.captions.append(CKirunData("key=value; comment", 2));
    s.captions.append(CKirunData("   leading blanks", 3));
    s.captions.append(CKirunData("表示ソ能", 4));  // trail bytes 0x5c, 0x5c and 0x94: not separators
    s.captions.append(CKirunData(thousandBytes, 60000));
    s.captions.append(CKirunData("", 0));
    s.captions.append(CKirunData("minus", -7));
    s.fileInterface.fileExec = 1;
    s.fileInterface.fileMinute = 60000;
    s.fileInterface.filePath = "C:\\表\\ソ.txt";

    ASSERT_TRUE(saveTo(dir.file("Kirunner.ini"), s));
    Settings loaded = loadFrom(dir.file("Kirunner.ini"));

    LOGFONTA expectedFont = defaultCaptionFont();  // only face, height, weight and italic are stored
    expectedFont.lfHeight = -37;
    expectedFont.lfWeight = 400;
    expectedFont.lfItalic = 1;
    std::memset(expectedFont.lfFaceName, 0, sizeof expectedFont.lfFaceName);
    std::strcpy(expectedFont.lfFaceName, "Arial");
    s.appearance.logFont = expectedFont;
    expectSameAppearance(s.appearance, loaded.appearance);
    expectSameItems(s.captions, loaded.captions);
    EXPECT_EQ(1000u, loaded.captions.at(4).m_text.size());
    EXPECT_EQ(1, loaded.fileInterface.fileExec);
    EXPECT_EQ(60000, loaded.fileInterface.fileMinute);
    EXPECT_EQ("C:\\表\\ソ.txt", loaded.fileInterface.filePath);
}

TEST(SettingsFile, OnAirStateIsNotStored) {
    TempDir dir;
    Settings s;
    s.captions.append(CKirunData("on air", 5, 1));
    ASSERT_TRUE(saveTo(dir.file("Kirunner.ini"), s));
    Settings loaded = loadFrom(dir.file("Kirunner.ini"));
    ASSERT_EQ(1, loaded.captions.count());
    EXPECT_EQ(0, loaded.captions.at(0).m_state);
}

TEST(SettingsFile, OddLengthTextLoadsEmptyWithItsMinutesAndSaysSo) {
    TempDir dir;
    ASSERT_TRUE(WriteFileBytes(dir.file("Kirunner.ini"),
                               fileWithItems("2", "[ITEM0]\r\nMINUTE=7\r\nSTRINGS=616\r\n"
                                                  "[ITEM1]\r\nMINUTE=8\r\nSTRINGS=6162\r\n")));
    StdoutCapture out;
    Settings loaded = loadFrom(dir.file("Kirunner.ini"));
    EXPECT_EQ("受信データの文字数が奇数です\n", out.text());
    ASSERT_EQ(2, loaded.captions.count());
    EXPECT_EQ("", loaded.captions.at(0).m_text);
    EXPECT_EQ(7, loaded.captions.at(0).m_minutes);
    EXPECT_EQ("ab", loaded.captions.at(1).m_text);
}

TEST(SettingsFile, NonHexDigitsCountAsZeroAndAZeroPairEndsTheText) {
    TempDir dir;
    ASSERT_TRUE(WriteFileBytes(dir.file("Kirunner.ini"),
                               fileWithItems("2", "[ITEM0]\r\nSTRINGS=6z41\r\n"
                                                  "[ITEM1]\r\nSTRINGS=6100620063\r\n")));
    Settings loaded = loadFrom(dir.file("Kirunner.ini"));
    ASSERT_EQ(2, loaded.captions.count());
    EXPECT_EQ("\x60" "A", loaded.captions.at(0).m_text);
    EXPECT_EQ("a", loaded.captions.at(1).m_text);
}

TEST(SettingsFile, CountBeyondTheStoredSectionsGivesDefaultItems) {
    TempDir dir;
    ASSERT_TRUE(WriteFileBytes(dir.file("Kirunner.ini"),
                               fileWithItems("3", "[item1]\r\nMINUTE=9\r\nSTRINGS=78\r\n")));
    Settings loaded = loadFrom(dir.file("Kirunner.ini"));
    ASSERT_EQ(3, loaded.captions.count());
    EXPECT_EQ("", loaded.captions.at(0).m_text);
    EXPECT_EQ(1, loaded.captions.at(0).m_minutes);
    EXPECT_EQ("x", loaded.captions.at(1).m_text);  // section names match in any case
    EXPECT_EQ(9, loaded.captions.at(1).m_minutes);
    EXPECT_EQ("", loaded.captions.at(2).m_text);
    EXPECT_EQ(1, loaded.captions.at(2).m_minutes);
}

TEST(SettingsFile, HugeCountLoadsAtMostSixtyThousandItems) {
    TempDir dir;
    ASSERT_TRUE(WriteFileBytes(dir.file("Kirunner.ini"),
                               fileWithItems("2147483647", "[ITEM59999]\r\nMINUTE=4\r\nSTRINGS=7a\r\n"
                                                           "[ITEM60000]\r\nMINUTE=5\r\nSTRINGS=79\r\n")));
    Settings loaded = loadFrom(dir.file("Kirunner.ini"));
    ASSERT_EQ(60000, loaded.captions.count());
    EXPECT_EQ(1, loaded.captions.at(0).m_minutes);
    EXPECT_EQ("z", loaded.captions.at(59999).m_text);
    EXPECT_EQ(4, loaded.captions.at(59999).m_minutes);
}

TEST(SettingsFile, NegativeCountLoadsNoItem) {
    TempDir dir;
    ASSERT_TRUE(WriteFileBytes(dir.file("Kirunner.ini"),
                               fileWithItems("-1", "[ITEM0]\r\nMINUTE=4\r\nSTRINGS=7a\r\n")));
    EXPECT_EQ(0, loadFrom(dir.file("Kirunner.ini")).captions.count());
}

TEST(SettingsFile, ShorterListLeavesOldSectionsThatTheLoadIgnores) {
    TempDir dir;
    Settings s;
    s.captions.append(CKirunData("one", 1));
    s.captions.append(CKirunData("two", 2));
    s.captions.append(CKirunData("three", 3));
    ASSERT_TRUE(saveTo(dir.file("Kirunner.ini"), s));
    s.captions.eraseAt(2);
    s.captions.eraseAt(1);
    ASSERT_TRUE(saveTo(dir.file("Kirunner.ini"), s));

    std::string bytes = ReadFileBytes(dir.file("Kirunner.ini"));
    EXPECT_NE(std::string::npos, bytes.find("ITEMCOUNT=1\r\n"));
    EXPECT_NE(std::string::npos, bytes.find("[ITEM1]\r\nMINUTE=2\r\nSTRINGS=74776f\r\n"));
    EXPECT_NE(std::string::npos, bytes.find("[ITEM2]\r\nMINUTE=3\r\n"));
    Settings loaded = loadFrom(dir.file("Kirunner.ini"));
    ASSERT_EQ(1, loaded.captions.count());
    EXPECT_EQ("one", loaded.captions.at(0).m_text);
}

TEST(SettingsFile, FaceNameWithoutHeightLoadsHeightZero) {
    TempDir dir;
    ASSERT_TRUE(WriteFileBytes(dir.file("Kirunner.ini"), "[SYSTEM]\r\nFONTFACENAME=Arial\r\n"));
    Settings loaded = loadFrom(dir.file("Kirunner.ini"));
    EXPECT_STREQ("Arial", loaded.appearance.logFont.lfFaceName);
    EXPECT_EQ(0, loaded.appearance.logFont.lfHeight);
    EXPECT_EQ(0, loaded.appearance.logFont.lfWeight);
    EXPECT_EQ(0, loaded.appearance.logFont.lfItalic);
    EXPECT_EQ(SHIFTJIS_CHARSET, loaded.appearance.logFont.lfCharSet);
}

TEST(SettingsFile, FontKeysWithoutFaceNameAreIgnored) {
    TempDir dir;
    ASSERT_TRUE(WriteFileBytes(dir.file("Kirunner.ini"),
                               "[SYSTEM]\r\nFONTFACENAME=\r\nFONTHEIGHT=-40\r\nFONTWEIGHT=100\r\n"));
    Settings loaded = loadFrom(dir.file("Kirunner.ini"));
    EXPECT_TRUE(sameFont(defaultCaptionFont(), loaded.appearance.logFont));
}

TEST(SettingsFile, ItalicKeepsItsLowEightBits) {
    TempDir dir;
    ASSERT_TRUE(WriteFileBytes(dir.file("Kirunner.ini"), "[SYSTEM]\r\nFONTFACENAME=Arial\r\nFONTITALIC=257\r\n"));
    EXPECT_EQ(1, loadFrom(dir.file("Kirunner.ini")).appearance.logFont.lfItalic);
}

TEST(SettingsFile, LongFaceNameIsCutBetweenCharacters) {
    TempDir dir;
    const std::string thirty = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcd";
    // Byte 31 would be the lead byte of "表": the cut goes back to 30 bytes.
    ASSERT_TRUE(WriteFileBytes(dir.file("Kirunner.ini"), "[SYSTEM]\r\nFONTFACENAME=" + thirty + "表\r\n"));
    EXPECT_EQ(thirty, loadFrom(dir.file("Kirunner.ini")).appearance.logFont.lfFaceName);

    ASSERT_TRUE(WriteFileBytes(dir.file("Kirunner.ini"), "[SYSTEM]\r\nFONTFACENAME=" + thirty + "e表\r\n"));
    EXPECT_EQ(thirty + "e", loadFrom(dir.file("Kirunner.ini")).appearance.logFont.lfFaceName);
}

TEST(SettingsFile, LongPathIsCutBetweenCharacters) {
    TempDir dir;
    const std::string head(1021, 'p');
    ASSERT_TRUE(WriteFileBytes(dir.file("Kirunner.ini"), "[FILE]\r\nPATH=" + head + "表\r\n"));
    EXPECT_EQ(head, loadFrom(dir.file("Kirunner.ini")).fileInterface.filePath);
}

TEST(SettingsFile, OutOfRangeChoicesAreKeptAsStored) {
    TempDir dir;
    ASSERT_TRUE(WriteFileBytes(dir.file("Kirunner.ini"), "[SYSTEM]\r\nCOLOR=9\r\nDELTAX=0\r\nSIZE=-4\r\n"));
    Settings loaded = loadFrom(dir.file("Kirunner.ini"));
    EXPECT_EQ(9, loaded.appearance.colorChoice);
    EXPECT_EQ(0, loaded.appearance.deltaX);
    EXPECT_EQ(-4, loaded.appearance.sizeChoice);
    ASSERT_TRUE(saveTo(dir.file("Kirunner.ini"), loaded));
    std::string bytes = ReadFileBytes(dir.file("Kirunner.ini"));
    EXPECT_NE(std::string::npos, bytes.find("COLOR=9\r\n"));
    EXPECT_NE(std::string::npos, bytes.find("DELTAX=0\r\n"));
    EXPECT_NE(std::string::npos, bytes.find("SIZE=-4\r\n"));
}

// A save that cannot write tells the operator once, with the file's path, and changes nothing.
void expectOneFailureMessage(const MessageBoxRecorder& boxes, const std::string& path) {
    ASSERT_EQ(1u, boxes.shown().size());
    EXPECT_EQ(kSaveFailed + path, boxes.shown()[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_OK), boxes.shown()[0].type & MB_TYPEMASK);
}

Settings twoItems() {
    Settings s;
    s.appearance.colorChoice = 2;
    s.captions.append(CKirunData("first", 1));
    s.captions.append(CKirunData("second", 2));
    return s;
}

TEST(SettingsFileFailure, ReadOnlyFileIsReportedOnceAndLeftAlone) {
    TempDir dir;
    const std::string path = dir.file("Kirunner.ini");
    Settings before = twoItems();
    ASSERT_TRUE(saveTo(path, before));
    std::string bytesBefore = ReadFileBytes(path);
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));

    Settings changed = twoItems();
    changed.appearance.colorChoice = 3;
    changed.captions.append(CKirunData("third", 3));
    MessageBoxRecorder boxes;
    EXPECT_FALSE(saveTo(path, changed));

    expectOneFailureMessage(boxes, path);
    EXPECT_EQ(3, changed.captions.count());
    EXPECT_EQ(3, changed.appearance.colorChoice);
    EXPECT_EQ(bytesBefore, ReadFileBytes(path));
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(SettingsFileFailure, FileLockedByAnotherProgramIsReportedOnce) {
    TempDir dir;
    const std::string path = dir.file("Kirunner.ini");
    ASSERT_TRUE(saveTo(path, twoItems()));
    HANDLE lock = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, lock);

    Settings changed = twoItems();
    changed.captions.append(CKirunData("third", 3));
    MessageBoxRecorder boxes;
    EXPECT_FALSE(saveTo(path, changed));
    CloseHandle(lock);

    expectOneFailureMessage(boxes, path);
    EXPECT_EQ(2, loadFrom(path).captions.count());
}

TEST(SettingsFileFailure, MissingFolderIsReportedOnce) {
    TempDir dir;
    const std::string path = dir.file("gone\\Kirunner.ini");
    MessageBoxRecorder boxes;
    EXPECT_FALSE(saveTo(path, twoItems()));
    expectOneFailureMessage(boxes, path);
    EXPECT_FALSE(testing_support::FileExists(path));
}

TEST(SettingsFileFailure, SuccessfulSaveShowsNothing) {
    TempDir dir;
    MessageBoxRecorder boxes;
    EXPECT_TRUE(saveTo(dir.file("Kirunner.ini"), twoItems()));
    EXPECT_TRUE(boxes.shown().empty());
}

class CurrentDirectory {
public:
    explicit CurrentDirectory(const std::string& path) {
        char saved[MAX_PATH + 1];
        GetCurrentDirectoryA(sizeof saved, saved);
        m_saved = saved;
        SetCurrentDirectoryA(path.c_str());
    }
    ~CurrentDirectory() { SetCurrentDirectoryA(m_saved.c_str()); }

private:
    std::string m_saved;
};

TEST(SettingsFilePath, IsTheFileInTheCurrentDirectory) {
    TempDir dir;
    {
        CurrentDirectory cd(dir.path());
        EXPECT_EQ(dir.path() + "\\Kirunner.ini", settingsFilePath());
    }
    {
        CurrentDirectory cd("C:\\");
        EXPECT_EQ("C:\\Kirunner.ini", settingsFilePath());
    }
}

}  // namespace
