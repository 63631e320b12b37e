// Captions in any script: measured as drawn, every glyph from a font that has it, right-to-left
// runs in their order, pieces that add up to the whole, and stand-in fonts released with the
// caption that needed them.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "display/CaptionDrawing.h"
#include "display/CaptionText.h"
#include "framework/Gdi.h"
#include "tests/support/GdiCount.h"
#include "tests/support/Pixels.h"

namespace {

using testing_support::PixelImage;

constexpr COLORREF kKey = RGB(200, 200, 200);
constexpr COLORREF kText = RGB(255, 0, 0);
constexpr COLORREF kShadow = RGB(0, 128, 0);

struct ScriptCase {
    const wchar_t* text;
    bool standIn;                // the caption font lacks some of its glyphs
    const char* cp932 = nullptr;  // the same text in code page 932
};

const ScriptCase kCases[] = {
    {L"Caf\u00e9 Z\u00fcrich", false},
    {L"\u0395\u03bb\u03bb\u03ac\u03b4\u03b1", true},
    {L"\ud55c\uad6d\uc5b4", true},
    {L"\U00020BB7\u91ce\u5bb6", true},
    {L"\U0001F600", true},
    {L"\u05e9\u05dc\u05d5\u05dd", true},
    {L"\u0645\u0631\u062d\u0628\u0627", true},
    {L"\u6771\u4eac Tokyo 2026", false, "東京 Tokyo 2026"},
    {L"\u30ad\u30eb\u30f3\u306e\u898b\u672c\u3000Kirunner", false, "キルンの見本　Kirunner"},
    {L"\uff21\uff22\uff23 \u2460\u2461 \u3231", false, "ＡＢＣ ①② ㈱"},
};

// The two pictures hold text ink at the same pixels (a narrower one taken as blank beyond its edge).
bool SameInk(const PixelImage& a, const PixelImage& b) {
    const auto ink = [](const PixelImage& image, int x, int y) {
        return x < image.width && y < image.height && image.at(x, y) == kText;
    };
    for (int y = 0; y < std::max(a.height, b.height); ++y)
        for (int x = 0; x < std::max(a.width, b.width); ++x)
            if (ink(a, x, y) != ink(b, x, y)) return false;
    return true;
}

class ScriptText : public ::testing::Test {
protected:
    void SetUp() override {
        LOGFONTW lf{};
        lf.lfHeight = -16;
        lf.lfWeight = FW_BOLD;
        lf.lfCharSet = SHIFTJIS_CHARSET;
        lf.lfQuality = NONANTIALIASED_QUALITY;
        lstrcpynW(lf.lfFaceName, L"\uff2d\uff33 \uff30\u30b4\u30b7\u30c3\u30af", LF_FACESIZE);
        font.reset(CreateFontIndirectW(&lf));
        ASSERT_TRUE(font);
    }
    CaptionText Measured(const std::wstring& text) {
        CaptionText measured;
        measured.measure(dc.get(), font.get(), text);
        return measured;
    }
    // Columns [from, from + width) of the caption drawn by drawCaptionColumns over the key colour.
    PixelImage Columns(const CaptionText& text, int from, int width, bool outline = false) {
        const int height = text.size().cy + 2;
        fw::WindowDC screen(nullptr);
        fw::Bitmap bitmap(CreateCompatibleBitmap(screen.get(), width, height));
        {
            fw::SelectGuard select(dc.get(), bitmap.get());
            fw::Brush key(CreateSolidBrush(kKey));
            RECT all{0, 0, width, height};
            FillRect(dc.get(), &all, key.get());
            drawCaptionColumns(dc.get(), font.get(), text, from, width, text.size().cx + 2, height, kText, kShadow,
                               outline);
        }
        return testing_support::ReadBitmap(bitmap.get());
    }
    PixelImage Whole(const std::wstring& text) {
        const CaptionText measured = Measured(text);
        return Columns(measured, 0, measured.size().cx + 2);
    }

