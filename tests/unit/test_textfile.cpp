#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>

#include "Cp932.h"
#include "PageParent.h"
#include "TempDir.h"
#include "ScriptTexts.h"
#include "fileif/CaptionTextFile.h"
#include "fileif/TextFileWatch.h"
#include "framework/TextCodec.h"
#include "framework/WideText.h"

using testing_support::Hex;
using testing_support::JapaneseCorpus;
using testing_support::TempDir;
using testing_support::WriteFileAtMinute;
using testing_support::WriteFileBytes;

namespace {


std::wstring ReadWide(const std::string& path) {
    std::wstring text;
    EXPECT_EQ(CaptionFileRead::Read, readCaptionText(Wide932(path), text));
    return text;
}

std::string Read(const std::string& path) { return Cp932(ReadWide(path)); }

std::string Lines(int count, size_t length, char fill = 'a') {
    std::string bytes;
    for (int i = 0; i < count; ++i) bytes += std::string(length, static_cast<char>(fill + i % 26)) + "\r\n";
    return bytes;
}

class Watch : public ::testing::Test {
protected:
    bool Check(std::string& text) {
        std::wstring wide;
        const bool shown = checkTextFile(1, Wide932(path), watch, wide);
        text = Cp932(wide);
        return shown;
    }
    TempDir dir;
    std::string path = dir.file("news.txt");
    TextFileWatch watch;
};

TEST_F(Watch, FileThatExistsWhenSwitchedOnIsOnlyTheBaseline) {
    ASSERT_TRUE(WriteFileAtMinute(path, "first", 1));
    std::string text;
    EXPECT_FALSE(Check(text));
    EXPECT_FALSE(Check(text));
    ASSERT_TRUE(WriteFileAtMinute(path, "second", 2));
    EXPECT_TRUE(Check(text));
    EXPECT_EQ("second", text);
    EXPECT_FALSE(Check(text)) << "the same version is not shown twice";
}

TEST_F(Watch, FileCreatedAfterSwitchOnIsShownAtTheFirstLook) {
    std::string text;
    EXPECT_FALSE(Check(text));
    EXPECT_EQ(1, watch.lastFileDataValid);
    ASSERT_TRUE(WriteFileAtMinute(path, "hello", 1));
    EXPECT_TRUE(Check(text));
    EXPECT_EQ("hello", text);
}

TEST_F(Watch, AnotherTimeOrSizeIsANewVersionEvenWhenTheTimeGoesBack) {
    ASSERT_TRUE(WriteFileAtMinute(path, "one", 5));
    std::string text;
    Check(text);
    ASSERT_TRUE(WriteFileAtMinute(path, "two", 5));
    EXPECT_FALSE(Check(text)) << "same time, same size";
    ASSERT_TRUE(WriteFileAtMinute(path, "three", 5));
    EXPECT_TRUE(Check(text)) << "same time, another size";
    EXPECT_EQ("three", text);

    // A prepared file copied over the watched one keeps its own, older time.
    const std::string prepared = dir.file("prepared.txt");
    ASSERT_TRUE(WriteFileAtMinute(prepared, "prepared earlier", 1));
    ASSERT_TRUE(CopyFileA(prepared.c_str(), path.c_str(), FALSE));
    EXPECT_TRUE(Check(text));
    EXPECT_EQ("prepared earlier", text);
    EXPECT_FALSE(Check(text)) << "and once only";
}

TEST_F(Watch, SwitchedOffLooksAtNothing) {
    std::wstring text;
    EXPECT_FALSE(checkTextFile(0, Wide932(path), watch, text));
    EXPECT_EQ(0, watch.lastFileDataValid);
}

TEST_F(Watch, VersionHeldOpenByItsWriterIsReadOnceReleased) {
    ASSERT_TRUE(WriteFileAtMinute(path, "old", 1));
    std::string text;
    Check(text);
    ASSERT_TRUE(WriteFileAtMinute(path, "new text", 2));
    HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    EXPECT_FALSE(Check(text));
    EXPECT_FALSE(Check(text));
    CloseHandle(held);
    EXPECT_TRUE(Check(text));
    EXPECT_EQ("new text", text);
}

TEST_F(Watch, OnlyEmptyLinesPutNothingOnAirButMoveTheBaseline) {
    std::string text;
    Check(text);
    ASSERT_TRUE(WriteFileAtMinute(path, "\r\n\r\n\r\n", 1));
    EXPECT_FALSE(Check(text));
    EXPECT_TRUE(text.empty());
    EXPECT_EQ(1, watch.lastFileDataValid);
}

// A carriage return that ends no line never reaches the strip: it is dropped, as the control
// page drops line ends; the characters around it stay whole, in every encoding.
TEST_F(Watch, LoneCarriageReturnsAreDroppedFromTheStripText) {
    const struct {
        std::string bytes;
        std::string shown;
    } cases[] = {
        {"a\rb", "ab"},
        {"first\r\r\nsecond\r", "firstsecond"},
        {"\x95\x5c\r\x8e\xa6", "\x95\x5c\x8e\xa6"},  // 表, CR, 示
        {"\xEF\xBB\xBF" "a\rb\r\n", "ab"},
        {std::string("\xFF\xFE" "a\0\r\0b\0", 8), "ab"},
        {"\r\r\n\r", ""},  // nothing but carriage returns: nothing goes on air
    };
    std::string text;
    Check(text);
    int minute = 1;
    for (const auto& c : cases) {
        ASSERT_TRUE(WriteFileAtMinute(path, c.bytes, ++minute));
        EXPECT_EQ(!c.shown.empty(), Check(text)) << Hex(c.bytes);
        EXPECT_EQ(c.shown, text) << Hex(c.bytes);
    }
}

TEST_F(Watch, DirectoryOrWildcardPathNeverReads) {
    std::wstring text;
    EXPECT_FALSE(checkTextFile(1, Wide932(dir.path()), watch, text));
    EXPECT_FALSE(checkTextFile(1, Wide932(dir.path()), watch, text));
    TextFileWatch wildcard;
    ASSERT_TRUE(WriteFileAtMinute(path, "x", 1));
    EXPECT_FALSE(checkTextFile(1, Wide932(dir.file("*.txt")), wildcard, text));
    ASSERT_TRUE(WriteFileAtMinute(path, "y", 2));
    EXPECT_FALSE(checkTextFile(1, Wide932(dir.file("*.txt")), wildcard, text)) << "a pattern is no file to open";
}

TEST_F(Watch, OtherReadersDoNotStopTheLookButAWriterDoes) {
    std::string text;
    Check(text);
    ASSERT_TRUE(WriteFileAtMinute(path, "shared", 1));
    HANDLE reader = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, reader);
    EXPECT_TRUE(Check(text)) << "another reader does not stop the look";
    CloseHandle(reader);

