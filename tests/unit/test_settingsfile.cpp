#include <gtest/gtest.h>

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "model/SettingsFile.h"
#include "tests/support/DialogDriver.h"
#include "tests/support/SettingsCompare.h"
#include "tests/support/StdoutCapture.h"
#include "tests/support/TempDir.h"
#include "control/GuardedSettings.h"
#include "Cp932.h"
#include "ScriptTexts.h"
#include "framework/TextCodec.h"
#include "model/HexCodec.h"

namespace {

using testing_support::MessageBoxRecorder;
using testing_support::ReadFileBytes;
using testing_support::TempDir;
using testing_support::WriteFileBytes;
using testing_support::StdoutCapture;

using testing_support::Settings;
// The program's own reader, and its writer as the control page saves (a failure is reported).
Settings loadFrom(const std::string& path) { return testing_support::LoadWithReader(path); }
bool saveTo(const std::string& path, const Settings& s) { return testing_support::SaveWithWriter(path, s); }

void expectSameItems(const CaptionList& expected, const CaptionList& actual) {
    ASSERT_EQ(expected.count(), actual.count());
    for (int i = 0; i < expected.count(); ++i) {
        EXPECT_EQ(expected.at(i).m_text, actual.at(i).m_text) << "item " << i;
        EXPECT_EQ(expected.at(i).m_minutes, actual.at(i).m_minutes) << "item " << i;
    }
}

// A settings file written by hand: the class holds the folder and the file's path.
class HandWritten {
public:
    explicit HandWritten(const std::string& content) { EXPECT_TRUE(WriteFileBytes(path(), content)); }
    std::string path() const { return m_dir.file("Kirunner.ini"); }
    Settings load() const { return loadFrom(path()); }

private:
    TempDir m_dir;
};

std::string withItems(const std::string& count, const std::string& sections) {
    return "[SYSTEM]\r\nITEMCOUNT=" + count + "\r\n" + sections;
}


TEST(SettingsFile, NoFileGivesEveryDefaultAndKeepsTheListsItems) {
    TempDir dir;
    Settings s;
    s.captions.append(CKirunData(L"already there", 3));
    loadSettingsFile(dir.wideFile(L"Kirunner.ini"), recordsOf(s));

    const LaneLook& a = s.lanes[0];
    EXPECT_EQ(0, a.colorChoice);
    EXPECT_EQ(0xFFFFFFu, a.userTextColor);
    EXPECT_EQ(0x000000u, a.userShadowColor);
    EXPECT_EQ(0, a.sizeChoice);
    EXPECT_EQ(0, a.pos + a.gap + a.lgap + a.rgap);
    EXPECT_EQ(2, a.deltaX);
    EXPECT_EQ(-16, a.logFont.lfHeight);  // 12 points at 96 pixels per inch
    EXPECT_EQ(700, a.logFont.lfWeight);
    EXPECT_STREQ("ＭＳ Ｐゴシック", a.logFont.lfFaceName);
    ASSERT_EQ(1, s.captions.count());
    EXPECT_EQ(L"already there", s.captions.at(0).m_text);
    EXPECT_EQ(0, s.fileInterface.fileExec);
    EXPECT_EQ(L"", s.fileInterface.filePath);
    EXPECT_EQ(1, s.fileInterface.fileMinute);
}

TEST(SettingsFile, SaveWritesEverySectionAndKeyInOrder) {
    TempDir dir;
    Settings s;
    LaneLook& a = s.lanes[0];
    a.colorChoice = 4;
    a.userTextColor = RGB(255, 255, 120);
    a.userShadowColor = RGB(0, 0, 135);
    a.sizeChoice = 3;
    a.pos = 1;
    a.gap = -5;
    a.lgap = 10;
    a.rgap = -3000;
    a.deltaX = 4;
    a.logFont.lfHeight = -21;
    a.logFont.lfItalic = 255;
    s.captions.append(CKirunData(L"abc", 5));
    s.captions.append(CKirunData(L"表\r\n", 60000));
    s.fileInterface.fileExec = 1;
    s.fileInterface.filePath = L"C:\\データ\\news.txt";
    s.fileInterface.fileMinute = 30;

    ASSERT_TRUE(saveTo(dir.file("Kirunner.ini"), s));

    EXPECT_EQ("[SYSTEM]\r\nCOLOR=4\r\nRGB=7929855\r\nRGBSDW=8847360\r\nPOS=1\r\nGAP=-5\r\nLGAP=10\r\n"
              "RGAP=-3000\r\nSIZE=3\r\nDELTAX=4\r\nFONTFACENAME=ＭＳ Ｐゴシック\r\nFONTHEIGHT=-21\r\n"
              "FONTWEIGHT=700\r\nFONTITALIC=255\r\nITEMCOUNT=2\r\n"
              "[ITEM0]\r\nMINUTE=5\r\nSTRINGS=616263\r\n"
              "[ITEM1]\r\nMINUTE=60000\r\nSTRINGS=955c0d0a\r\n"
              "[FILE]\r\nEXEC=1\r\nMINUTE=30\r\nPATH=C:\\データ\\news.txt\r\n",
              ReadFileBytes(dir.file("Kirunner.ini")));
}

TEST(SettingsFile, EveryFieldAndAwkwardTextsSurviveSaveAndLoad) {
    TempDir dir;
    Settings s;
    LaneLook& a = s.lanes[0];
    a.colorChoice = 3;
    a.userTextColor = RGB(12, 34, 56);
    a.userShadowColor = RGB(255, 254, 253);
    a.sizeChoice = 3;
    a.pos = 1;
    a.gap = -1000;
    a.lgap = -3000;
    a.rgap = -1;
    a.deltaX = 1;
    a.logFont.lfHeight = -37;
    a.logFont.lfWeight = 400;
    a.logFont.lfItalic = 1;
    std::strcpy(a.logFont.lfFaceName, "Arial");
    std::string longest;  // the longest text the caption text dialog accepts
    for (int i = 0; i < 45; ++i) longest += "キルン表示テスト0123\r\n";  // 22 bytes each
    longest += "0123456789";
    ASSERT_EQ(1000u, longest.size());
    s.captions.append(CKirunData(L"line one\r\nline two", 1));
    s.captions.append(CKirunData(L"key=value; comment", 2));
    s.captions.append(CKirunData(L"   leading blanks", 3));
    s.captions.append(CKirunData(L"表ソ能", 4));  // every trail byte is 0x5c, a backslash
    s.captions.append(CKirunData(Wide932(longest), 60000));
    s.captions.append(CKirunData(L"", -7));
    s.fileInterface.fileExec = 1;
    s.fileInterface.filePath = L"C:\\表\\ソ.txt";
    s.fileInterface.fileMinute = 60000;

    ASSERT_TRUE(saveTo(dir.file("Kirunner.ini"), s));
    Settings loaded = loadFrom(dir.file("Kirunner.ini"));

    const LaneLook& b = loaded.lanes[0];
    EXPECT_EQ(3, b.colorChoice);
    EXPECT_EQ(RGB(12, 34, 56), b.userTextColor);
    EXPECT_EQ(RGB(255, 254, 253), b.userShadowColor);
    EXPECT_EQ(3, b.sizeChoice);
    EXPECT_EQ(1, b.pos);
    EXPECT_EQ(-1000, b.gap);
    EXPECT_EQ(-3000, b.lgap);
    EXPECT_EQ(-1, b.rgap);
    EXPECT_EQ(1, b.deltaX);
    EXPECT_EQ(-37, b.logFont.lfHeight);
    EXPECT_EQ(400, b.logFont.lfWeight);
    EXPECT_EQ(1, b.logFont.lfItalic);
    EXPECT_STREQ("Arial", b.logFont.lfFaceName);
    expectSameItems(s.captions, loaded.captions);
    EXPECT_EQ(1, loaded.fileInterface.fileExec);
    EXPECT_EQ(L"C:\\表\\ソ.txt", loaded.fileInterface.filePath);
    EXPECT_EQ(60000, loaded.fileInterface.fileMinute);
}

// The keys older programs do not know (the strip's monitor and its options) are stored only
// while they differ from their defaults, after every other key of SYSTEM; they read back as saved,
// and once back at their defaults the file is again byte for byte the one saved without them.
TEST(SettingsFile, KeysAddedLaterAreStoredOnlyWhileTheyDifferFromTheirDefaults) {
    const struct {
        const char* lines;
        void (*set)(LaneLook&);
        void (*setInterfaces)(FileInterfaceSettings&) = nullptr;
    } cases[] = {
        {"MONITOR=\\\\.\\DISPLAY2\r\n", [](LaneLook& a) { a.monitorName = "\\\\.\\DISPLAY2"; }},
        {"BAND=1\r\n", [](LaneLook& a) { a.bandOn = 1; }},
        {"BANDRGB=1193046\r\n", [](LaneLook& a) { a.bandColor = 0x123456; }},
        {"BANDOPACITY=0\r\n", [](LaneLook& a) { a.bandOpacity = 0; }},
        {"OUTLINE=1\r\n", [](LaneLook& a) { a.outline = 1; }},
        {"SEPARATOR=8140819f8140\r\n", [](LaneLook& a) { a.separator = "　◆　"; }},
        {"SEPARATOR=207c3d3b20\r\n", [](LaneLook& a) { a.separator = " |=; "; }},
        {"SMOOTH=1\r\n", [](LaneLook& a) { a.smooth = 1; }},
        {"SPEEDPX=35\r\n", [](LaneLook& a) { a.speedPx = 35; }},
        {"SEPARATOR=2a\r\nSMOOTH=1\r\nSPEEDPX=2000\r\n",
         [](LaneLook& a) { a.separator = "*", a.smooth = 1, a.speedPx = 2000; }},
        {"MONITOR=x\r\nBAND=1\r\nBANDRGB=255\r\nBANDOPACITY=60\r\nOUTLINE=1\r\nSEPARATOR=2a\r\n",
         [](LaneLook& a) {
             a.monitorName = "x", a.bandOn = 1, a.bandColor = RGB(255, 0, 0), a.bandOpacity = 60, a.outline = 1,
             a.separator = "*";
         }},
        {"OSCPORT=9000\r\nOSCADDRESS=0.0.0.0\r\nOSCALLOW=10.0.0.5,10.0.0.6\r\n", nullptr,
         [](FileInterfaceSettings& f) { f.osc.port = 9000, f.osc.address = "0.0.0.0", f.osc.allowed = "10.0.0.5,10.0.0.6"; }},
        {"HTTPPORT=8765\r\nHTTPADDRESS=0.0.0.0\r\nHTTPTOKEN=Ab-_9\r\nOSCFEEDBACK=127.0.0.1:9001\r\n", nullptr,
         [](FileInterfaceSettings& f) {
             f.http.port = 8765, f.http.address = "0.0.0.0", f.http.token = "Ab-_9", f.oscFeedback = "127.0.0.1:9001";
         }},
        {"HTTPPORT=8765\r\nHTTPTOKEN=Ab-_9\r\nHTTPVIEWKEY=Vw-_1\r\nOSCFEEDBACK=127.0.0.1:9001\r\n", nullptr,
         [](FileInterfaceSettings& f) {
             f.http.port = 8765, f.http.token = "Ab-_9", f.http.viewKey = "Vw-_1", f.oscFeedback = "127.0.0.1:9001";
         }},
        {"HTTPVIEWKEY=Vw-_1\r\n", nullptr, [](FileInterfaceSettings& f) { f.http.viewKey = "Vw-_1"; }},
    };
    TempDir dir;
    const std::string path = dir.file("Kirunner.ini");
    Settings plain;
    plain.captions.append(CKirunData(L"abc", 5));
    ASSERT_TRUE(saveTo(path, plain));
    const std::string withoutOptions = ReadFileBytes(path);
    const std::string lastSystemKey = "ITEMCOUNT=1\r\n";
    ASSERT_NE(std::string::npos, withoutOptions.find(lastSystemKey));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lines);
        Settings s = plain;
        if (c.set) c.set(s.lanes[0]);
        if (c.setInterfaces) c.setInterfaces(s.fileInterface);
        ASSERT_TRUE(saveTo(path, s));
        std::string expected = withoutOptions;
        expected.insert(expected.find(lastSystemKey) + lastSystemKey.size(), c.lines);
        EXPECT_EQ(expected, ReadFileBytes(path));
        testing_support::ExpectSameSettings(s, loadFrom(path), c.lines);
        ASSERT_TRUE(saveTo(path, plain));
        EXPECT_EQ(withoutOptions, ReadFileBytes(path));
    }
    // A separator longer than the dialog takes is cut between characters, on saving and on loading.
    std::string diamonds;
    for (int i = 0; i < 40; ++i) diamonds += "◆";
    std::string hex = "78";
    for (int i = 0; i < 40; ++i) hex += "819f";
    HandWritten file("[SYSTEM]\r\nSEPARATOR=" + hex + "\r\n");
    EXPECT_EQ("x" + diamonds.substr(0, 62), file.load().lanes[0].separator);
    Settings s = plain;
    s.lanes[0].separator = "x" + diamonds;
    ASSERT_TRUE(saveTo(path, s));
    EXPECT_EQ("x" + diamonds.substr(0, 62), loadFrom(path).lanes[0].separator);
}

