#include <gtest/gtest.h>

#include "framework/Mbcs.h"
#include "framework/Text.h"

namespace {

// "表" is 0x95 0x5C in code page 932: its trail byte is a backslash.
const std::string kHyo = "\x95\x5c";

TEST(Mbcs, CutsBackToTheLastWholeCharacter) {
    std::string text = "ab" + kHyo + "c";
    EXPECT_EQ("ab", fw::CutToBytes(text, 3));
    EXPECT_EQ("ab" + kHyo, fw::CutToBytes(text, 4));
    EXPECT_EQ(text, fw::CutToBytes(text, 100));
    EXPECT_EQ("", fw::CutToBytes(kHyo, 1));
}

TEST(Mbcs, TrailByteEqualToBackslashIsNotASeparator) {
    EXPECT_EQ(std::string::npos, fw::FindLastChar(kHyo, '\\'));
    EXPECT_EQ(2u, fw::FindLastChar("C:\\" + kHyo, '\\'));
    EXPECT_EQ(5u, fw::FindLastChar("C:\\" + kHyo + "\\x", '\\'));
}

TEST(Mbcs, LoneLeadByteAtTheEndCountsAsOneCharacter) {
    std::string text = "a\x95";
    EXPECT_EQ(2u, fw::CharBoundaryAtOrBefore(text, 2));
    EXPECT_EQ(1u, fw::CharBoundaryAtOrBefore(text, 1));
}

TEST(Mbcs, UpperAsciiLeavesDoubleByteCharactersAsTheyAre) {
    // "ト" is 0x83 0x67 and "エ" 0x83 0x47: a trail byte "g" made "G" would turn one into the other.
    const struct {
        const char* text;
        const char* upper;
    } cases[] = {{"ab\x83\x67z", "AB\x83\x67Z"}, {"\x83\x67\x83\x61", "\x83\x67\x83\x61"}, {"a\x95", "A\x95"}};
    for (const auto& c : cases) EXPECT_EQ(c.upper, fw::UpperAscii(c.text)) << c.text;
}

}  // namespace

#include "framework/CommonDialogs.h"

namespace {

TEST(FileDialogFilter, SplitsAtBarsButNotInsideACharacter) {
    EXPECT_EQ(std::string("Txt(*.txt)\0*.txt\0\0", 18), fw::FileDialogFilter("Txt(*.txt)|*.txt||"));
    EXPECT_EQ(std::string("All\0*.*\0\0", 9), fw::FileDialogFilter("All|*.*"));
    // "ソ" is 0x83 0x7C: its trail byte is a bar.
    EXPECT_EQ(std::string("\x83\x7c\0*.*\0\0", 8), fw::FileDialogFilter("\x83\x7c|*.*||"));
}

TEST(Text, LineBreaksGoWhereverTheyStand) {
    const struct { std::string text, line; } kCases[] = {
        {"a\r\nb", "ab"}, {"\n\ra\n", "a"}, {"\r\r\n\n", ""}, {kHyo + "\r\n" + kHyo, kHyo + kHyo}, {"a b", "a b"},
    };
    for (const auto& c : kCases) EXPECT_EQ(c.line, fw::WithoutLineBreaks(c.text)) << c.text;
}

TEST(Text, StartsWithComparesTheWholePrefix) {
    const struct { std::string text; const char* prefix; bool starts; } kCases[] = {
        {"-T5", "-T", true}, {"-", "-T", false}, {"\xEF\xBB", "\xEF\xBB\xBF", false}, {"abc", "", true}, {"xab", "ab", false},
    };
    for (const auto& c : kCases) EXPECT_EQ(c.starts, fw::StartsWith(c.text, c.prefix)) << c.text;
}

}  // namespace