    // A writer that lets everyone in could change the file under the read: no half versions.
    ASSERT_TRUE(WriteFileAtMinute(path, "half", 2));
    HANDLE writer = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, writer);
    EXPECT_FALSE(Check(text));
    CloseHandle(writer);
    EXPECT_TRUE(Check(text));
    EXPECT_EQ("half", text);
}

TEST(Version, AnotherWriteTimeOrSizeEitherWay) {
    const struct {
        FILETIME time;
        DWORD sizeLow, sizeHigh;
        bool isNew;
    } cases[] = {
        {{1, 5}, 10, 0, false},          // the same version
        {{2, 5}, 10, 0, true},           // later
        {{0, 5}, 10, 0, true},           // earlier: a copy of an older file
        {{1, 6}, 10, 0, true},           // another high part
        {{1, 5}, 11, 0, true},           // same time, another size
        {{1, 5}, 10, 1, true},           // another high size part
    };
    WIN32_FIND_DATAW last{};
    last.ftLastWriteTime = FILETIME{1, 5};
    last.nFileSizeLow = 10;
    for (const auto& c : cases) {
        WIN32_FIND_DATAW entry = last;
        entry.ftLastWriteTime = c.time;
        entry.nFileSizeLow = c.sizeLow;
        entry.nFileSizeHigh = c.sizeHigh;
        EXPECT_EQ(c.isNew, isNewVersion(entry, last)) << c.time.dwLowDateTime << "/" << c.time.dwHighDateTime
                                                       << " size " << c.sizeLow << "/" << c.sizeHigh;
    }
}