TEST(SettingsFile, OddLengthTextLoadsEmptyWithItsMinutesAndSaysSo) {
    HandWritten file(withItems("2", "[ITEM0]\r\nMINUTE=7\r\nSTRINGS=616\r\n"
                                    "[ITEM1]\r\nMINUTE=8\r\nSTRINGS=6162\r\n"));
    StdoutCapture out;
    Settings loaded;
    GuardedSettings().load(fw::WideFromCodePage932(file.path()), recordsOf(loaded));
    EXPECT_EQ("受信データの文字数が奇数です\n", out.text());
    ASSERT_EQ(2, loaded.captions.count());
    EXPECT_EQ(L"", loaded.captions.at(0).m_text);
    EXPECT_EQ(7, loaded.captions.at(0).m_minutes);
    EXPECT_EQ(L"ab", loaded.captions.at(1).m_text);
}

TEST(SettingsFile, NonHexDigitsCountAsZeroAndAZeroPairEndsTheText) {
    HandWritten file(withItems("2", "[ITEM0]\r\nSTRINGS=6z41\r\n[ITEM1]\r\nSTRINGS=6100620063\r\n"));
    Settings loaded = file.load();
    ASSERT_EQ(2, loaded.captions.count());
    EXPECT_EQ(L"\x60" L"A", loaded.captions.at(0).m_text);
    EXPECT_EQ(L"a", loaded.captions.at(1).m_text);
}

