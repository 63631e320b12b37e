// The scrolling engine alone, with no window: what a tick does to the strip picture, when
// rolling ends, and how display times run out.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include "display/CaptionText.h"
#include "tests/support/StripRig.h"
#include "framework/Gdi.h"
#include "tests/support/Pixels.h"
#include "Cp932.h"

using testing_support::PixelImage;
using testing_support::ReadBitmap;
using testing_support::PictureLane;
using testing_support::kCutInIndex;
using testing_support::kFreeTextIndex;
using testing_support::kTenthsPerMinute;

namespace {

constexpr COLORREF kText = RGB(255, 0, 0);
constexpr int kStripWidth = 300;

// The captions that begin a pass during `ticks` ticks, in order.
std::vector<std::string> PassesIn(PictureLane& engine, int ticks) {
    std::vector<std::string> passes;
    for (int i = 0; i < ticks; ++i) {
        const int before = engine.scrollX();
        engine.tick();
        if (engine.scrollX() < before) passes.push_back(Cp932(engine.currentText()));
    }
    return passes;
}

struct Ended : CKirunListener {
    std::vector<int> indices;
    void onKirunEnd(int index) override { indices.push_back(index); }
};

class ScrollEngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        LOGFONTA lf{};
        lf.lfHeight = -16;
        lf.lfWeight = FW_BOLD;
        lstrcpynA(lf.lfFaceName, "Arial", LF_FACESIZE);
        useFont(lf);
    }
    // The strip drawn in the font, the text in kText.
    void useFont(const LOGFONTA& lf) {
        font.reset(CreateFontIndirectA(&lf));
        StripLook look;
        look.m_textColor = kText;
        look.m_deltaX = 2;
        engine.setLook(look, font.get());
        engine.layout(kStripWidth, 20);
    }
    int TextColumns() const { return ReadBitmap(engine.strip().bitmap()).count(kText); }

    fw::Font font;
    PictureLane engine;
};

// A text from a hostile file may end in a lead byte alone. The system then writes one extent
// more than the text has bytes (Wine writes two for it); the measure's array has room for two a
// byte, and such a caption measures and rolls.
TEST_F(ScrollEngineTest, ALoneLeadByteAtTheEndStaysWithinTheMeasuresExtents) {
    // A font that has the character the lone byte stands for, whatever fonts the machine has
    // beside it (a stand-in font for one it lacks would measure it its own way).
    LOGFONTA lf{};
    lf.lfHeight = -16;
    lf.lfCharSet = SHIFTJIS_CHARSET;
    lstrcpynA(lf.lfFaceName, "ＭＳ Ｐゴシック", LF_FACESIZE);
    useFont(lf);
    fw::MemoryDC dc(nullptr);
    fw::SelectGuard selectFont(dc.get(), font.get());
    const std::string text = "ab\x82";
    const INT kUnwritten = -7;
    std::vector<INT> extents(3 * text.size(), kUnwritten);
    INT fit = 0;
    SIZE size{0, 0};
    ASSERT_TRUE(GetTextExtentExPointA(dc.get(), text.data(), static_cast<int>(text.size()), INT_MAX, &fit,
                                      extents.data(), &size));
    const size_t written = extents.size() - static_cast<size_t>(std::count(extents.begin(), extents.end(), kUnwritten));
    EXPECT_LE(written, 2 * text.size());

    CaptionText measured;
    measured.measure(dc.get(), font.get(), text);
    EXPECT_EQ(size.cx, measured.size().cx);
    engine.addKirun(0, Wide932(text), 1, nullptr);
    for (int tick = 0; tick < 20; ++tick) engine.tick();
    EXPECT_GT(TextColumns(), 0);
}

TEST_F(ScrollEngineTest, TicksMoveOnlyWhileRollingAndEndOnceTheLastCaptionHasLeft) {
    EXPECT_EQ(Lane::Move::kIdle, engine.tick());
    engine.addKirun(0, L"Hello", 1, nullptr);
    for (int i = 0; i < 20; ++i) ASSERT_EQ(Lane::Move::kMoved, engine.tick());
    EXPECT_GT(TextColumns(), 0) << "the caption has entered at the right";
    ASSERT_TRUE(engine.removeKirun(0));
    EXPECT_FALSE(engine.removeKirun(0));

    // The drain: the caption's width, the strip's and 50 pixels, two pixels a tick.
    const int drainTicks = (engine.lastWidth() + kStripWidth + 50) / 2 + 1;
    int ticks = 0;
    Lane::Move tick;
    while ((tick = engine.tick()) == Lane::Move::kMoved && ticks < 10000) ++ticks;
    EXPECT_EQ(Lane::Move::kEnded, tick);
    EXPECT_EQ(drainTicks - 1, ticks);
    EXPECT_EQ(0, TextColumns()) << "nothing of the caption is left on the strip";
    EXPECT_FALSE(engine.rolling());
    EXPECT_EQ(Lane::Move::kIdle, engine.tick());
}