TEST(TypedPath, SurroundingBlanksAndOnePairOfQuotesGo) {
    const struct {
        const char* typed;
        const char* watched;
    } cases[] = {
        {"\"C:\\news\\now.txt\"", "C:\\news\\now.txt"},
        {"  \t\"C:\\news\\now.txt\"  ", "C:\\news\\now.txt"},
        {"\" C:\\my news\\now.txt \"", "C:\\my news\\now.txt"},
        {" C:\\my news\\now.txt\t", "C:\\my news\\now.txt"},
        {"\"C:\\ニュース\\速報.txt\"", "C:\\ニュース\\速報.txt"},
        {"\"C:\\news\\now.txt", "\"C:\\news\\now.txt"},  // no pair: left as typed
        {"\"", "\""},
        {"\"\"", ""},
        {"   ", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(Wide932(c.watched), watchedPathFromInput(Wide932(c.typed))) << c.typed;
}

class Reading : public ::testing::Test {
protected:
    std::string ReadBytes(const std::string& bytes) {
        EXPECT_TRUE(WriteFileBytes(path, bytes));
        return Read(path);
    }
    TempDir dir;
    std::string path = dir.file("caption.txt");
};

TEST_F(Reading, LinesAreJoinedWithNothingBetween) {
    EXPECT_EQ("firstsecond", ReadBytes("first\r\nsecond\r\n"));
    EXPECT_EQ("ab", ReadBytes("a\nb"));
    EXPECT_EQ("a\rb", ReadBytes("a\rb")) << "a lone carriage return stays";
}

TEST_F(Reading, AtMostFiftyLines) {
    std::string bytes;
    for (int i = 0; i < 60; ++i) bytes += std::to_string(i % 10) + "\r\n";
    std::string text = ReadBytes(bytes);
    EXPECT_EQ(50u, text.size());
}

TEST_F(Reading, StopsAfterTheLineThatPassesTwoThousandBytes) {
    EXPECT_EQ(3000u, ReadBytes(Lines(4, 1000)).size());
    EXPECT_EQ(3000u, ReadBytes(Lines(3, 1500)).size());
    EXPECT_EQ(2000u, ReadBytes(Lines(2, 1000)).size());
}

TEST_F(Reading, HugeSingleLineIsCutAtSixtyFourKilobytes) {
    std::string text = ReadBytes(std::string(1024 * 1024, 'x'));
    EXPECT_EQ(kCaptionLineLimit, text.size());
}

TEST_F(Reading, HugeLineIsCutBetweenCharacters) {
    std::string line = "a";
    while (line.size() < kCaptionLineLimit + 10) line += "\x95\x5c";  // the cut falls inside one
    std::string text = ReadBytes(line);
    EXPECT_EQ(kCaptionLineLimit - 1, text.size());
    EXPECT_EQ('\x5c', text.back());
}

TEST_F(Reading, HugeMarkedLineIsCutAtSixtyFourKilobytesOfCodePage932) {
    // "表" takes three bytes in UTF-8, two in UTF-16 and two in code page 932.
    std::string utf8 = "\xEF\xBB\xBF" "a";
    while (utf8.size() < 300000) utf8 += "\xE8\xA1\xA8";
    std::string text = ReadBytes(utf8);
    EXPECT_EQ(kCaptionLineLimit - 1, text.size()) << "one more character would pass the limit";
    EXPECT_EQ("a\x95\x5c", text.substr(0, 3));
    EXPECT_EQ("\x95\x5c", text.substr(text.size() - 2));

    std::string utf16 = "\xFF\xFE";
    while (utf16.size() < 300000) utf16 += std::string("\x68\x88", 2);
    EXPECT_EQ(kCaptionLineLimit, ReadBytes(utf16).size());
}

TEST_F(Reading, NulEndsTheText) {
    EXPECT_EQ("abc", ReadBytes(std::string("abc\0def\r\nmore\r\n", 15)));
    EXPECT_EQ("", ReadBytes(std::string(4096, '\0')));
}

TEST_F(Reading, CtrlZEndsTheFileInTextMode) {
    EXPECT_EQ("ab", ReadBytes("a\r\nb\x1A\r\nc\r\n"));
}

TEST_F(Reading, MarkedFilesGiveTheSameBytesAsCodePage932) {
    const std::string cp932 = "\x95\x5c\x8e\xa6\x92\x86" "ABC";  // 表示中ABC
    const std::string utf8 = "\xE8\xA1\xA8\xE7\xA4\xBA\xE4\xB8\xAD" "ABC";
    const std::string utf16le("\x68\x88\x3a\x79\x2d\x4e\x41\x00\x42\x00\x43\x00", 12);
    std::string utf16be;
    for (size_t i = 0; i < utf16le.size(); i += 2) utf16be += std::string{utf16le[i + 1], utf16le[i]};
    const std::string crlfLe("\x0d\x00\x0a\x00", 4), crlfBe("\x00\x0d\x00\x0a", 4);

    EXPECT_EQ(cp932 + cp932, ReadBytes(cp932 + "\r\n" + cp932));
    EXPECT_EQ(cp932 + cp932, ReadBytes("\xEF\xBB\xBF" + utf8 + "\r\n" + utf8 + "\r\n"));
    EXPECT_EQ(cp932 + cp932, ReadBytes("\xFF\xFE" + utf16le + crlfLe + utf16le + crlfLe));
    EXPECT_EQ(cp932 + cp932, ReadBytes("\xFE\xFF" + utf16be + crlfBe + utf16be));
}


// The corpus is compiled in code page 932, as every program text is; its UTF-8 form is made
// here, and the way back must give the same bytes.
std::string Utf8FromCp932(const std::string& cp932) {
    const int wideLength = MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, cp932.data(),
                                               static_cast<int>(cp932.size()), nullptr, 0);
    EXPECT_GT(wideLength, 0) << cp932;
    std::wstring wide(static_cast<size_t>(std::max(wideLength, 0)), L'\0');
    MultiByteToWideChar(932, 0, cp932.data(), static_cast<int>(cp932.size()), &wide[0], wideLength);
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(std::max(length, 0)), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, &utf8[0], length, nullptr, nullptr);
    return utf8;
}