TEST(SettingsFile, CountBeyondTheStoredSectionsGivesDefaultItems) {
    HandWritten file(withItems("3", "[item1]\r\nMINUTE=9\r\nSTRINGS=78\r\n"));
    Settings loaded = file.load();
    ASSERT_EQ(3, loaded.captions.count());
    EXPECT_EQ(L"", loaded.captions.at(0).m_text);
    EXPECT_EQ(1, loaded.captions.at(0).m_minutes);
    EXPECT_EQ(L"x", loaded.captions.at(1).m_text);  // section names match in any case
    EXPECT_EQ(9, loaded.captions.at(1).m_minutes);
    EXPECT_EQ(1, loaded.captions.at(2).m_minutes);
}

TEST(SettingsFile, HugeCountLoadsAtMostSixtyThousandItems) {
    HandWritten file(withItems("2147483647", "[ITEM59999]\r\nMINUTE=4\r\nSTRINGS=7a\r\n"
                                             "[ITEM60000]\r\nMINUTE=5\r\nSTRINGS=79\r\n"));
    Settings loaded = file.load();
    ASSERT_EQ(60000, loaded.captions.count());
    EXPECT_EQ(L"z", loaded.captions.at(59999).m_text);
    EXPECT_EQ(4, loaded.captions.at(59999).m_minutes);
}

