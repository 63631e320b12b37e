// The benchmarks' caption texts: cut to the asked length without splitting a character, so
// that every measured text renders as whole code-page-932 characters.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "bench/BenchText.h"

namespace {

// Walks the text character by character; false if a lead byte has no trail byte.
bool WholeCharacters(const std::string& text) {
    for (size_t i = 0; i < text.size(); ++i) {
        if (IsDBCSLeadByteEx(932, static_cast<BYTE>(text[i]))) {
            if (i + 1 >= text.size()) return false;
            ++i;
        }
    }
    return true;
}

TEST(BenchText, HasTheAskedLengthInWholeCharacters) {
    for (size_t bytes : {2u, 10u, 100u, 1000u, 2000u, 4000u}) {
        const std::string text = bench::CaptionBytes(bytes);
        EXPECT_EQ(bytes, text.size());
        EXPECT_TRUE(WholeCharacters(text)) << bytes << " bytes";
    }
}

TEST(BenchText, OddLengthsRoundDownRatherThanCutACharacter) {
    const std::string text = bench::CaptionBytes(11);
    EXPECT_EQ(10u, text.size());
    EXPECT_TRUE(WholeCharacters(text));
    EXPECT_TRUE(bench::CaptionBytes(1).empty());
}

TEST(BenchText, LongTextsRepeatTheSentence) {
    const std::string shortText = bench::CaptionBytes(40);
    const std::string longText = bench::CaptionBytes(2000);
    EXPECT_EQ(shortText, longText.substr(0, 40));
    EXPECT_NE(std::string::npos, longText.find(shortText, 1));
}

}  // namespace
