#include <gtest/gtest.h>

#include <climits>
#include <cstring>

#include "model/AppearanceRules.h"
#include "model/LaneLook.h"

namespace {

void expectColors(COLORREF text, COLORREF shadow, int choice) {
    CaptionColors colors = captionColorsFor(choice, RGB(1, 2, 3), RGB(4, 5, 6));
    EXPECT_EQ(text, colors.text) << "choice " << choice;
    EXPECT_EQ(shadow, colors.shadow) << "choice " << choice;
}

TEST(AppearanceColors, EachChoiceGivesItsPairAndUnknownChoicesWhiteOnBlack) {
    expectColors(0xFFFFFF, 0x000000, 0);
    expectColors(0x323232, 0xCDCDCD, 1);
    expectColors(0x78FFFF, 0x870000, 2);
    expectColors(0x0000FF, 0xFFFF00, 3);
    expectColors(RGB(1, 2, 3), RGB(4, 5, 6), 4);
    for (int choice : {-1, 5, 100}) expectColors(0xFFFFFF, 0x000000, choice);
}

LOGFONTA gothicFont(LONG height) {
    LOGFONTA font;
    std::memset(&font, 0, sizeof font);
    font.lfHeight = height;
    font.lfWeight = 700;
    font.lfCharSet = 128;
    std::strcpy(font.lfFaceName, "ＭＳ Ｐゴシック");
    return font;
}

LOGFONTA operatorFont() {
    LOGFONTA font;
    std::memset(&font, 0, sizeof font);
    font.lfHeight = -30;
    font.lfWidth = 11;
    font.lfWeight = 400;
    font.lfItalic = 1;
    std::strcpy(font.lfFaceName, "Arial");
    return font;
}

bool sameFont(const LOGFONTA& a, const LOGFONTA& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

TEST(AppearanceFont, DefaultIsTwelvePointBoldGothic) {
    EXPECT_TRUE(sameFont(gothicFont(-16), defaultCaptionFont()));  // 96 pixels per inch here
}

TEST(AppearanceFont, FixedSizesResetTheFontOthersKeepItAllBoldOfNaturalWidth) {
    const LONG heights[] = {-12, -16, -21};
    for (int size = 0; size < 3; ++size) {
        LOGFONTA font = operatorFont();
        applyFontChoice(font, size);
        EXPECT_TRUE(sameFont(gothicFont(heights[size]), font)) << "size " << size;
    }
    for (int size : {3, -1, 1000}) {
        LOGFONTA font = operatorFont();
        applyFontChoice(font, size);
        LOGFONTA expected = operatorFont();
        expected.lfWeight = 700;
        expected.lfWidth = 0;
        EXPECT_TRUE(sameFont(expected, font)) << "size " << size;
    }
}

TEST(AppearanceFont, OperatorHeightIsHeldWithinAThousandPixelsEitherWay) {
    const struct {
        LONG stored;
        LONG applied;
    } cases[] = {{-100000, -1000}, {LONG_MIN, -1000}, {-1001, -1000}, {-1000, -1000}, {0, 0},
                 {999, 999}, {1001, 1000}, {LONG_MAX, 1000}};
    for (const auto& c : cases) {
        LOGFONTA font = operatorFont();
        font.lfHeight = c.stored;
        applyFontChoice(font, 3);
        EXPECT_EQ(c.applied, font.lfHeight) << "stored " << c.stored;
    }
}

TEST(AppearanceColors, UserColoursKeepOnlyTheirRgbBytes) {
    CaptionColors colors = captionColorsFor(4, 0xFF123456, 0x01ABCDEF);
    EXPECT_EQ(0x123456u, colors.text);
    EXPECT_EQ(0xABCDEFu, colors.shadow);
    colors = captionColorsFor(4, 0xFFFFFFFF, 0x80000000);
    EXPECT_EQ(0xFFFFFFu, colors.text);
    EXPECT_EQ(0u, colors.shadow);
}

TEST(AppearanceScrollStep, OneToFourAsStoredAnythingElseTwo) {
    for (int step = 1; step <= 4; ++step) EXPECT_EQ(step, scrollStepFor(step));
    for (int step : {0, -1, 5, 100000}) EXPECT_EQ(2, scrollStepFor(step)) << step;
}

}  // namespace