TEST(SettingsFile, ShorterListLeavesOldSectionsThatTheLoadIgnores) {
    TempDir dir;
    Settings s;
    s.captions.append(CKirunData(L"one", 1));
    s.captions.append(CKirunData(L"two", 2));
    s.captions.append(CKirunData(L"three", 3));
    ASSERT_TRUE(saveTo(dir.file("Kirunner.ini"), s));
    s.captions.eraseAt(2);
    s.captions.eraseAt(1);
    ASSERT_TRUE(saveTo(dir.file("Kirunner.ini"), s));

    std::string bytes = ReadFileBytes(dir.file("Kirunner.ini"));
    EXPECT_NE(std::string::npos, bytes.find("ITEMCOUNT=1\r\n"));
    EXPECT_NE(std::string::npos, bytes.find("[ITEM1]\r\nMINUTE=2\r\nSTRINGS=74776f\r\n"));
    EXPECT_NE(std::string::npos, bytes.find("[ITEM2]\r\nMINUTE=3\r\n"));
    expectSameItems(s.captions, loadFrom(dir.file("Kirunner.ini")).captions);
}

TEST(SettingsFile, FaceNameWithoutHeightLoadsHeightZero) {
    HandWritten file("[SYSTEM]\r\nFONTFACENAME=Arial\r\nFONTITALIC=257\r\n");
    LOGFONTA font = file.load().lanes[0].logFont;
    EXPECT_STREQ("Arial", font.lfFaceName);
    EXPECT_EQ(0, font.lfHeight);
    EXPECT_EQ(0, font.lfWeight);
    EXPECT_EQ(1, font.lfItalic);  // the low eight bits
    EXPECT_EQ(SHIFTJIS_CHARSET, font.lfCharSet);
}

