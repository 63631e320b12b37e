// The settings file's one-read loader and one-write saver against the platform's profile
// functions key by key, over a corpus of existing files and random sequences of changes.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "framework/Mbcs.h"
#include "model/ProfileText.h"
#include "tests/support/SettingsCompare.h"
#include "tests/support/StdoutCapture.h"
#include "tests/support/TempDir.h"
#include "Cp932.h"

using namespace testing_support;

namespace {

const unsigned kSeed = 20261208;
const int kStepsPerFile = 12;

std::wstring WideFrom932(const std::string& text) {
    std::wstring wide(text.size(), L'\0');
    const int length = static_cast<int>(text.size());
    wide.resize(static_cast<size_t>(MultiByteToWideChar(932, 0, text.data(), length, &wide[0], length)));
    return wide;
}

std::string Utf8From932(const std::string& text) {
    const std::wstring wide = WideFrom932(text);
    std::string utf8(wide.size() * 3, '\0');
    const int length = static_cast<int>(wide.size());
    utf8.resize(static_cast<size_t>(WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, &utf8[0],
                                                        static_cast<int>(utf8.size()), nullptr, nullptr)));
    return utf8;
}

std::string Utf16LeFrom932(const std::string& text) {
    std::string bytes = "\xFF\xFE";
    for (wchar_t c : WideFrom932(text)) {
        bytes += static_cast<char>(c & 0xFF);
        bytes += static_cast<char>((c >> 8) & 0xFF);
    }
    return bytes;
}

const std::string kOrdinary =
    "[SYSTEM]\r\nCOLOR=4\r\nRGB=7929855\r\nRGBSDW=8847360\r\nPOS=1\r\nGAP=-5\r\nLGAP=10\r\nRGAP=-3000\r\nSIZE=3\r\n"
    "DELTAX=4\r\nFONTFACENAME=ＭＳ Ｐゴシック\r\nFONTHEIGHT=-21\r\nFONTWEIGHT=700\r\nFONTITALIC=0\r\nITEMCOUNT=3\r\n"
    "[ITEM0]\r\nMINUTE=5\r\nSTRINGS=616263\r\n[ITEM1]\r\nMINUTE=60000\r\nSTRINGS=955c0d0a\r\n"
    "[ITEM2]\r\nMINUTE=2\r\nSTRINGS=\r\n[FILE]\r\nEXEC=1\r\nMINUTE=30\r\nPATH=C:\\データ\\news.txt\r\n";

std::string Replaced(std::string s, const std::string& from, const std::string& to) {
    for (size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + to.size())) s.replace(at, from.size(), to);
    return s;
}

struct CorpusFile {
    const char* name;
    std::string bytes;  // "" with `exists` false: no file at all
    bool exists;
};

