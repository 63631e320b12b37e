#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "TempDir.h"
#include "fileif/CaptionTextFile.h"
#include "fileif/TextFileWatch.h"

using testing_support::TempDir;
using testing_support::WriteFileAtMinute;
using testing_support::WriteFileBytes;

namespace {


std::string Read(const std::string& path) {
    std::string text;
    EXPECT_EQ(CaptionFileRead::Read, readCaptionText(path, text));
    return text;
}

std::string Lines(int count, size_t length, char fill = 'a') {
    std::string bytes;
    for (int i = 0; i < count; ++i) bytes += std::string(length, static_cast<char>(fill + i % 26)) + "\r\n";
    return bytes;
}

class Watch : public ::testing::Test {
protected:
    bool Check(std::string& text) { return checkTextFile(1, path, watch, text); }
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

TEST_F(Watch, SameOrOlderWriteTimeIsIgnored) {
    ASSERT_TRUE(WriteFileAtMinute(path, "one", 5));
    std::string text;
    Check(text);
    ASSERT_TRUE(WriteFileAtMinute(path, "two", 5));
    EXPECT_FALSE(Check(text));
    ASSERT_TRUE(WriteFileAtMinute(path, "three", 4));
    EXPECT_FALSE(Check(text));
}

TEST_F(Watch, SwitchedOffLooksAtNothing) {
    std::string text;
    EXPECT_FALSE(checkTextFile(0, path, watch, text));
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

TEST_F(Watch, DirectoryOrWildcardPathNeverReads) {
    std::string text;
    EXPECT_FALSE(checkTextFile(1, dir.path(), watch, text));
    EXPECT_FALSE(checkTextFile(1, dir.path(), watch, text));
    TextFileWatch wildcard;
    ASSERT_TRUE(WriteFileAtMinute(path, "x", 1));
    EXPECT_FALSE(checkTextFile(1, dir.file("*.txt"), wildcard, text));
    ASSERT_TRUE(WriteFileAtMinute(path, "y", 2));
    EXPECT_FALSE(checkTextFile(1, dir.file("*.txt"), wildcard, text)) << "a pattern is no file to open";
}

TEST(WriteTime, ComparesHighPartFirstThenLowPartUnsigned) {
    EXPECT_TRUE(isLaterWriteTime(FILETIME{0, 2}, FILETIME{0xFFFFFFFF, 1}));
    EXPECT_TRUE(isLaterWriteTime(FILETIME{0x80000000, 1}, FILETIME{0x7FFFFFFF, 1}));
    EXPECT_FALSE(isLaterWriteTime(FILETIME{5, 1}, FILETIME{5, 1}));
    EXPECT_FALSE(isLaterWriteTime(FILETIME{0xFFFFFFFF, 0}, FILETIME{0, 1}));
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

TEST_F(Reading, CharactersCodePage932CannotHoldBecomeQuestionMarks) {
    EXPECT_EQ("a?b", ReadBytes("\xEF\xBB\xBF" "a\xF0\x9F\x98\x80" "b"));  // an emoji
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
    std::string text;
    EXPECT_EQ(CaptionFileRead::ReadError, readCaptionText(name, text));
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(writer, 10000));
    CloseHandle(writer);
}

TEST_F(Reading, MissingFileCannotBeOpened) {
    std::string text = "left over";
    EXPECT_EQ(CaptionFileRead::CouldNotOpen, readCaptionText(dir.file("none.txt"), text));
    EXPECT_TRUE(text.empty());
}

}  // namespace