TEST(SettingsFile, LongFaceNameAndPathAreCutBetweenCharacters) {
    const std::string face(30, 'f');
    const std::string path(1021, 'p');
    // The byte at each limit (31 and 1,022) is the lead byte of "表": the cut goes one back.
    HandWritten file("[SYSTEM]\r\nFONTFACENAME=" + face + "表\r\n[FILE]\r\nPATH=" + path + "表\r\n");
    Settings loaded = file.load();
    EXPECT_EQ(face, loaded.lanes[0].logFont.lfFaceName);
    EXPECT_EQ(Wide932(path), loaded.fileInterface.filePath);
}

TEST(SettingsFile, OutOfRangeChoicesAreKeptAsStored) {
    HandWritten file("[SYSTEM]\r\nCOLOR=9\r\nDELTAX=0\r\nSIZE=-4\r\n");
    Settings loaded = file.load();
    EXPECT_EQ(9, loaded.lanes[0].colorChoice);
    EXPECT_EQ(0, loaded.lanes[0].deltaX);
    EXPECT_EQ(-4, loaded.lanes[0].sizeChoice);
    ASSERT_TRUE(saveTo(file.path(), loaded));
    std::string bytes = ReadFileBytes(file.path());
    for (const char* line : {"COLOR=9\r\n", "DELTAX=0\r\n", "SIZE=-4\r\n"})
        EXPECT_NE(std::string::npos, bytes.find(line)) << line;
}

Settings twoItems() {
    Settings s;
    s.captions.append(CKirunData(L"first", 1));
    s.captions.append(CKirunData(L"second", 2));
    return s;
}

void expectOneFailureMessage(const MessageBoxRecorder& boxes, const std::string& path) {
    ASSERT_EQ(1u, boxes.shown().size());
    EXPECT_EQ("設定ファイルに保存できませんでした\n" + path, boxes.shown()[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_OK), boxes.shown()[0].type & MB_TYPEMASK);
}

TEST(SettingsFileFailure, ReadOnlyFileIsReportedOnceAndKeptUntilItMayBeWritten) {
    TempDir dir;
    const std::string path = dir.file("Kirunner.ini");
    ASSERT_TRUE(saveTo(path, twoItems()));
    std::string bytesBefore = ReadFileBytes(path);
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
    Settings changed = twoItems();
    changed.lanes[0].colorChoice = 3;
    changed.captions.append(CKirunData(L"third", 3));

    MessageBoxRecorder boxes;
    EXPECT_FALSE(saveTo(path, changed));
    EXPECT_EQ(bytesBefore, ReadFileBytes(path));

    // Once the file may be written again, the next save stores the changes made meanwhile.
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL));
    ASSERT_TRUE(saveTo(path, changed));
    expectOneFailureMessage(boxes, path);
    Settings loaded = loadFrom(path);
    EXPECT_EQ(3, loaded.lanes[0].colorChoice);
    expectSameItems(changed.captions, loaded.captions);
}

