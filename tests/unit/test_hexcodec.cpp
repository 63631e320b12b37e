#include <gtest/gtest.h>

#include "model/HexCodec.h"
#include "test_settings_stdout.h"

namespace {

const char kOddLengthLine[] = "受信データの文字数が奇数です\n";

std::string allByteValues() {
    std::string bytes;
    for (int value = 0; value < 256; ++value) bytes += static_cast<char>(value);
    return bytes;
}

TEST(HexCodec, EncodesEveryByteAsTwoLowerCaseDigits) {
    EXPECT_EQ("616263", encodeHex("abc"));
    EXPECT_EQ("", encodeHex(""));
    EXPECT_EQ("0d0a3d3b20", encodeHex("\r\n=; "));
    EXPECT_EQ("955c", encodeHex("表"));  // lead byte first
    std::string all = encodeHex(allByteValues());
    ASSERT_EQ(512u, all.size());
    EXPECT_EQ("00010203", all.substr(0, 8));
    EXPECT_EQ("7f80", all.substr(254, 4));
    EXPECT_EQ("feff", all.substr(508, 4));
}

TEST(HexCodec, DecodingReversesEncodingForEveryByte) {
    std::string all = allByteValues();
    EXPECT_EQ(all, decodeHex(encodeHex(all)));
}

TEST(HexCodec, DecodesDigitsOfEitherCase) {
    EXPECT_EQ("\xab\xcd\xef", decodeHex("ABcdEf"));
    EXPECT_EQ("\x95\x5c", decodeHex("955C"));
}

TEST(HexCodec, NonHexCharactersCountAsZero) {
    EXPECT_EQ(0, hexDigitValue('g'));
    EXPECT_EQ(0, hexDigitValue(' '));
    EXPECT_EQ(0, hexDigitValue('\x82'));
    EXPECT_EQ(15, hexDigitValue('F'));
    EXPECT_EQ(9, hexDigitValue('9'));
    EXPECT_EQ(std::string("\x60" "A"), decodeHex("6z41"));
    EXPECT_EQ(std::string("\x01\x00", 2), decodeHex("x1zz"));
}

TEST(HexCodec, ZeroPairDecodesToANulByteAndDecodingGoesOn) {
    EXPECT_EQ(std::string("a\0b", 3), decodeHex("610062"));
}

TEST(HexCodec, OddLengthDecodesNothingAndSaysSo) {
    StdoutCapture out;
    EXPECT_EQ("", decodeHex("616"));
    EXPECT_EQ(kOddLengthLine, out.text());
}

TEST(HexCodec, EvenLengthPrintsNothing) {
    StdoutCapture out;
    EXPECT_EQ("ab", decodeHex("6162"));
    EXPECT_EQ("", decodeHex(""));
    EXPECT_EQ("", out.text());
}

}  // namespace
