// The smooth look: its motion law at every refresh rate and speed, the sub-pixel frame, the
// premultiplied picture, and its frames inside a modal loop.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <functional>

#include <memory>

#include <cmath>
#include <string>
#include <vector>

#include "display/CaptionDrawing.h"
#include "display/FramePacer.h"
#include "display/KirunWin.h"
#include "tests/support/StripRig.h"
#include "display/SmoothMotion.h"
#include "display/SmoothPicture.h"
#include "display/StripLook.h"
#include "framework/Gdi.h"
#include "tests/support/DialogDriver.h"
#include "tests/support/KirunnerProcess.h"
#include "tests/support/Pixels.h"
#include "Cp932.h"

namespace {

constexpr LONGLONG kCounterRates[] = {10000000, 3579545};  // what QueryPerformanceFrequency gives
constexpr COLORREF kText = RGB(255, 0, 0);
constexpr COLORREF kShadow = RGB(0, 255, 0);

double Position(LONGLONG whole, const SmoothMotion::Frame& frame) {
    return static_cast<double>(whole) + static_cast<double>(frame.fraction) / SmoothMotion::kFractionSteps;
}

// Frames at every refresh for one second: each moves the text by speed / rate (within the
// fraction's resolution), a second moves it by the speed exactly, and a frame shown five
// refreshes late has moved it by the time that passed, not by one frame's step.
TEST(SmoothMotion, PositionIsTimeTimesSpeedAtEveryRefreshRateAndSpeed) {
    const double resolution = 1.0 / SmoothMotion::kFractionSteps;
    for (LONGLONG counter : kCounterRates)
        for (int rate : {60, 75, 120, 144})
            for (int speed : {20, 40, 60, 80, 7, 2000}) {
                SCOPED_TRACE(std::to_string(rate) + " Hz, " + std::to_string(speed) + " px/s, counter " +
                             std::to_string(counter));
                SmoothMotion motion;
                const LONGLONG origin = 123456789;
                motion.start(origin, counter, speed);
                LONGLONG whole = 0;
                double last = 0;
                for (int k = 1; k <= rate; ++k) {
                    const int late = k == rate / 2 ? 5 : 0;  // frames k ... k + 4 never came
                    if (late) k += late;
                    const SmoothMotion::Frame frame = motion.frameAt(origin + counter * k / rate);
                    whole += frame.pixels;
                    const double position = Position(whole, frame);
                    EXPECT_NEAR(static_cast<double>(speed) * (1 + late) / rate, position - last, 2 * resolution)
                        << "frame " << k;
                    last = position;
                }
                EXPECT_EQ(speed, whole);
            }
}

// A counter at the processor's rate (3 GHz) and the fastest speed: weeks into a run the position
// is still the time elapsed times the speed, exactly, with no overflow.
TEST(SmoothMotion, PositionStaysExactForAnyRunLength) {
    const LONGLONG counter = 3000000000LL;
    for (LONGLONG days : {1LL, 20LL, 400LL}) {
        SmoothMotion motion;
        motion.start(0, counter, kMaxSpeedPx);
        const LONGLONG elapsed = days * 86400 * counter + counter / 4;  // and a quarter of a second
        motion.frameAt(elapsed - counter);  // the frame a second before
        const SmoothMotion::Frame frame = motion.frameAt(elapsed);
        EXPECT_EQ(kMaxSpeedPx, frame.pixels) << days << " days";
        EXPECT_EQ(0, frame.fraction) << days << " days: 2000 px/s for a quarter second is 500 whole pixels";
    }
}

// Stopping the pacer returns promptly even while the frame it asked for is still being drawn, and
// no frame is asked for once it has returned.
TEST(FramePacerStop, ReturnsAtOnceAndAsksForNothingAfterwards) {
    std::atomic<int> asked{0};
    FramePacer pacer;
    ASSERT_TRUE(pacer.start([&] { ++asked; }, 1000));
    ASSERT_TRUE(testing_support::WaitUntil([&] { return asked.load() > 0; }, 2000));
    EXPECT_EQ(1, asked.load()) << "no second frame while the first is not presented";
    pacer.framePresented();
    ASSERT_TRUE(testing_support::WaitUntil([&] { return asked.load() > 1; }, 2000));
    pacer.stop();
    const int atStop = asked.load();
    Sleep(50);
    EXPECT_EQ(atStop, asked.load());
    EXPECT_FALSE(pacer.running());
}

TEST(SmoothMotion, NoMotionWhileStoppedAndSpeedsOfTheButtons) {
    SmoothMotion motion;
    EXPECT_EQ(0, motion.frameAt(1000000).pixels) << "never started";
    motion.start(0, 1000, 80);
    EXPECT_EQ(80, motion.frameAt(1000).pixels);
    motion.stop();
    EXPECT_EQ(0, motion.frameAt(5000).pixels) << "stopped";
    EXPECT_FALSE(motion.running());

    const struct {
        int step, custom, speed;
    } speeds[] = {{1, 0, 20}, {2, 0, 40}, {3, 0, 60}, {4, 0, 80}, {9, 0, 40},
                  {1, 35, 35}, {4, 2000, 2000}, {3, 2001, 60}, {2, -5, 40}};
    for (const auto& s : speeds)
        EXPECT_EQ(s.speed, smoothSpeedFor(s.step, s.custom)) << s.step << " " << s.custom;
    LaneLook settings;
    settings.smooth = 1;
    settings.speedPx = 300;
    StripLook look = stripLookFor(settings, nullptr);
    EXPECT_EQ(300, look.m_speedPx);
    EXPECT_EQ(StripMode::ColourKeyed, look.mode()) << "a screen that composes no alpha keeps the colour key";
    look.m_alphaComposed = true;
    EXPECT_EQ(StripMode::SmoothAlpha, look.mode());
}

class SmoothEngineTest : public ::testing::Test {
protected:
    void SetUp() override { Font(-16); }
    void Font(int height) {
        LOGFONTA lf{};
        lf.lfHeight = height;
        lf.lfWeight = FW_BOLD;
        lf.lfQuality = ANTIALIASED_QUALITY;
        lstrcpynA(lf.lfFaceName, "Arial", LF_FACESIZE);
        font.reset(CreateFontIndirectA(&lf));
    }
    void Start(const std::string& text, void (*change)(StripLook&) = nullptr) {
        StripLook look;
        look.m_textColor = kText;
        look.m_shadowColor = kShadow;
        look.m_smooth = true;
        look.m_alphaComposed = true;
        if (change) change(look);
        engine.setLook(look, font.get());
        fw::MemoryDC dc(nullptr);
        height = captionHeightFor(true, measureCaptionText(dc.get(), font.get(), "ABC").cy);
        engine.layout(kWidth, height);
        // Shown for one pass, then blank: nothing enters the strip while a test measures it.
        engine.addKirun(1, Wide932(text).c_str(), 5, nullptr);
        engine.removeKirun(1);
    }
    std::vector<DWORD> Frame(int fraction) {
        return testing_support::ReadRawPixels(engine.picture().framePicture(fraction).bitmap());
    }
    // The alpha-weighted mean column of a frame.
    static double Centroid(const std::vector<DWORD>& pixels, int width) {
        double mass = 0, moment = 0;
        for (size_t i = 0; i < pixels.size(); ++i) {
            const double alpha = pixels[i] >> 24;
            mass += alpha;
            moment += alpha * static_cast<double>(i % width);
        }
        return mass > 0 ? moment / mass : -1;
    }