TEST(SettingsFileFailure, FileLockedByAnotherProgramIsReportedOnce) {
    TempDir dir;
    const std::string path = dir.file("Kirunner.ini");
    ASSERT_TRUE(saveTo(path, twoItems()));
    HANDLE lock = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, lock);
    Settings changed = twoItems();
    changed.captions.append(CKirunData(L"third", 3));

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
}

class CurrentDirectory {
public:
    explicit CurrentDirectory(const std::wstring& path) {
        wchar_t saved[MAX_PATH + 1] = L"";
        GetCurrentDirectoryW(MAX_PATH + 1, saved);
        m_saved = saved;
        EXPECT_TRUE(SetCurrentDirectoryW(path.c_str()));
    }
    ~CurrentDirectory() { SetCurrentDirectoryW(m_saved.c_str()); }

private:
    std::wstring m_saved;
};

// Also in a folder whose name code page 932 cannot hold: the file is saved there and read back.
TEST(SettingsFilePath, IsTheFileInTheCurrentDirectory) {
    TempDir dir;
    const std::wstring named = dir.wideFile(L"Z\u00fcrich-\ud55c\uad6d");
    ASSERT_TRUE(CreateDirectoryW(named.c_str(), nullptr));
    for (const std::wstring& folder : {fw::WideFromCodePage932(dir.path()), named}) {
        CurrentDirectory cd(folder);
        EXPECT_TRUE(folder + L"\\Kirunner.ini" == settingsFilePath()) << fw::CodePage932FromWide(settingsFilePath());
        const Settings two = twoItems();
        ASSERT_TRUE(saveSettingsFile(settingsFilePath(), recordsOf(two)));
        Settings loaded;
        EXPECT_EQ(SettingsLoad::Loaded, loadSettingsFile(folder + L"\\Kirunner.ini", recordsOf(loaded)));
        EXPECT_EQ(2, loaded.captions.count());
    }
    CurrentDirectory root(L"C:\\");
    EXPECT_TRUE(L"C:\\Kirunner.ini" == settingsFilePath());
}

std::string utf8Hex(const std::wstring& text) { return encodeHex(fw::Narrow(text, CP_UTF8)); }

// What an older program shows is the code page 932 text; the exact one comes beside it.
TEST(SettingsFileScripts, TextsCodePage932CannotHoldAreStoredExactlyBesideTheirCodePage932Bytes) {
    for (const testing_support::ScriptText& t : testing_support::TextsBeyondCodePage932()) {
        SCOPED_TRACE(t.what);
        TempDir dir;
        Settings s;
        s.captions.append(CKirunData(t.text, 2));
        s.fileInterface.filePath = L"C:\\ニュース\\" + t.text + L".txt";
        ASSERT_TRUE(saveTo(dir.file("Kirunner.ini"), s));
        const std::string bytes = ReadFileBytes(dir.file("Kirunner.ini"));
        EXPECT_NE(std::string::npos, bytes.find("[ITEM0]\r\nMINUTE=2\r\nSTRINGS=" + encodeHex(Cp932(t.text)) +
                                                "\r\nUSTRINGS=" + utf8Hex(t.text) + "\r\n[FILE]"))
            << bytes;
        EXPECT_NE(std::string::npos, bytes.find("PATH=" + Cp932(s.fileInterface.filePath) + "\r\nUPATH=" +
                                                utf8Hex(s.fileInterface.filePath) + "\r\n"))
            << bytes;
        const Settings loaded = loadFrom(dir.file("Kirunner.ini"));
        ASSERT_EQ(1, loaded.captions.count());
        EXPECT_EQ(t.text, loaded.captions.at(0).m_text);
        EXPECT_EQ(s.fileInterface.filePath, loaded.fileInterface.filePath);
    }
    // The longest caption, in its longest UTF-8 form: half-width katakana take three bytes a cell.
    TempDir dir;
    Settings longest;
    longest.captions.append(CKirunData(std::wstring(kMaxCaptionTextCells - 2, L'\xFF71') + L"\xD55C", 1));
    ASSERT_TRUE(saveTo(dir.file("Kirunner.ini"), longest));
    expectSameItems(longest.captions, loadFrom(dir.file("Kirunner.ini")).captions);
    // One "?" for each character code page 932 lacks, a surrogate pair included.
    // (Texts code page 932 lacks stay out of the test macros, which spell their arguments in it.)
    const std::wstring korean = L"한국어 뉴스 속보", beyondThePlane = L"𠮷野家の牛丼", accented = L"Café";
    EXPECT_EQ("??? ?? ??", Cp932(korean));
    EXPECT_EQ("?野家の牛丼", Cp932(beyondThePlane));
    EXPECT_EQ("436166c3a9", utf8Hex(accented));
}