TEST_F(Reading, JapaneseTextInCodePage932PassesUnchangedAndInUtf8WithoutAMarkIsConverted) {
    for (const std::string& cp932 : JapaneseCorpus()) {
        const std::string utf8 = Utf8FromCp932(cp932);
        EXPECT_EQ(cp932, ReadBytes(cp932)) << "code page 932, byte for byte: " << cp932;
        EXPECT_EQ(cp932, ReadBytes(utf8)) << "UTF-8 without a mark: " << cp932;
        EXPECT_EQ(cp932 + cp932, ReadBytes(cp932 + "\r\n" + cp932 + "\r\n")) << cp932;
        EXPECT_EQ(cp932 + cp932, ReadBytes(utf8 + "\r\n" + utf8 + "\r\n")) << cp932;
    }
    // The whole corpus as one file, as a script would write a bulletin.
    std::string cp932File, utf8File, joined;
    for (const std::string& cp932 : JapaneseCorpus()) {
        cp932File += cp932 + "\r\n";
        utf8File += Utf8FromCp932(cp932) + "\n";
        joined += cp932;
    }
    EXPECT_EQ(joined, ReadBytes(cp932File));
    EXPECT_EQ(joined, ReadBytes(utf8File));
}

TEST(Utf8WithoutMark, ValidWithAMultiByteCharacterOnly) {
    const struct {
        const char* bytes;
        bool cut;
        bool utf8;
    } cases[] = {
        {"plain ASCII", false, false},        // nothing to convert
        {"caf\xC3\xA9", false, true},         // café
        {"\xF0\x9F\x98\x80", false, true},     // a character beyond the basic plane
        {"\xC0\x80", false, false},            // overlong NUL
        {"\xE0\x80\xAF", false, false},        // overlong "/"
        {"\xED\xA0\x80", false, false},        // a surrogate
        {"\xF4\x90\x80\x80", false, false},    // past U+10FFFF
        {"\xF5\x80\x80\x80", false, false},
        {"\xC3", false, false},                // broken off at the end of the file
        {"\xC3\xA9\xE3\x81", false, false},
        {"\xC3\xA9\xE3\x81", true, true},     // broken off where reading stopped
        {"\xC3\xA9\x81", true, false},         // a stray continuation byte is never a cut
        {"\x83\x65\x83\x58\x83\x67", false, false},  // テスト in code page 932
        {"\xC3\xB1", false, true},             // ﾃｱ in code page 932 is ñ in UTF-8: two half-width kana alone
    };
    for (const auto& c : cases) EXPECT_EQ(c.utf8, fw::IsUtf8WithMultiByte(c.bytes, c.cut)) << Hex(c.bytes);
}

TEST_F(Reading, CharactersCodePage932CannotHoldAreKept) {
    ASSERT_TRUE(WriteFileBytes(path, "\xEF\xBB\xBF" "a\xF0\x9F\x98\x80" "b"));  // an emoji
    EXPECT_EQ(L"a\U0001F600b", ReadWide(path));
}

