#include <gtest/gtest.h>

#include "model/HexCodec.h"

namespace {

TEST(HexCodec, EncodesEveryByteAsTwoLowerCaseDigitsAndDecodesItBack) {
    EXPECT_EQ("616263", encodeHex("abc"));
    EXPECT_EQ("", encodeHex(""));
    EXPECT_EQ("955c0d0a", encodeHex("表\r\n"));  // lead byte first
    std::string all;
    for (int value = 0; value < 256; ++value) all += static_cast<char>(value);
    std::string hex = encodeHex(all);
    EXPECT_EQ("00010203", hex.substr(0, 8));
    EXPECT_EQ("7f80", hex.substr(254, 4));
    EXPECT_EQ("feff", hex.substr(508, 4));
    EXPECT_EQ(all, decodeHex(hex));
}

TEST(HexCodec, DecodesEitherCaseAndCountsOtherCharactersAsZero) {
    EXPECT_EQ("\xab\xcd\xef", decodeHex("ABcdEf"));
    EXPECT_EQ("\x60" "A", decodeHex("6z41"));
    EXPECT_EQ(std::string("\x01\x00", 2), decodeHex("x1\x82 "));
    EXPECT_EQ(std::string("a\0b", 3), decodeHex("610062"));  // a zero pair is a byte like any other
}

TEST(HexCodec, OddLengthDecodesNothing) {
    EXPECT_EQ("", decodeHex("616"));
    EXPECT_EQ("", decodeHex("6"));
    const struct { const char* hex; bool odd; } kCases[] = {{"616", true}, {"6", true}, {"61", false}, {"", false}};
    for (const auto& c : kCases) {
        bool odd = !c.odd;
        decodeHex(c.hex, &odd);
        EXPECT_EQ(c.odd, odd) << c.hex;
    }
}

}  // namespace