std::vector<CorpusFile> Corpus() {
    std::string longHex;
    for (int i = 0; i < 2500; ++i) longHex += "41";
    return {
        {"no file", "", false},
        {"ordinary", kOrdinary, true},
        {"comments and blank lines",
         "; settings of the caption strip\r\n\r\n[SYSTEM]\r\n; colours\r\nCOLOR=1\r\n\r\nITEMCOUNT=2\r\n\r\n"
         "[ITEM0]\r\nMINUTE=3\r\nSTRINGS=616263\r\n; end of item\r\n\r\n\r\n[ITEM1]\r\nSTRINGS=78\r\n\r\n[FILE]\r\nEXEC=0\r\n",
         true},
        {"blanks around =", "[SYSTEM]\r\n  COLOR = 2  \r\nITEMCOUNT =\t1\r\n\tGAP=\v-7\f\r\n[ITEM0]\r\nMINUTE= 4\r\nSTRINGS =6162 \r\n",
         true},
        {"other letter case",
         "[system]\r\ncolor=3\r\nItemCount=2\r\n[item0]\r\nminute=1\r\nstrings=61\r\n[Item1]\r\nSTRINGS=62\r\n[file]\r\npath=C:\\a.txt\r\n",
         true},
        {"duplicate sections and keys",
         "[SYSTEM]\r\nCOLOR=1\r\nCOLOR=2\r\nITEMCOUNT=1\r\n[ITEM0]\r\nSTRINGS=61\r\n[SYSTEM]\r\nDELTAX=4\r\n[ITEM0]\r\nMINUTE=9\r\n", true},
        {"LF only", Replaced(kOrdinary, "\r\n", "\n"), true},
        {"CR only", Replaced(kOrdinary, "\r\n", "\r"), true},
        {"no final line break", kOrdinary.substr(0, kOrdinary.size() - 2), true},
        {"no final line break after a header", "[SYSTEM]\r\nCOLOR=1\r\n[FILE]", true},
        {"UTF-8 byte-order mark", "\xEF\xBB\xBF" + Utf8From932(kOrdinary), true},
        {"UTF-16 byte-order mark", Utf16LeFrom932(kOrdinary), true},
        {"stale item sections",
         "[SYSTEM]\r\nITEMCOUNT=1\r\n[ITEM0]\r\nSTRINGS=61\r\n[ITEM1]\r\nMINUTE=8\r\nSTRINGS=62\r\n[ITEM3]\r\nSTRINGS=64\r\n"
         "[FILE]\r\nEXEC=0\r\n",
         true},
        {"foreign sections and keys",
         "[Other]\r\nX=1\r\n[SYSTEM]\r\nUNKNOWN=5\r\nCOLOR=2\r\nITEMCOUNT=1\r\n[ITEM0]\r\nNOTE=n\r\nSTRINGS=61\r\n[Zeta]\r\nY=2\r\n",
         true},
        {"lines without =", "[SYSTEM]\r\nCOLOR\r\nCOLOR=3\r\nITEMCOUNT=1\r\n[ITEM0]\r\nSTRINGS\r\n[FILE]\r\nPATH\r\n", true},
        {"quotes", "[SYSTEM]\r\nGAP='-5'\r\nLGAP=\"7\r\nFONTFACENAME=\"Arial\"\r\n[FILE]\r\nPATH=\"C:\\q.txt\"\r\n", true},
        {"control characters",
         "[SYSTEM]\r\nCOLOR=\t1\x1a\r\nGAP=\x01\x02-3\r\nFONTFACENAME=\x1a Arial\x1a\r\n\x1a\r\n[FILE]\r\nPATH=\v C:\\x.txt\f\r\n",
         true},
        {"keys before the first section", "COLOR=7\r\nITEMCOUNT=5\r\n[SYSTEM]\r\nDELTAX=3\r\n", true},
        {"header text after ]", "[ SYSTEM ] trailing\r\nCOLOR=1\r\n[SYSTEM]]\r\nCOLOR=2\r\n[ITEM0\r\nSTRINGS=61\r\n", true},
        {"] as a double-byte character's second byte", "[SYSTEM]ゾ\r\nCOLOR=4\r\n[ゾ]\r\nX=1\r\n", true},
        {"NUL bytes", std::string("[SYSTEM\0x]\r\nCOLOR=1\0 9\r\nITEMCOUNT=1\r\n[ITEM0]\r\nSTRINGS=61\0" "62\r\n", 56), true},
        {"numbers", "[SYSTEM]\r\nCOLOR=0x10\r\nRGB=99999999999\r\nPOS= -5abc\r\nGAP=\"12\"\r\nLGAP=0b11\r\nRGAP=+7\r\n"
                    "SIZE=\r\nDELTAX=0o17\r\nITEMCOUNT=\"1234567890123456789012345678\"\r\n", true},
        {"texts", "[SYSTEM]\r\nITEMCOUNT=5\r\n[ITEM0]\r\nSTRINGS=616\r\n[ITEM1]\r\nSTRINGS=6z41\r\n[ITEM2]\r\nSTRINGS=" +
                      longHex + "\r\n[ITEM3]\r\nSTRINGS=61006263\r\n[ITEM4]\r\nSTRINGS='6162'\r\nMINUTE=-3\r\n", true},
        {"monitor keys", "[SYSTEM]\r\nMONITOR=\\\\.\\DISPLAY2\r\nCOLOR=1\r\nmonitor = \\\\.\\DISPLAY3\r\n[ITEM0]\r\n"
                         "MONITOR=x\r\n[SYSTEM]\r\nMONITOR=\\\\.\\DISPLAY4\r\n", true},
        {"strip options in odd places",
         "[SYSTEM]\r\nBAND=1\r\nCOLOR=2\r\n outline = 1 \r\nITEMCOUNT=0\r\nSEPARATOR=8140819f\r\nBAND=0\r\n"
         "[FILE]\r\nBANDRGB=5\r\n[SYSTEM]\r\nBANDOPACITY=40\r\n",
         true},
        {"remote keys", "[SYSTEM]\r\nHTTPVIEWKEY = Vw-_1 \r\nHTTPPORT=8765\r\nHTTPTOKEN=Ab-_9\r\n[FILE]\r\nHTTPVIEWKEY=x\r\n", true},
        {"long face name and path", "[SYSTEM]\r\nFONTFACENAME=" + std::string(30, 'f') + "表\r\n[FILE]\r\nPATH=" +
                                        std::string(1021, 'p') + "表\r\n", true},
    };
}