// A named pipe whose writer sends the first line and part of the second and then cuts the
// connection: the second read fails, as a disk error in the middle of a file would.
DWORD WINAPI WriteThenCut(void* pipe) {
    HANDLE server = static_cast<HANDLE>(pipe);
    ConnectNamedPipe(server, nullptr);  // fails harmlessly when the reader came first
    DWORD written = 0;
    WriteFile(server, "first\r\nsec", 10, &written, nullptr);
    FlushFileBuffers(server);  // returns once the reader has taken all of it
    DisconnectNamedPipe(server);
    CloseHandle(server);
    return 0;
}

TEST_F(Reading, ReadErrorInTheMiddleOfTheFileIsReported) {
    const std::string name = "\\\\.\\pipe\\kirunner_read_error_" + std::to_string(GetCurrentProcessId());
    HANDLE server = CreateNamedPipeA(name.c_str(), PIPE_ACCESS_OUTBOUND, PIPE_TYPE_BYTE | PIPE_WAIT, 1,
                                     4096, 4096, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, server);
    HANDLE writer = CreateThread(nullptr, 0, WriteThenCut, server, 0, nullptr);
    ASSERT_TRUE(writer);
    std::wstring text;
    EXPECT_EQ(CaptionFileRead::ReadError, readCaptionText(Wide932(name), text));
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(writer, 10000));
    CloseHandle(writer);
}

TEST_F(Reading, MissingFileCannotBeOpened) {
    std::wstring text = L"left over";
    EXPECT_EQ(CaptionFileRead::CouldNotOpen, readCaptionText(Wide932(dir.file("none.txt")), text));
    EXPECT_TRUE(text.empty());
}

// Every text in every form a file holds it, each in a folder and a file whose names code page
// 932 cannot hold: the caption text is the text exactly. Code page 932 files hold what they can.
TEST(WatchedFileOfAnyScript, EveryEncodingGivesTheTextExactly) {
    TempDir dir;
    const std::wstring folder = dir.wideFile(L"Zürich-한국");
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    const std::wstring path = folder + L"\\𠮷 news.txt";
    std::vector<std::wstring> texts = testing_support::WorldTexts();
    const std::vector<std::wstring>& japanese = testing_support::CodePage932Texts();
    texts.insert(texts.end(), japanese.begin(), japanese.end());
    TextFileWatch watch;
    std::wstring text;
    EXPECT_FALSE(checkTextFile(1, path, watch, text));  // the baseline: no file yet
    for (const std::wstring& expected : texts) {
        const std::wstring twoLines = expected + L"\r\n" + expected + L"\r\n";
        std::vector<std::pair<const char*, std::string>> forms = {
            {"UTF-8", fw::Narrow(twoLines, CP_UTF8)},
            {"UTF-8 with a mark", "\xEF\xBB\xBF" + fw::Narrow(twoLines, CP_UTF8)},
            {"UTF-16LE", "\xFF\xFE" + fw::Utf16Bytes(twoLines, false)},
            {"UTF-16BE", "\xFE\xFF" + fw::Utf16Bytes(twoLines, true)},
        };
        if (fw::CodePage932Holds(expected)) forms.push_back({"code page 932", Cp932(twoLines)});
        for (const auto& form : forms) {
            SCOPED_TRACE(form.first + (" " + fw::Narrow(expected, CP_UTF8)));
            ASSERT_TRUE(WriteFileBytes(path, form.second));
            watch.lastFileDataValid = 1;
            watch.lastFileData = WIN32_FIND_DATAW{};  // any version is a new one
            EXPECT_TRUE(checkTextFile(1, path, watch, text));
            EXPECT_EQ(expected + expected, text);
        }
    }
}

// The cell limits of code page 932 text hold for wide text: a line is cut at 64 Ki cells
// between characters, never inside a surrogate pair, and reading stops past 2,000 cells.
TEST(WatchedFileOfAnyScript, WideTextIsMeasuredInCells) {
    std::wstring line = L"a";
    while (line.size() < 2 * kCaptionLineLimit) line += L"😀";
    std::wstring text;
    captionTextFromBytes("\xFF\xFE" + fw::Utf16Bytes(line, false), false, text);
    EXPECT_EQ(line.substr(0, kCaptionLineLimit - 1), text) << "one cell short: the next emoji takes two";

    const std::wstring korean(600, L'한');  // 1,200 cells a line
    captionTextFromBytes(fw::Narrow(korean + L"\n" + korean + L"\n" + korean, CP_UTF8), false, text);
    EXPECT_EQ(korean + korean, text) << "the second line passes 2,000 cells";
}

}  // namespace
