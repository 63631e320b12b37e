// The appearance dialog's sample against the strip: for the same look, the sample shows the
// pixels the strip shows, as the desktop would show them over the sample's grey (the key colour
// as the desktop, a translucent band and the smooth look's edges blended over it), and a caption
// taller than the sample is scaled down whole, not cut.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "display/CaptionDrawing.h"
#include "display/StripFont.h"
#include "display/StripLook.h"
#include "display/SmoothPicture.h"
#include "framework/WideText.h"
#include "model/AppearanceRules.h"
#include "panel/CaptionPreview.h"
#include "tests/support/StripRig.h"

using namespace testing_support;

namespace {

const int kAreaWidth = 565;
const int kAreaHeight = 30;
const DWORD kGrey = 0x808080;  // kPreviewDesktop as a picture's pixel

// A picture's pixel as the desktop shows it over the grey, by the rules of layered windows.
DWORD OverGrey(DWORD pixel, StripMode mode) {
    const DWORD rgb = pixel & 0xFFFFFF;
    if (mode == StripMode::ColourKeyed) return rgb == 0xC8C8C8 ? kGrey : rgb;
    if (mode == StripMode::OpaqueBand) return rgb;
    const DWORD alpha = pixel >> 24;
    DWORD out = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const DWORD blended = ((pixel >> shift) & 0xFF) + (0x80 * (255 - alpha) + 127) / 255;
        out |= std::min<DWORD>(blended, 255) << shift;
    }
    return out;
}

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<DWORD> pixels;  // 0x00RRGGBB
    int entered = 0;            // of a strip: the caption's columns scrolled in, at its right edge
    DWORD at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x] & 0xFFFFFF; }
};

Picture Preview(const LaneLook& settings, bool alphaComposed, int height = kAreaHeight) {
    OffscreenPicture canvas;
    Picture preview{kAreaWidth, height, {}};
    if (!canvas.create(kAreaWidth, height)) return preview;
    drawCaptionPreview(canvas.dc(), RECT{0, 0, kAreaWidth, height}, settings, 96, alphaComposed);
    const DWORD* pixels = canvas.pixels();
    preview.pixels.assign(pixels, pixels + static_cast<size_t>(kAreaWidth) * height);
    return preview;
}

// The strip's picture once the sample caption has scrolled `columns` columns in, as the desktop
// shows it: the real strip window for the looks a screen without composition shows.
Picture StripShows(const LaneLook& settings, int columns) {
    LaneLook applied = settings;  // as the program hands the settings to its strips
    applyFontChoice(applied.logFont, applied.sizeChoice);
    StripRig rig;
    EXPECT_TRUE(rig.strips.startStrips(applied));
    rig.addKirun(0, fw::WideFromCodePage932(kCaptionPreviewText), 5, nullptr);
    const int step = rig.scrollStepWidth();
    int moved = 0;
    for (; moved < columns; moved += step) rig.onScrollTick();
    // The picture the window presents (for these looks the strip picture itself).
    OffscreenPicture& shown = rig.first()->picture().framePicture(0);
    Picture strip{shown.width(), shown.height(), {}, moved};
    const DWORD* pixels = shown.pixels();
    const StripMode mode = rig.first()->picture().mode();
    for (int i = 0; pixels && i < shown.width() * shown.height(); ++i) strip.pixels.push_back(OverGrey(pixels[i], mode));
    return strip;
}

// The smooth look's picture on a screen that composes alpha, drawn by the strip's picture code
// with the strip's font: no window shows it on this screen.
Picture SmoothStripShows(const LaneLook& settings, int columns) {
    StripLook look = stripLookFor(settings, nullptr);
    look.m_alphaComposed = true;
    LOGFONTA logFont = settings.logFont;
    applyFontChoice(logFont, settings.sizeChoice);
    const LOGFONTA stripFont = stripFontAt(logFont, 96, look.mode());
    fw::Font font(CreateFontIndirectA(&stripFont));
    PictureLane lane;
    lane.setLook(look, font.get());
    OffscreenPicture measuring;  // the strip's height, measured as the strip measures it
    lane.layout(1000, captionHeightFor(true, measureCaptionText(measuring.dc(), font.get(), std::wstring(L"ABC")).cy));
    lane.addKirun(0, fw::WideFromCodePage932(kCaptionPreviewText), 5, nullptr);
    lane.advance(columns);  // the smooth look's frames
    const int moved = columns;
    OffscreenPicture& frame = lane.picture().framePicture(0);
    Picture strip{frame.width(), frame.height(), {}, moved};
    const DWORD* pixels = frame.pixels();
    for (int i = 0; i < frame.width() * frame.height(); ++i) strip.pixels.push_back(OverGrey(pixels[i], look.mode()));
    return strip;
}

LaneLook Look(int colorChoice, int bandOn, int opacity, int outline) {
    LaneLook s;
    s.sizeChoice = 1;
    s.colorChoice = colorChoice;
    s.userTextColor = kStripKeyColor;  // the key colour: hollow on the colour-keyed strip
    s.userShadowColor = RGB(0, 0, 0);
    s.bandOn = bandOn;
    s.bandColor = RGB(0, 0, 128);
    s.bandOpacity = opacity;
    s.outline = outline;
    return s;
}