    static constexpr int kWidth = 200;
    fw::Font font;
    testing_support::PictureLane engine;
    int height = 0;
};

// 40 px/s at 60 Hz is 2/3 of a pixel a frame: the text's centre of mass moves by that much at
// every frame, never 1, 1, 0.
TEST_F(SmoothEngineTest, CentroidAdvancesByTheSameFractionEveryFrame) {
    Start("Hi");
    ASSERT_EQ(Lane::Move::kMoved, engine.advance(120));  // the caption wholly in view
    SmoothMotion motion;
    motion.start(0, 600, 40);
    double last = Centroid(Frame(0), kWidth);
    ASSERT_GT(last, 0);
    for (int k = 1; k <= 30; ++k) {
        const SmoothMotion::Frame frame = motion.frameAt(10 * k);
        engine.advance(frame.pixels);
        const double centroid = Centroid(Frame(frame.fraction), kWidth);
        EXPECT_NEAR(-40.0 / 60, centroid - last, 0.02) << "frame " << k;
        last = centroid;
    }
}

// Premultiplied pixels, over nothing and over a band at 60 %: no channel above the alpha, edge
// pixels partly transparent, the ground as it should be; at 48 pixels the shadow lies a
// fifteenth of the height right and down of the text, and the next caption a full-width space on.
TEST_F(SmoothEngineTest, PictureIsPremultipliedWithPartlyTransparentEdges) {
    const struct {
        const char* name;
        void (*change)(StripLook&);
        DWORD ground;
    } cases[] = {
        {"over the desktop", nullptr, 0},
        {"band at 60 %", [](StripLook& l) { l.m_bandOn = true, l.m_bandColor = RGB(0, 0, 255), l.m_bandOpacity = 60; },
         0x99000099},
        {"outline", [](StripLook& l) { l.m_outline = true; }, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Start("Wave", c.change);
        engine.advance(150);
        const std::vector<DWORD> pixels = Frame(SmoothMotion::kFractionSteps / 3);
        ASSERT_EQ(static_cast<size_t>(kWidth) * height, pixels.size());
        int partial = 0;
        for (DWORD p : pixels) {
            const DWORD alpha = p >> 24;
            ASSERT_LE((p >> 16) & 0xFF, alpha);
            ASSERT_LE((p >> 8) & 0xFF, alpha);
            ASSERT_LE(p & 0xFF, alpha);
            if (alpha > (c.ground >> 24) && alpha < 255) ++partial;
        }
        EXPECT_GT(partial, 0);
        EXPECT_EQ(c.ground, pixels[0]) << "top left: ground";
    }

    Font(-48);
    Start("I");
    const testing_support::PixelImage caption = testing_support::ReadBitmap(engine.picture().caption().bitmap());
    fw::MemoryDC dc(nullptr);
    const SIZE text = measureCaptionText(dc.get(), font.get(), "I");
    const int edge = smoothEdgeFor(text.cy);
    EXPECT_GE(edge, 3);
    EXPECT_EQ(caption.lastColumnWith(kText) + edge, caption.lastColumnWith(kShadow));
    const int space = measureCaptionText(dc.get(), font.get(), "\x81\x40").cx;
    EXPECT_GE(engine.captionSize().cx, 2 * edge + text.cx + space);
}

// A caption window of the smooth look runs its frames while nothing else runs on its thread
// but a message box's modal loop; once nothing is on air the frames stop.
TEST(SmoothWindow, FramesGoOnInsideAModalLoopAndStopWhenRollingEnds) {
    LOGFONTA lf{};
    lf.lfHeight = -16;
    lstrcpynA(lf.lfFaceName, "Arial", LF_FACESIZE);
    fw::Font font(CreateFontIndirectA(&lf));
    auto win = std::make_unique<testing_support::StripRig>();
    LaneLook settings;
    settings.smooth = 1;
    settings.speedPx = 2000;
    win->setLook(stripLookFor(settings, font.get()));
    win->start();
    ASSERT_NE(nullptr, win->Hwnd());
    EXPECT_EQ(PacingSource::None, win->pacing()) << "no frames while nothing is on air";
    win->addKirun(1, std::wstring(200, L'W').c_str(), 1, nullptr);  // no pass ends while it is watched
    EXPECT_TRUE(testing_support::WaitUntil([&] { return win->pacing() != PacingSource::None; }, 2000))
        << "the pacing thread chose no source";

    int scrolledBefore = -1, scrolledAfter = -1;
    {
        testing_support::DialogDriver driver;
        std::vector<testing_support::DialogStep> steps{
            testing_support::Check([&](HWND) { scrolledBefore = win->scrollX(); })};
        for (int i = 0; i < 20; ++i) steps.push_back(testing_support::Check([](HWND) { Sleep(5); }));
        steps.push_back(testing_support::Check([&](HWND) { scrolledAfter = win->scrollX(); }));
        steps.push_back(testing_support::Command(IDOK));
        driver.Expect(steps);
        MessageBoxA(nullptr, "modal", "modal", MB_OK);
    }
    EXPECT_GT(scrolledAfter, scrolledBefore + 10) << "the text moved while the box was open";

    // Hidden, the strip draws no frames; the caption moves on by the time elapsed and its frames
    // come back with the strip.
    win->showStrip(false);
    EXPECT_EQ(PacingSource::None, win->pacing()) << "frames while hidden";
    const int hiddenAt = win->scrollX();
    for (int i = 0; i < 5; ++i) win->onScrollTick();
    Sleep(100);
    win->onScrollTick();
    EXPECT_GT(win->scrollX(), hiddenAt) << "the caption stood still while hidden";
    win->showStrip(true);
    EXPECT_TRUE(testing_support::WaitUntil([&] { return win->pacing() != PacingSource::None; }, 2000));

    win->removeKirun(1);
    for (int i = 0; i < 1000 && win->rolling(); ++i) {
        testing_support::PumpMessages();
        Sleep(10);
    }
    EXPECT_FALSE(win->rolling());
    EXPECT_EQ(PacingSource::None, win->pacing()) << "no frames once rolling has ended";
}

}  // namespace

namespace {

// Two lanes of the smooth look, top and bottom, at different speeds: one frame clock paces both,
// each moves at its own speed on the same frames, and the clock runs only for the lanes that
// move and are shown.
TEST(SmoothLanes, OneFrameClockPacesEveryLaneAtItsOwnSpeed) {
    LOGFONTA lf{};
    lf.lfHeight = -16;
    lstrcpynA(lf.lfFaceName, "Arial", LF_FACESIZE);
    fw::Font font(CreateFontIndirectA(&lf));
    testing_support::LanesRig rig(2);
    const int speeds[] = {300, 900};
    for (int number = 1; number <= 2; ++number) {
        LaneLook settings;
        settings.smooth = 1;
        settings.speedPx = speeds[number - 1];
        settings.pos = number - 1;
        ASSERT_TRUE(rig.strips(number).start(stripLookFor(settings, font.get())));
        rig.lane(number).addKirun(1, std::wstring(400, L'W'), 1, nullptr);
    }
    FrameClock& frames = rig.lanes.frames();
    EXPECT_TRUE(frames.running());
    EXPECT_EQ(2, frames.clients());
    const Lane& slow = rig.lane(1).lane;
    const Lane& fast = rig.lane(2).lane;
    const auto pumpUntil = [](const std::function<bool()>& done) {
        return testing_support::WaitUntil([&] { testing_support::PumpMessages(); return done(); }, 5000, 5);
    };
    ASSERT_TRUE(pumpUntil([&] { return slow.position() > 0 && fast.position() > 0; })) << "no lane moved";
    const int slowFrom = slow.position(), fastFrom = fast.position();
    ASSERT_TRUE(pumpUntil([&] { return slow.position() >= slowFrom + 100; }));
    const double ratio = static_cast<double>(fast.position() - fastFrom) / (slow.position() - slowFrom);
    EXPECT_NEAR(3.0, ratio, 0.2) << "each lane at its own speed on the frames of one clock";

    // A hidden lane leaves the clock; the other goes on with it; the clock stops with the last.
    rig.strips(2).showStrips(false);
    EXPECT_EQ(1, frames.clients());
    const int slowHidden = slow.position();
    EXPECT_TRUE(pumpUntil([&] { return slow.position() > slowHidden + 10; })) << "lane 1 stopped with lane 2";
    rig.strips(1).showStrips(false);
    EXPECT_FALSE(frames.running());
}

}  // namespace