TEST(SettingsFileScripts, CodePage932TextsWriteNoExactKeyAndAChangedTextLosesItsOwn) {
    TempDir dir;
    Settings s;
    for (const std::string& caption : testing_support::JapaneseCorpus()) s.captions.append(CKirunData(Wide932(caption), 1));
    s.captions.append(CKirunData(L"東京 Tokyo 2026", 1));
    s.fileInterface.filePath = L"C:\\한국\\news.txt";
    s.captions.replaceAt(0, CKirunData(L"한국", 1));
    ASSERT_TRUE(saveTo(dir.file("Kirunner.ini"), s));
    ASSERT_NE(std::string::npos, ReadFileBytes(dir.file("Kirunner.ini")).find("USTRINGS=ed959ceab5ad\r\n"));

    s.captions.replaceAt(0, CKirunData(Wide932(testing_support::JapaneseCorpus()[0]), 1));
    s.fileInterface.filePath = L"C:\\データ\\news.txt";
    ASSERT_TRUE(saveTo(dir.file("Kirunner.ini"), s));
    const std::string bytes = ReadFileBytes(dir.file("Kirunner.ini"));
    EXPECT_EQ(std::string::npos, bytes.find("USTRINGS")) << bytes;
    EXPECT_EQ(std::string::npos, bytes.find("UPATH")) << bytes;
    expectSameItems(s.captions, loadFrom(dir.file("Kirunner.ini")).captions);
}

// An older program keeps STRINGS and PATH up to date and knows nothing of the exact keys: an exact
// text counts only while the code page 932 text beside it is still its own.
TEST(SettingsFileScripts, AnOlderVersionsFileAndItsEditOfANewerFileAreReadAsTheyStand) {
    const struct {
        const char* what;
        std::string strings;
        std::string ustrings;
        std::wstring loaded;
    } cases[] = {
        {"an older version's file", "3f3f", "", L"??"},
        {"a newer file as written", "3f3f", "\r\nUSTRINGS=ed959ceab5ad", L"한국"},
        {"upper-case digits", "3F3F", "\r\nUSTRINGS=ED959CEAB5AD", L"한국"},
        {"changed by an older version", "616263", "\r\nUSTRINGS=ed959ceab5ad", L"abc"},
        {"changed to as many question marks", "3f41", "\r\nUSTRINGS=ed959ceab5ad", L"?A"},
        {"odd digits", "3f3f", "\r\nUSTRINGS=ed959ceab5a", L"??"},
        {"not UTF-8", "3f", "\r\nUSTRINGS=ff", L"?"},
        {"empty", "3f3f", "\r\nUSTRINGS=", L"??"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const HandWritten file(withItems("1", "[ITEM0]\r\nMINUTE=3\r\nSTRINGS=" + c.strings + c.ustrings + "\r\n"));
        const Settings loaded = file.load();
        ASSERT_EQ(1, loaded.captions.count());
        EXPECT_EQ(c.loaded, loaded.captions.at(0).m_text);
        EXPECT_EQ(3, loaded.captions.at(0).m_minutes);
    }
    const std::wstring exactPath = L"C:\\한\\a.txt";
    const std::string upath = "\r\nUPATH=" + utf8Hex(exactPath) + "\r\n";
    EXPECT_EQ(exactPath, HandWritten("[FILE]\r\nPATH=C:\\?\\a.txt" + upath).load().fileInterface.filePath);
    EXPECT_EQ(L"C:\\b\\a.txt", HandWritten("[FILE]\r\nPATH=C:\\b\\a.txt" + upath).load().fileInterface.filePath);
}

}  // namespace