// A state to save: the loaded settings changed as the operator would change them.
class Changes {
public:
    explicit Changes(unsigned seed) : m_random(seed) {}

    Settings Next(Settings s) {
        switch (Below(6)) {
        case 5: s.lanes[0].monitorName = Below(2) ? "" : "\\\\.\\DISPLAY" + std::to_string(1 + Below(3)); break;
        case 0: s.captions.append(CKirunData(Wide932(Text()), 1 + Below(60000))); break;
        case 1:
            if (s.captions.count() > 0) s.captions.replaceAt(Below(s.captions.count()), CKirunData(Wide932(Text()), 1 + Below(60)));
            break;
        case 2:
            if (s.captions.count() > 0) s.captions.eraseAt(Below(s.captions.count()));
            break;
        case 3:
            s.lanes[0].colorChoice = Below(5);
            s.lanes[0].userTextColor = static_cast<COLORREF>(m_random() & 0xFFFFFF);
            s.lanes[0].gap = Below(2001) - 1000;
            s.lanes[0].deltaX = 1 + Below(4);
            s.lanes[0].logFont.lfHeight = -Below(100);
            std::strcpy(s.lanes[0].logFont.lfFaceName, Below(2) ? "Arial" : "ＭＳ ゴシック");
            s.lanes[0].bandOn = Below(2);
            s.lanes[0].bandColor = Below(2) ? 0 : static_cast<COLORREF>(m_random() & 0xFFFFFF);
            s.lanes[0].bandOpacity = Below(2) ? 100 : Below(101);
            s.lanes[0].outline = Below(2);
            s.lanes[0].separator = Below(2) ? "" : Text();
            s.lanes[0].smooth = Below(2);
            s.lanes[0].speedPx = Below(2) ? 0 : Below(2001);
            break;
        default:
            s.fileInterface.fileExec = Below(2);
            s.fileInterface.fileMinute = 1 + Below(60000);
            s.fileInterface.filePath = Below(2) ? L"C:\\表\\ソ.txt" : L"";
            break;
        }
        return s;
    }

private:
    int Below(int n) { return static_cast<int>(m_random() % static_cast<unsigned>(n)); }
    std::string Text() {
        static const char* const kPieces[] = {"abc", "キルン", "\r\n", "=;", "  ", "ソ表", "0"};
        std::string text;
        for (int i = Below(8); i > 0; --i) text += kPieces[Below(7)];
        return text;
    }
    std::mt19937 m_random;
};

// Runs the same saves through the platform's writer and through the program's writer, each on
// its own copy of `start`, and compares the files after each save. Where the platform rewrote
// the file from its parsed form (a file it would store differently), the program's file must
// be what the platform makes of it, and the first save must keep every other line in place.
void ExpectSavesLikeThePlatform(const CorpusFile& start, const std::vector<Settings>& saves) {
    TempDir dir;
    const std::string platformPath = dir.file("platform.ini");
    const std::string ownPath = dir.file("own.ini");
    if (start.exists) {
        ASSERT_TRUE(WriteFileBytes(platformPath, start.bytes));
        ASSERT_TRUE(WriteFileBytes(ownPath, start.bytes));
    }
    const bool rewrittenByPlatform = start.exists && AsRewrittenByPlatform(start.bytes) != start.bytes;
    std::string ownBefore = start.bytes;
    for (size_t step = 0; step < saves.size(); ++step) {
        const std::string what = std::string(start.name) + ", save " + std::to_string(step);
        std::string platformBefore = ReadFileBytes(platformPath);
        ASSERT_TRUE(oracle::WriteSettings(platformPath, saves[step])) << what;
        ASSERT_TRUE(SaveWithWriter(ownPath, saves[step])) << what;
        const std::string platformFile = ReadFileBytes(platformPath);
        const std::string ownFile = ReadFileBytes(ownPath);
        if (!rewrittenByPlatform) {
            EXPECT_EQ(platformFile, ownFile) << what;
        } else if (platformFile == platformBefore) {
            EXPECT_EQ(ownBefore, ownFile) << what << ": nothing changed";
        } else {
            EXPECT_EQ(platformFile, AsRewrittenByPlatform(ownFile)) << what;
            if (step == 0) {
                EXPECT_TRUE(KeepsOtherLines(start.bytes, ownFile)) << what << "\n" << ownFile;
            }
        }
        // Each version reads the other's file as it reads its own.
        Settings platformReadsOwn;
        oracle::LoadSettings(ownPath, platformReadsOwn);
        ExpectSameSettings(platformReadsOwn, LoadWithReader(platformPath), what + ", read back");
        if (::testing::Test::HasFailure()) return;
        ownBefore = ownFile;
    }
}