TEST_F(ScrollEngineTest, BlankingClearsTheStripAtOnceButOnlyWithNothingOnAir) {
    engine.addKirun(0, L"Hello", 1, nullptr);
    for (int i = 0; i < 20; ++i) engine.tick();
    EXPECT_FALSE(engine.blankNow()) << "a caption on air is never blanked away";
    EXPECT_GT(TextColumns(), 0);
    ASSERT_TRUE(engine.removeKirun(0));
    ASSERT_TRUE(engine.blankNow());
    EXPECT_EQ(0, TextColumns());
    EXPECT_FALSE(engine.rolling());
    EXPECT_EQ(Lane::Move::kIdle, engine.tick());
    engine.addKirun(1, L"Again", 1, nullptr);
    EXPECT_EQ(L"Again", engine.currentText()) << "the next caption enters as on a fresh strip";
}

TEST_F(ScrollEngineTest, DisplayTimesRunOutInTenthsAndTellTheirListeners) {
    Ended ended;
    engine.addKirun(3, L"a", 1, &ended);
    engine.addKirun(kFreeTextIndex, L"b", 2, &ended);
    for (int i = 0; i < kTenthsPerMinute; ++i) engine.countDown();
    EXPECT_EQ(std::vector<int>{3}, ended.indices);
    ASSERT_EQ(1, engine.runList().count());
    EXPECT_EQ(kFreeTextIndex, engine.indexAt(0));
    for (int i = 0; i < kTenthsPerMinute; ++i) engine.countDown();
    EXPECT_EQ((std::vector<int>{3, kFreeTextIndex}), ended.indices);
    EXPECT_TRUE(engine.runList().empty());
    EXPECT_TRUE(engine.rolling()) << "the last caption still drains out";
}

// "B" is half-way through its pass when "X" cuts in: either "B" leaves at once and is due
// again once "X" is over, or it finishes and "A" is due.
TEST_F(ScrollEngineTest, ACutInLeavesAtOnceOrAfterThePassAndTheCycleGoesOn) {
    for (bool afterCurrent : {false, true}) {
        PictureLane cut;
        StripLook look;
        look.m_textColor = kText;
        look.m_deltaX = 2;
        cut.setLook(look, font.get());
        cut.layout(kStripWidth, 20);
        cut.addKirun(0, L"AAAA", 1, nullptr);
        cut.addKirun(1, L"BBBB", 1, nullptr);
        for (int ticks = 0; cut.currentText() != L"BBBB" && ticks < 1000; ++ticks) cut.tick();
        while (cut.scrollX() < cut.captionSize().cx / 2) cut.tick();
        cut.cutInKirun(L"XX", 1, nullptr, afterCurrent);
        EXPECT_EQ(afterCurrent ? L"BBBB" : L"XX", cut.currentText());
        EXPECT_EQ(afterCurrent, cut.scrollX() > 0);
        EXPECT_EQ(afterCurrent, ReadBitmap(cut.strip().bitmap()).count(kText) > 0) << "left at once";
        const std::vector<std::string> during = PassesIn(cut, 200);
        ASSERT_GE(during.size(), 3u);
        EXPECT_EQ(std::vector<std::string>(during.size(), "XX"), during) << "the cut-in repeats";
        ASSERT_TRUE(cut.removeKirun(kCutInIndex));
        std::vector<std::string> after = PassesIn(cut, 200);
        ASSERT_GE(after.size(), 3u);
        after.resize(3);
        const std::vector<std::string> expected = afterCurrent ? std::vector<std::string>{"AAAA", "BBBB", "AAAA"}
                                                               : std::vector<std::string>{"BBBB", "AAAA", "BBBB"};
        EXPECT_EQ(expected, after) << "the pass under way ends, then the cycle goes on";
    }
}

}  // namespace