TEST(CaptionPreview, ShowsThePixelsTheStripShowsForTheSameLook) {
    const struct {
        const char* what;
        LaneLook settings;
        bool smooth;
    } cases[] = {
        {"white on black", Look(0, 0, 100, 0), false},
        {"yellow, outlined", Look(2, 0, 100, 1), false},
        {"opaque navy band", Look(0, 1, 100, 0), false},
        {"navy band at 60 %", Look(3, 1, 60, 1), false},
        {"text in the key colour", Look(4, 0, 100, 0), false},
        {"smooth look with a band at 60 %", Look(0, 1, 60, 1), true},
    };
    const int shown = kAreaWidth - kPreviewMargin;  // the strip columns the sample holds
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        LaneLook settings = c.settings;
        settings.smooth = c.smooth ? 1 : 0;
        const Picture preview = Preview(settings, c.smooth);
        const Picture strip = c.smooth ? SmoothStripShows(settings, shown) : StripShows(settings, shown);
        ASSERT_FALSE(preview.pixels.empty());
        ASSERT_GE(strip.width, shown);
        ASSERT_LE(strip.height, kAreaHeight) << "a caption of this size needs no scaling";
        // The caption's first column stands at the sample's margin, the strip's rows in the
        // middle of the area; every other pixel of the sample is the desktop's grey.
        const int top = (kAreaHeight - strip.height) / 2;
        int differing = 0, ink = 0;
        for (int y = 0; y < kAreaHeight; ++y)
            for (int x = 0; x < kAreaWidth; ++x) {
                const bool inStrip = y >= top && y < top + strip.height;
                const DWORD expected =
                    inStrip ? strip.at(strip.width - strip.entered + x - kPreviewMargin, y - top) : kGrey;
                differing += preview.at(x, y) != expected;
                ink += inStrip && expected != kGrey;
            }
        EXPECT_EQ(0, differing);
        EXPECT_GT(ink, 100) << "the caption is there to compare";
    }
}

TEST(CaptionPreview, TheKeyColourShowsAsTheDesktopAndATranslucentBandAsBlended) {
    const Picture hollow = Preview(Look(4, 0, 100, 0), false);
    const Picture half = Preview(Look(0, 1, 60, 0), false);
    int keyPixels = 0, blended = 0;
    auto within2 = [](DWORD value, DWORD wanted) { return value + 2 >= wanted && value <= wanted + 2; };
    for (int y = 0; y < kAreaHeight; ++y)
        for (int x = 0; x < kAreaWidth; ++x) {
            keyPixels += hollow.at(x, y) == 0xC8C8C8;
            // Navy (0, 0, 128) at 60 % over the grey: 51, 51, 128.
            const DWORD p = half.at(x, y);
            blended += within2(p >> 16, 51) && within2((p >> 8) & 0xFF, 51) && within2(p & 0xFF, 128);
        }
    EXPECT_EQ(0, keyPixels) << "no pixel of the key colour: the strip shows none";
    EXPECT_GT(blended, kAreaWidth) << "the band, not solid navy";
}

// A caption taller than the sample's area keeps its whole height, scaled down: its ink is as
// much shorter than the strip's as the area is than the strip.
TEST(CaptionPreview, ACaptionTallerThanTheAreaIsScaledDownWhole) {
    LaneLook large = Look(0, 0, 100, 0);
    large.sizeChoice = 3;
    large.logFont.lfHeight = -48;  // 36 points
    const Picture strip = StripShows(large, 200);
    ASSERT_GT(strip.height, kAreaHeight);
    auto inkRows = [](const Picture& p) {
        int first = -1, last = -1;
        for (int y = 0; y < p.height; ++y)
            for (int x = 0; x < p.width; ++x)
                if (p.at(x, y) != kGrey) {
                    if (first < 0) first = y;
                    last = y;
                }
        return first < 0 ? 0 : last - first + 1;
    };
    const Picture preview = Preview(large, false);
    const int expected = inkRows(strip) * kAreaHeight / strip.height;
    EXPECT_NEAR(expected, inkRows(preview), 2) << "strip " << inkRows(strip) << " of " << strip.height;
    EXPECT_LT(inkRows(preview), kAreaHeight) << "not cut at the area's edges";
}

TEST(CaptionPreview, WarnsOfAColourOnlyWhereTheStripShowsItAsTheDesktop) {
    LaneLook s = Look(4, 0, 100, 0);
    EXPECT_STREQ("文字の色（200,200,200）は透明になり表示されません", keyColourWarning(s, false));
    s.userShadowColor = kStripKeyColor;
    EXPECT_STREQ("文字と影の色（200,200,200）は透明になり表示されません", keyColourWarning(s, false));
    s.userTextColor = RGB(255, 255, 255);
    EXPECT_STREQ("影の色（200,200,200）は透明になり表示されません", keyColourWarning(s, false));
    s.smooth = 1;
    EXPECT_STREQ("影の色（200,200,200）は透明になり表示されません", keyColourWarning(s, false))
        << "without composition the smooth look is colour-keyed";
    EXPECT_EQ(nullptr, keyColourWarning(s, true));
    s.smooth = 0;
    s.bandOn = 1;
    EXPECT_EQ(nullptr, keyColourWarning(s, false)) << "a band has no key colour";
    s.bandOn = 0;
    s.colorChoice = 0;
    EXPECT_EQ(nullptr, keyColourWarning(s, false)) << "the custom colours are not chosen";
}

}  // namespace