TEST(SettingsEquivalence, EveryKeyReadsAsThePlatformReadsIt) {
    StdoutCapture quiet;  // odd-length texts print their line
    for (const CorpusFile& file : Corpus()) {
        TempDir dir;
        const std::string path = dir.file("Kirunner.ini");
        if (file.exists) {
            ASSERT_TRUE(WriteFileBytes(path, file.bytes));
        }
        Settings expected;
        oracle::LoadSettings(path, expected);
        ExpectSameSettings(expected, LoadWithReader(path), file.name);
    }
}

TEST(SettingsEquivalence, CorpusSavedLikeThePlatformSavesIt) {
    StdoutCapture quiet;
    for (const CorpusFile& file : Corpus()) {
        TempDir dir;
        const std::string path = dir.file("Kirunner.ini");
        if (file.exists) {
            ASSERT_TRUE(WriteFileBytes(path, file.bytes));
        }
        Settings loaded = LoadWithReader(path);
        Settings added = loaded;
        added.captions.append(CKirunData(L"追加", 7));
        added.captions.setWindow(added.captions.count() - 1, {"2024-03-01 10:00", "2024-03-31 18:00", "22:00-02:00", "135", 5});
        added.lanes[0].colorChoice = 2;
        Settings deleted = added;
        deleted.captions.eraseAt(0);
        Settings fresh;
        fresh.captions.append(CKirunData(L"one", 1));
        ExpectSavesLikeThePlatform(file, {loaded, added, deleted, fresh, loaded});
        if (HasFailure()) return;
    }
}

TEST(SettingsEquivalence, RandomChangesSavedLikeThePlatformSavesThem) {
    StdoutCapture quiet;
    Changes changes(kSeed);
    for (const CorpusFile& file : Corpus()) {
        TempDir dir;
        const std::string path = dir.file("Kirunner.ini");
        if (file.exists) {
            ASSERT_TRUE(WriteFileBytes(path, file.bytes));
        }
        std::vector<Settings> saves{LoadWithReader(path)};
        for (int i = 1; i < kStepsPerFile; ++i) saves.push_back(changes.Next(saves.back()));
        ExpectSavesLikeThePlatform(file, saves);
        if (HasFailure()) return;
    }
}

// What staying in place means where the platform's writer would rewrite the file: three key
// writes (one changed, one new in an existing section, one in a new section).
TEST(SettingsEquivalence, ChangedKeysKeepTheirLinesAndEveryOtherByteStays) {
    const struct {
        const char* before;
        const char* after;
    } cases[] = {
        {"; top\n\n[system]  \n  color = 1 \n\n[Other]\nX = 1\n",
         "; top\n\n[system]  \n  color = 2\nDELTAX=2\r\n\n[Other]\nX = 1\n[ITEM9]\r\nMINUTE=1\r\n"},
        {"[SYSTEM]\r\nCOLOR=1\r\n; last\r\n\r\n[FILE]\r\nEXEC=1",
         "[SYSTEM]\r\nCOLOR=2\r\n; last\r\nDELTAX=2\r\n\r\n[FILE]\r\nEXEC=1\r\n[ITEM9]\r\nMINUTE=1\r\n"},
        {"[SYSTEM]\r\nCOLOR\r\n[]\r\nDELTAX=9\r\n",
         "[SYSTEM]\r\nCOLOR=2\r\nDELTAX=2\r\n[]\r\nDELTAX=9\r\n[ITEM9]\r\nMINUTE=1\r\n"},
        {"\xEF\xBB\xBF[SYSTEM]\r\nCOLOR=\"2\"\r\n[SYSTEM]\r\nDELTAX=1\r\n",
         "\xEF\xBB\xBF[SYSTEM]\r\nCOLOR=2\r\nDELTAX=2\r\n[SYSTEM]\r\nDELTAX=1\r\n[ITEM9]\r\nMINUTE=1\r\n"},
        {"[SYSTEM]\r\nCOLOR=2   \r\n", "[SYSTEM]\r\nCOLOR=2   \r\nDELTAX=2\r\n[ITEM9]\r\nMINUTE=1\r\n"},
    };
    for (const auto& c : cases) {
        ProfileText text(c.before);
        text.set("SYSTEM", "COLOR", "2");
        text.set("SYSTEM", "DELTAX", "  2");
        text.set("ITEM9", "MINUTE", "1");
        EXPECT_EQ(c.after, text.bytes()) << c.before;
    }
}

}  // namespace