    fw::MemoryDC dc{nullptr};
    fw::Font font;
};

// The width is the drawn text's, every character is drawn in a font that has it (neither the
// caption font's missing-glyph box nor a question mark), and code page 932 text stays plain.
TEST_F(ScriptText, EveryScriptIsMeasuredAsDrawnAndNeverAsBoxes) {
    const PixelImage question = Whole(L"?");
    for (const ScriptCase& c : kCases) {
        const std::wstring text = c.text;
        SCOPED_TRACE(testing::Message() << "text of " << text.size() << " units, first U+" << std::hex
                                        << static_cast<unsigned>(text[0]));
        const CaptionText measured = Measured(text);
        const PixelImage drawn = Columns(measured, 0, measured.size().cx + 8);
        EXPECT_EQ(c.standIn, measured.standInFonts() > 0);
        EXPECT_EQ(c.standIn, measured.shaped());
        EXPECT_EQ(measureCaptionText(dc.get(), font.get(), text).cx, measured.size().cx);
        EXPECT_NE(measureCaptionText(dc.get(), font.get(), std::wstring(text.size(), L'?')).cx, measured.size().cx);
        if (c.cp932) {
            CaptionText narrow;
            narrow.measure(dc.get(), font.get(), std::string(c.cp932));
            EXPECT_EQ(text, narrow.text());
            EXPECT_EQ(measured.size().cx, measureCaptionText(dc.get(), font.get(), std::string(c.cp932)).cx);
        }
        // The text's ink ends within a pixel of its advance and begins near column 0.
        EXPECT_LE(drawn.lastColumnWith(kText), measured.size().cx + 1);
        EXPECT_GT(drawn.lastColumnWith(kText), measured.size().cx - 5);
        EXPECT_LT(drawn.firstColumnWith(kText), 4);
        for (size_t at = 0; at < text.size(); ++at) {
            const size_t length = text[at] >= 0xD800 && text[at] <= 0xDBFF ? 2 : 1;
            const std::wstring character = text.substr(at, length);
            at += length - 1;
            if (character == L" " || character == L"\u3000") continue;
            const PixelImage alone = Whole(character);
            EXPECT_GT(alone.count(kText), 0) << "unit " << at;
            EXPECT_FALSE(SameInk(Whole(std::wstring(length, L'\uffff')), alone)) << "unit " << at << " is boxes";
            EXPECT_FALSE(SameInk(question, alone)) << "unit " << at << " is a question mark";
        }
    }
}

// Hebrew runs right to left: the first letter lies right of the second.
TEST_F(ScriptText, RightToLeftLettersLieInReadingOrderFromTheRight) {
    const PixelImage pair = Whole(L"\u05e9\u05dc");
    const PixelImage first = Whole(L"\u05e9");
    const PixelImage second = Whole(L"\u05dc");
    ASSERT_EQ(pair.height, second.height);
    const int secondWidth = Measured(L"\u05dc").size().cx;
    for (int y = 0; y < pair.height; ++y) {
        for (int x = 0; x < secondWidth; ++x)
            ASSERT_EQ(second.at(x, y) == kText, pair.at(x, y) == kText) << x << "," << y;
        for (int x = secondWidth; x < pair.width - 2; ++x)
            ASSERT_EQ(first.at(x - secondWidth, y) == kText, pair.at(x, y) == kText) << x << "," << y;
    }
}

// A long caption of every script, surrogate pairs among them, drawn in two pieces cut at any
// column equals the one piece across the cut, with and without the outline.
TEST_F(ScriptText, PiecesOfALongMixedCaptionAddUpToTheWhole) {
    std::wstring text;
    while (text.size() < 1200)
        for (const ScriptCase& c : kCases) text += std::wstring(c.text) + L" \U00020BB7\U0001F600";
    const CaptionText measured = Measured(text);
    ASSERT_GT(measured.size().cx, 10000);
    const int span = 64;
    for (bool outline : {false, true})
        for (int a : {0, 1234, 5003, 8100, static_cast<int>(measured.size().cx) - span}) {
            const PixelImage whole = Columns(measured, a, span, outline);
            for (int cut = 1; cut < span; ++cut) {
                const PixelImage left = Columns(measured, a, cut, outline);
                const PixelImage right = Columns(measured, a + cut, span - cut, outline);
                for (int y = 0; y < whole.height; ++y)
                    for (int x = 0; x < span; ++x)
                        ASSERT_EQ(whole.at(x, y), x < cut ? left.at(x, y) : right.at(x - cut, y))
                            << "from " << a << " cut " << cut << " at " << x << "," << y << " outline " << outline;
            }
        }
}

// Stand-in fonts live as long as the measure of the caption that needs them.
TEST_F(ScriptText, StandInFontsAreReleasedWithTheirCaption) {
    const int before = testing_support::CountGdiObjects();
    ASSERT_GT(before, 0);
    {
        const CaptionText measured = Measured(L"\ud55c\uad6d\uc5b4 \U00020BB7 \u05e9\u05dc\u05d5\u05dd");
        const CaptionText copy = measured;
        ASSERT_GT(measured.standInFonts(), 1u);
        EXPECT_EQ(before + static_cast<int>(measured.standInFonts()), testing_support::CountGdiObjects());
    }
    EXPECT_EQ(before, testing_support::CountGdiObjects());
}

}  // namespace
