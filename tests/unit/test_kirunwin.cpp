// The caption window created for real and driven tick by tick; pictures read back as pixels.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <functional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "display/BandPixels.h"
#include "display/CaptionDrawing.h"
#include "display/KirunWin.h"
#include "display/OffscreenPicture.h"
#include "display/ScrollGeometry.h"
#include "framework/Gdi.h"
#include "tests/support/GdiCount.h"
#include "tests/support/Pixels.h"
#include "tests/support/StripRig.h"
#include "Cp932.h"

static bool operator==(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }
static void PrintTo(const RECT& r, std::ostream* os) {
    *os << "(" << r.left << "," << r.top << "," << r.right << "," << r.bottom << ")";
}

namespace {

using testing_support::PixelImage;
using testing_support::ReadBitmap;
using testing_support::CountGdiObjects;
using testing_support::StripRig;
using testing_support::kTenthsPerMinute;

constexpr COLORREF kKey = RGB(200, 200, 200);
constexpr COLORREF kText = RGB(255, 0, 0);
constexpr COLORREF kShadow = RGB(0, 128, 0);

HFONT CreateCaptionFont(int height = -16) {
    LOGFONTA lf{};
    lf.lfHeight = height;
    lf.lfWeight = FW_BOLD;
    lf.lfCharSet = SHIFTJIS_CHARSET;
    lstrcpynA(lf.lfFaceName, "ＭＳ Ｐゴシック", LF_FACESIZE);
    return CreateFontIndirectA(&lf);
}

SIZE Measure(HFONT font, const std::string& text) {
    fw::WindowDC screen(nullptr);
    return measureCaptionText(screen.get(), font, text);
}

bool AllKey(const PixelImage& image) {
    return !image.empty() && image.count(kKey) == image.width * image.height;
}

// Columns [x + from, x + width) of the strip equal columns [from, width) of the caption.
::testing::AssertionResult StripShowsCaptionStart(const PixelImage& strip, int x,
                                                  const PixelImage& caption, int width, int from = 0) {
    for (int c = from; c < width; ++c)
        for (int y = 0; y < strip.height; ++y)
            if (strip.at(x + c, y) != caption.at(c, y))
                return ::testing::AssertionFailure() << "differs at strip x " << x + c;
    return ::testing::AssertionSuccess();
}

struct EndCounter : CKirunEndListener {
    StripRig* restartIn = nullptr;  // puts a caption on air again from within the call
    int calls = 0;
    void onAllRollEnd() override {
        ++calls;
        if (restartIn) restartIn->addKirun(7, L"again", 1, nullptr);
    }
};

struct EndRecorder : CKirunListener {
    std::vector<int> ended;
    void onKirunEnd(int index) override { ended.push_back(index); }
};

// The ids of the timers that reach the window while the queue is watched for `ms`. The
// WM_TIMER messages are taken out without being dispatched, so no timer work runs.
std::set<UINT_PTR> TimersFiring(HWND hwnd, DWORD ms = 350) {
    std::set<UINT_PTR> ids;
    const DWORD start = GetTickCount();
    MSG msg;
    do {
        while (PeekMessageA(&msg, hwnd, WM_TIMER, WM_TIMER, PM_REMOVE)) ids.insert(msg.wParam);
        Sleep(10);
    } while (GetTickCount() - start < ms);
    return ids;
}

const std::set<UINT_PTR> kNoWork{};
const std::set<UINT_PTR> kScrolling{CKirunWin::kScrollTimer};
const std::set<UINT_PTR> kOnAir{CKirunWin::kScrollTimer, CKirunWin::kCountDownTimer};

// The scroll and countdown timers among those that fire (the layered timer runs always).
std::set<UINT_PTR> WorkTimers(HWND hwnd) {
    std::set<UINT_PTR> ids = TimersFiring(hwnd);
    ids.erase(CKirunWin::kLayeredTimer);
    return ids;
}

// The caption as a display-compatible bitmap shows it: key colour, shadow one pixel right
// and down, text on top.
PixelImage RenderOnScreenBitmap(HFONT font, const std::string& text, SIZE size) {
    fw::WindowDC screen(nullptr);
    fw::MemoryDC memory(screen.get());
    fw::Bitmap bitmap(CreateCompatibleBitmap(screen.get(), size.cx, size.cy));
    {
        fw::SelectGuard selectBitmap(memory.get(), bitmap.get());
        fw::Brush key(CreateSolidBrush(kKey));
        RECT all{0, 0, size.cx, size.cy};
        FillRect(memory.get(), &all, key.get());
        drawCaption(memory.get(), font, text, kText, kShadow, size.cx, size.cy);
    }
    return testing_support::ReadBitmap(bitmap.get());
}

// A caption window set up as the program does it: appearance first, then start().
class KirunWinTest : public ::testing::Test {
protected:
    void SetUp() override {
        font = CreateCaptionFont();
        win = new StripRig;
        win->setEndListener(&ends);
        StripLook look;
        look.m_font = font;
        look.m_textColor = kText;
        look.m_shadowColor = kShadow;
        look.m_deltaX = 2;
        win->setLook(look);
        win->start();
        ASSERT_NE(nullptr, win->Hwnd());
    }
    void TearDown() override {
        delete win;
        DeleteObject(font);
    }
    RECT Rect() const {
        RECT rc{};
        GetWindowRect(win->Hwnd(), &rc);
        return rc;
    }
    int Width() const { return Rect().right - Rect().left; }
    // The strip's look with `change` made, laid out again.
    void Relook(const std::function<void(StripLook&)>& change) {
        StripLook look = win->look();
        change(look);
        win->setLook(look);
    }
    PixelImage Strip() const { return ReadBitmap(win->stripBitmap()); }
    PixelImage Caption() const { return ReadBitmap(win->captionBitmap()); }
    void TickThroughPass() {
        int ticks = 0;
        do win->onScrollTick();
        while (++ticks < 10000 && win->scrollX() != 0);
    }
    int TickUntilStopped() {
        for (int ticks = 1; ticks <= 10000; ++ticks) {
            win->onScrollTick();
            if (!win->rolling()) return ticks;
        }
        return -1;
    }

    HFONT font = nullptr;
    StripRig* win = nullptr;
    EndCounter ends;
};

TEST_F(KirunWinTest, IsAClickThroughLayeredPopup) {
    HWND hwnd = win->Hwnd();
    EXPECT_EQ(0, GetWindowLongA(hwnd, GWL_STYLE) & WS_BORDER);
    const LONG wanted = WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_TRANSPARENT | WS_EX_TOPMOST;
    EXPECT_EQ(wanted, GetWindowLongA(hwnd, GWL_EXSTYLE) & wanted);
    EXPECT_EQ(static_cast<DWORD>(CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS), GetClassLongA(hwnd, GCL_STYLE));
    COLORREF key = 0;
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(hwnd, &key, &alpha, &flags));
    EXPECT_EQ(kKey, key);
    EXPECT_EQ(200, alpha);
    EXPECT_EQ(static_cast<DWORD>(LWA_COLORKEY | LWA_ALPHA), flags);
}

TEST_F(KirunWinTest, LiesAtTheChosenEdgeWithGapAndInsets) {
    RECT screen{};
    GetWindowRect(GetDesktopWindow(), &screen);
    const int height = Measure(font, "ABC").cy + 2;
    EXPECT_EQ(screen.right, Rect().right);
    EXPECT_EQ(height, Rect().bottom);

    Relook([](StripLook& look) {
        look.m_gap = 15;
        look.m_lgap = 40;
        look.m_rgap = 25;
    });
    EXPECT_EQ((RECT{40, 15, screen.right - 25, 15 + height}), Rect());
    Relook([](StripLook& look) {
        look.m_pos = 1;
        look.m_gap = 0;
        look.m_lgap = -10;  // negative insets widen the strip beyond the screen
    });
    EXPECT_EQ((RECT{-10, screen.bottom - height, screen.right - 25, screen.bottom}), Rect());

    const PixelImage strip = Strip();
    EXPECT_EQ(Width(), strip.width);
    EXPECT_EQ(height, strip.height);
    EXPECT_TRUE(AllKey(strip));
}

TEST_F(KirunWinTest, RendersTextOnItsShadowOverTheKeyColour) {
    const PixelImage blank = Caption();  // nothing on air: two spaces
    EXPECT_EQ(Measure(font, "  ").cx + 2 + 1, blank.width);
    EXPECT_TRUE(AllKey(blank));

    win->addKirun(0, L"ABC", 1, nullptr);
    const SIZE text = Measure(font, "ABC");
    const PixelImage image = Caption();
    EXPECT_EQ(text.cx + 2 + 1, image.width);
    EXPECT_EQ(text.cy + 2, image.height);
    EXPECT_GT(image.count(kText), 20);
    EXPECT_EQ(image.width * image.height, image.count(kText) + image.count(kShadow) + image.count(kKey));
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            if (image.at(x, y) != kShadow) continue;  // the text's shape, one pixel right and down
            ASSERT_TRUE(x >= 1 && y >= 1 && image.at(x - 1, y - 1) == kText) << x << "," << y;
        }
    }
    EXPECT_LT(image.lastColumnWith(kText), text.cx);  // the step + 1 columns after it are blank

    // "&" is text, not a mnemonic prefix that would end the text within the width of "AB".
    win->addKirun(0, L"A&B", 1, nullptr);
    TickThroughPass();
    EXPECT_GE(Caption().lastColumnWith(kText), Measure(font, "AB").cx);
}

TEST_F(KirunWinTest, CaptionPixelsAreThoseADisplayBitmapWouldHold) {
    for (const char* text : {"ABC", "キルンの表示テスト &", ""}) {
        SCOPED_TRACE(text);
        win->addKirun(0, Wide932(text).c_str(), 1, nullptr);
        TickThroughPass();  // the new text is rendered when its pass begins
        TickThroughPass();
        const PixelImage caption = Caption();
        const std::string drawn = *text ? text : "  ";
        const PixelImage reference = RenderOnScreenBitmap(font, drawn, win->captionSize());
        ASSERT_EQ(reference.width, caption.width);
        ASSERT_EQ(reference.height, caption.height);
        EXPECT_TRUE(reference.pixels == caption.pixels);
    }
}

// Once a second the strip's transparency is checked and mended when something changed it.
TEST_F(KirunWinTest, LayeredAttributesAreMendedWhenChangedFromOutside) {
    struct Attributes {
        COLORREF key = 0;
        BYTE alpha = 0;
        DWORD flags = 0;
    };
    auto read = [&] {
        Attributes a;
        GetLayeredWindowAttributes(win->Hwnd(), &a.key, &a.alpha, &a.flags);
        return a;
    };
    const DWORD both = LWA_COLORKEY | LWA_ALPHA;
    for (DWORD flags : {DWORD(LWA_ALPHA), DWORD(LWA_COLORKEY), both}) {
        SetLayeredWindowAttributes(win->Hwnd(), RGB(1, 2, 3), 255, flags);
        SendMessageA(win->Hwnd(), WM_TIMER, CKirunWin::kLayeredTimer, 0);
        Attributes now = read();
        EXPECT_EQ(kKey, now.key) << flags;
        EXPECT_EQ(200, now.alpha) << flags;
        EXPECT_EQ(both, now.flags) << flags;
    }
}

TEST_F(KirunWinTest, NeverTakesTheFocus) {
    HWND other = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 100,
                                 200, 100, nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(other);
    ASSERT_EQ(other, GetActiveWindow());
    win->addKirun(0, L"ABC", 1, nullptr);
    win->updateLayout();
    EXPECT_EQ(other, GetActiveWindow());
    DestroyWindow(other);
}

// m_deltaX as the owner writes it, and the step the strip really moves.
class ScrollStepTest : public KirunWinTest, public ::testing::WithParamInterface<int> {};

TEST_P(ScrollStepTest, CaptionEntersAtTheRightAndFollowsItself) {
    const int step = effectiveScrollStep(GetParam());
    const int chosen = GetParam();
    Relook([chosen](StripLook& look) { look.m_deltaX = chosen; });
    win->addKirun(0, L"ABC", 1, nullptr);
    const PixelImage caption = Caption();
    const int cx = caption.width;
    EXPECT_EQ(Measure(font, "ABC").cx + step + 1, cx);
    const int passTicks = cx / step + 1;
    for (int k = 1; k < passTicks; ++k) {
        win->onScrollTick();
        ASSERT_TRUE(StripShowsCaptionStart(Strip(), Width() - k * step, caption, k * step)) << k;
    }
    win->onScrollTick();  // the last slice copies only the columns the caption has
    EXPECT_EQ(0, win->scrollX());
    const PixelImage strip = Strip();
    EXPECT_TRUE(StripShowsCaptionStart(strip, Width() - passTicks * step, caption, cx));
    for (int x = Width() - passTicks * step + cx; x < Width(); ++x)
        ASSERT_EQ(kKey, strip.at(x, strip.height / 2)) << x;
    win->onScrollTick();  // the next pass starts right after
    EXPECT_TRUE(StripShowsCaptionStart(Strip(), Width() - step, caption, step));
    EXPECT_EQ(GetParam(), win->look().m_deltaX);
}

INSTANTIATE_TEST_SUITE_P(Steps, ScrollStepTest, ::testing::Values(1, 2, 3, 4, 0, -5, 100000));

TEST_F(KirunWinTest, CaptionsTakeTurnsAndRenewalsShowFromTheNextPass) {
    win->addKirun(0, L"A", 1, nullptr);
    win->addKirun(1, L"BB", 1, nullptr);
    win->addKirun(2, L"CCC", 1, nullptr);
    std::vector<std::string> shown{Cp932(win->currentText())};
    for (int i = 0; i < 3; ++i) {
        TickThroughPass();
        shown.push_back(Cp932(win->currentText()));
    }
    win->addKirun(0, L"A2", 5, nullptr);
    EXPECT_EQ(3, win->runList().count());
    TickThroughPass();
    shown.push_back(Cp932(win->currentText()));
    // The first caption starts at once; its pass leaves m_next at the front of the list.
    EXPECT_EQ((std::vector<std::string>{"A", "A", "BB", "CCC", "A2"}), shown);
}

TEST_F(KirunWinTest, RollsOnUntilTheLastCaptionHasLeftThenEndsOnce) {
    EndRecorder listener;
    win->addKirun(4, L"ABC", 1, &listener);
    for (int i = 0; i < 40; ++i) win->onScrollTick();
    for (int i = 0; i < 600; ++i) {
        win->clock.advance(100);  // a tenth of a second has really passed
        SendMessageA(win->Hwnd(), WM_TIMER, CKirunWin::kCountDownTimer, 0);
    }
    EXPECT_EQ(std::vector<int>{4}, listener.ended);
    EXPECT_TRUE(win->runList().empty());
    EXPECT_FALSE(AllKey(Strip()));
    EXPECT_GT(TickUntilStopped(), 0);
    EXPECT_EQ(1, ends.calls);
    EXPECT_TRUE(AllKey(Strip()));

    ValidateRect(win->Hwnd(), nullptr);
    for (int i = 0; i < 50; ++i) SendMessageA(win->Hwnd(), WM_TIMER, CKirunWin::kScrollTimer, 0);
    EXPECT_FALSE(GetUpdateRect(win->Hwnd(), nullptr, FALSE));  // idle: nothing repainted
    EXPECT_EQ(1, ends.calls);

    // Taken off before a single tick, a caption still scrolls out before rolling ends again.
    win->addKirun(5, L"ABCDEFGHIJ", 1, nullptr);
    EXPECT_TRUE(win->rolling());
    EXPECT_TRUE(win->removeKirun(5));
    EXPECT_FALSE(win->removeKirun(5));
    EXPECT_GT(TickUntilStopped(), Width() / 2);
    EXPECT_TRUE(AllKey(Strip()));
    EXPECT_EQ(2, ends.calls);
}

// An appearance change while the last caption drains out restarts it at the right edge; it
// still leaves the strip wholly before rolling ends, whenever the change comes.
TEST_F(KirunWinTest, ALayoutWhileDrainingStillLetsTheCaptionLeaveWholly) {
    // Re-laid out just after the list emptied, and near the end of the caption's pass, when
    // most of the drain is spent.
    for (int columnsLeft : {100000, 12}) {
        win->addKirun(1, L"ABCDEFGHIJKLMNOPQRSTUVWXYZ", 1, nullptr);
        for (int i = 0; i < 30; ++i) win->onScrollTick();
        ASSERT_TRUE(win->removeKirun(1));
        while (win->captionSize().cx - win->scrollX() > columnsLeft) win->onScrollTick();
        ASSERT_EQ(L"ABCDEFGHIJKLMNOPQRSTUVWXYZ", win->currentText());
        win->updateLayout();
        const int callsBefore = ends.calls;
        EXPECT_GT(TickUntilStopped(), 0);
        EXPECT_EQ(callsBefore + 1, ends.calls);
        EXPECT_TRUE(AllKey(Strip())) << "caption still on the strip; columns left " << columnsLeft;
    }
}

// WM_CLOSE from outside (a polite kill, Alt+F4) leaves the strip as it is; only the program
// that owns it ends it.
TEST(KirunWinOwnership, CloseFromOutsideIsIgnored) {
    StripRig rig;
    rig.start();
    HWND hwnd = rig.Hwnd();
    ASSERT_NE(nullptr, hwnd);
    SendMessageA(hwnd, WM_CLOSE, 0, 0);
    PostMessageA(hwnd, WM_CLOSE, 0, 0);
    MSG msg;
    while (PeekMessageA(&msg, hwnd, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    EXPECT_TRUE(IsWindow(hwnd));
    rig.DestroyWindow();
    EXPECT_FALSE(IsWindow(hwnd));
}

TEST_F(KirunWinTest, AnEndListenerMayPutACaptionOnAirAgain) {
    ends.restartIn = win;
    win->addKirun(0, L"A", 1, nullptr);
    win->removeKirun(0);
    for (int i = 0; i < 10000 && ends.calls == 0; ++i) win->onScrollTick();
    EXPECT_EQ(1, ends.calls);
    EXPECT_TRUE(win->rolling());
    EXPECT_EQ(L"again", win->currentText());
}

TEST_F(KirunWinTest, GdiObjectsStayTheSameOverPassesLayoutsAndDestruction) {
    win->addKirun(0, L"warm-up", 1, nullptr);
    TickThroughPass();
    const int before = CountGdiObjects();
    ASSERT_GT(before, 0);
    EndRecorder listener;
    win->addKirun(1, L"短いキルン", 1, &listener);
    win->addKirun(2, L"もう少し長いキルンのテキスト", 2, &listener);
    for (int round = 0; round < 20; ++round) {
        for (int i = 0; i < 100; ++i) {
            win->onScrollTick();
            win->countDown();
        }
        Relook([round](StripLook& look) {
            look.m_deltaX = round % 5;
            look.m_pos = round % 2;
        });
    }
    EXPECT_EQ(before, CountGdiObjects());

    // The object goes, and with it its two pictures (bitmap and DC each) and its copy of the
    // font, made with the glyph quality of the look.
    win->DestroyWindow();
    EXPECT_EQ(before - 5, CountGdiObjects());
}

TEST_F(KirunWinTest, ScrollAndCountDownTimersRunOnlyWhileThereIsWork) {
    HWND hwnd = win->Hwnd();
    EXPECT_EQ(kNoWork, WorkTimers(hwnd)) << "started with nothing on air";

    EndRecorder listener;
    win->addKirun(3, L"ABC", 1, &listener);
    EXPECT_EQ(kOnAir, WorkTimers(hwnd));
    win->addKirun(3, L"ABC renewed", 1, &listener);
    EXPECT_EQ(kOnAir, WorkTimers(hwnd));

    // The caption's time is up: nothing to count down, but it still has to scroll off.
    for (int i = 0; i < kTenthsPerMinute; ++i) win->countDown();
    ASSERT_EQ(std::vector<int>{3}, listener.ended);
    EXPECT_EQ(kScrolling, WorkTimers(hwnd));
    ASSERT_GT(TickUntilStopped(), 0);
    EXPECT_EQ(kNoWork, WorkTimers(hwnd)) << "rolling has ended";

    // Taken off by hand: the same, without the listener.
    win->addKirun(4, L"DEF", 0, nullptr);
    EXPECT_EQ(kOnAir, WorkTimers(hwnd));
    EXPECT_TRUE(win->removeKirun(4));
    EXPECT_EQ(kScrolling, WorkTimers(hwnd));
    win->addKirun(5, L"back while draining", 1, nullptr);
    EXPECT_EQ(kOnAir, WorkTimers(hwnd));
    win->removeKirun(5);
    ASSERT_GT(TickUntilStopped(), 0);
    EXPECT_EQ(kNoWork, WorkTimers(hwnd));
    EXPECT_EQ(2, ends.calls);

    // A caption put on air from within the end of rolling keeps both timers running.
    ends.restartIn = win;
    win->addKirun(6, L"last", 1, nullptr);
    win->removeKirun(6);
    for (int i = 0; i < 10000 && ends.calls < 3; ++i) win->onScrollTick();
    EXPECT_EQ(3, ends.calls);
    ASSERT_TRUE(win->rolling());
    EXPECT_EQ(kOnAir, WorkTimers(hwnd));
}

TEST(KirunWinTimers, CaptionsPutOnAirBeforeStartGetTheirTimersFromStart) {
    HFONT font = CreateCaptionFont();
    {
        StripRig win;
        StripLook look;
        look.m_font = font;
        win.setLook(look);
        win.addKirun(0, L"early", 1, nullptr);
        EXPECT_EQ(nullptr, win.Hwnd()) << "not started yet: no strip, no timers";
        win.start();
        EXPECT_EQ(kOnAir, WorkTimers(win.Hwnd()));
    }
    DeleteObject(font);
}

TEST(OffscreenPictureTest, ReplacesAndReleasesItsBitmapAndKeepsTheKeyColourExact) {
    const int before = CountGdiObjects();
    ASSERT_GT(before, 0);
    {
        OffscreenPicture picture;
        EXPECT_FALSE(picture.create(0, 10));
        EXPECT_FALSE(picture.create(10, -1));
        EXPECT_FALSE(picture);
        ASSERT_TRUE(picture.dc()) << "a DC to measure text in, even without a picture";
        for (int i = 1; i <= 50; ++i) ASSERT_TRUE(picture.create(i, 2 * i)) << i;
        EXPECT_EQ(50, picture.width());
        EXPECT_EQ(100, picture.height());
        fw::Brush key(CreateSolidBrush(kKey));
        RECT all{0, 0, 50, 100};
        FillRect(picture.dc(), &all, key.get());
        SetPixel(picture.dc(), 49, 0, kText);  // top right: rows run from the top
        const PixelImage image = ReadBitmap(picture.bitmap());
        ASSERT_EQ(50, image.width);
        EXPECT_EQ(kText, image.at(49, 0));
        EXPECT_EQ(50 * 100 - 1, image.count(kKey));
        EXPECT_FALSE(picture.create(0, 0)) << "a failed size leaves no picture";
        EXPECT_EQ(nullptr, picture.bitmap());
        EXPECT_TRUE(picture.create(5, 5));
    }
    EXPECT_EQ(before, CountGdiObjects());
}

// ---- Band, outline and separator ----

constexpr COLORREF kBand = RGB(0, 0, 160);
constexpr DWORD kAlphaMask = 0xFF000000;

COLORREF RgbOf(DWORD pixel) { return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF); }

// After every option was on and off again the strip is as it has always been: colour key and
// alpha 200, a blank strip of the key colour, captions as a display bitmap holds them.
TEST_F(KirunWinTest, WithEveryOptionOffAgainTheStripIsAsEver) {
    Relook([](StripLook& look) {
        look.m_bandOn = true, look.m_bandOpacity = 50, look.m_outline = true, look.m_separator = "*";
    });
    win->addKirun(0, L"ABC", 1, nullptr);
    TickThroughPass();
    Relook([](StripLook& look) {
        look.m_bandOn = false, look.m_bandOpacity = 100, look.m_outline = false, look.m_separator.clear();
    });
    EXPECT_TRUE(AllKey(Strip()));
    COLORREF key = 0;
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(win->Hwnd(), &key, &alpha, &flags));
    EXPECT_EQ(kKey, key);
    EXPECT_EQ(200, alpha);
    EXPECT_EQ(static_cast<DWORD>(LWA_COLORKEY | LWA_ALPHA), flags);
    TickThroughPass();  // the caption following itself: no separator
    EXPECT_EQ(Measure(font, "ABC").cx + 3, win->captionSize().cx);
    EXPECT_TRUE(RenderOnScreenBitmap(font, "ABC", win->captionSize()).pixels == Caption().pixels);
}

// A band at each opacity: at 100 % an opaque window without colour key whose pixels the screen
// shows as they are; below, per-pixel alpha in the window's own picture, the band at its
// opacity and the text fully opaque.
TEST_F(KirunWinTest, BandIsOpaqueAtFullOpacityAndTranslucentBelowWithOpaqueText) {
    for (int opacity : {100, 60, 0}) {
        SCOPED_TRACE(opacity);
        Relook([opacity](StripLook& look) {
            look.m_bandOn = true, look.m_bandColor = kBand, look.m_bandOpacity = opacity;
        });
        win->addKirun(0, L"ABC", 1, nullptr);
        TickThroughPass();
        const std::vector<DWORD> raw = testing_support::ReadRawPixels(win->stripBitmap());
        ASSERT_EQ(static_cast<size_t>(Strip().width * Strip().height), raw.size());
        const BYTE alpha = bandAlphaFor(opacity);
        const DWORD band = opacity == 100 ? 0x000000A0 : premultipliedPixel(kBand, alpha);
        int bandPixels = 0, textPixels = 0, others = 0;
        for (DWORD pixel : raw) {
            if (pixel == band) ++bandPixels;
            else if (RgbOf(pixel) == kText || RgbOf(pixel) == kShadow) textPixels += RgbOf(pixel) == kText;
            else ++others;
            if (opacity < 100 && pixel != band) {
                ASSERT_EQ(kAlphaMask, pixel & kAlphaMask) << std::hex << pixel;
            }
        }
        EXPECT_EQ(0, others);
        EXPECT_GT(textPixels, 20);
        EXPECT_GT(bandPixels, static_cast<int>(raw.size()) / 2);

        COLORREF key = 0;
        BYTE windowAlpha = 0;
        DWORD flags = 0;
        const BOOL attributes = GetLayeredWindowAttributes(win->Hwnd(), &key, &windowAlpha, &flags);
        if (opacity == 100) {
            ASSERT_TRUE(attributes);
            EXPECT_EQ(static_cast<DWORD>(LWA_ALPHA), flags);
            EXPECT_EQ(255, windowAlpha);
            UpdateWindow(win->Hwnd());
            const PixelImage screen = testing_support::CaptureScreen(Rect());
            EXPECT_EQ(screen.width * screen.height,
                      screen.count(kBand) + screen.count(kText) + screen.count(kShadow));
            EXPECT_GT(screen.count(kText), 20);
        } else {
            EXPECT_FALSE(attributes) << "a window that takes its alpha from its pixels has no attributes";
        }
        win->removeKirun(0);
        TickUntilStopped();
    }
}

// Every pixel of a glyph has only text or outline around it; without the outline some touch the
// key colour, so the check tells the two apart.
TEST_F(KirunWinTest, OutlineSurroundsEveryGlyphPixelWithTheShadowColour) {
    const std::string text = "ABC Wg キルン";
    for (bool outline : {true, false}) {
        SCOPED_TRACE(outline);
        Relook([outline](StripLook& look) { look.m_outline = outline; });
        win->addKirun(0, Wide932(text).c_str(), 1, nullptr);
        const PixelImage caption = Caption();
        EXPECT_EQ(Measure(font, text).cx + 3 + (outline ? 1 : 0), caption.width);
        int glyphPixels = 0, bare = 0;
        for (int y = 0; y < caption.height; ++y) {
            for (int x = 0; x < caption.width; ++x) {
                if (caption.at(x, y) != kText) continue;
                ++glyphPixels;
                for (int dy = -1; dy <= 1; ++dy) {
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int nx = x + dx, ny = y + dy;
                        const bool inside = nx >= 0 && ny >= 0 && nx < caption.width && ny < caption.height;
                        const COLORREF n = inside ? caption.at(nx, ny) : kKey;
                        if (n != kText && n != kShadow) ++bare;
                    }
                }
            }
        }
        EXPECT_GT(glyphPixels, 50);
        if (outline) {
            EXPECT_EQ(0, bare);
        } else {
            EXPECT_GT(bare, 0);
        }
        win->removeKirun(0);
        TickUntilStopped();
    }
}

// The distance from the ink of one caption to the ink of the next (here a caption following
// itself) grows by the separator's width; the first caption after a blank strip has none.
TEST_F(KirunWinTest, SeparatorStandsBetweenConsecutiveCaptions) {
    std::vector<int> distances;
    for (const std::string separator : {"", "　　", "　◆　"}) {
        SCOPED_TRACE(separator);
        Relook([&separator](StripLook& look) { look.m_separator = separator; });
        win->addKirun(0, L"A", 1, nullptr);
        const PixelImage first = Caption();
        EXPECT_EQ(Measure(font, "A").cx + 3, first.width) << "nothing before the first caption";
        TickThroughPass();
        const PixelImage second = Caption();
        EXPECT_EQ(Measure(font, separator + "A").cx + 3, second.width);
        distances.push_back(first.width - 1 - first.lastColumnWith(kText) + second.firstColumnWith(kText));
        win->removeKirun(0);
        TickUntilStopped();
    }
    EXPECT_EQ(Measure(font, "　　").cx, distances[1] - distances[0]);
    // "◆" is ink: the next caption's first ink is the separator's, within the two spaces' width.
    EXPECT_GT(distances[2], distances[0]);
    EXPECT_LT(distances[2], distances[1]);
}

// ---- Captions of any length and height ----

// `bytes` bytes of `pattern` repeated (whole characters only), then `last`.
std::string RepeatedText(const std::string& pattern, size_t bytes, const std::string& last) {
    std::string text;
    while (text.size() + pattern.size() <= bytes - last.size()) text += pattern;
    return text + pattern.substr(0, bytes - last.size() - text.size()) + last;
}

// A caption many strips long is drawn a piece at a time as it enters: every strip full of it
// holds ink, its last two characters arrive as a display bitmap holds them, and the piece stays
// within the strip's width and a margin. Wine's text calls draw at most 1,024 characters.
TEST_F(KirunWinTest, LongCaptionsAreDrawnWhollyInPiecesAsWideAsTheStrip) {
    const struct {
        LONG fontHeight;
        std::string text;
        size_t tailBytes;  // the last characters compared
        int stripWidth;
    } cases[] = {
        {1000, RepeatedText("あいうえおかきくけこさしすせそ", 1000, "終"), 2, 1200},  // the largest height
        {-16, RepeatedText("0123456789", 2000, "Z"), 4, 600},                          // a file's 2,000 bytes
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fontHeight);
        HFONT captionFont = CreateCaptionFont(c.fontHeight);
        Relook([&](StripLook& look) {
            look.m_font = captionFont;
            look.m_deltaX = kMaxScrollStep;
            look.m_rgap = GetSystemMetrics(SM_CXSCREEN) - c.stripWidth;
        });
        ASSERT_EQ(c.stripWidth, Width());
        win->addKirun(0, Wide932(c.text).c_str(), 1, nullptr);
        const int step = win->scrollStepWidth();
        const int textWidth = win->captionSize().cx - step - 1;
        ASSERT_GT(textWidth, 20 * c.stripWidth);

        // After k ticks caption columns [0, k * step) fill the strip's right end.
        int k = 0;
        for (int stretch = 1; stretch * c.stripWidth <= textWidth; ++stretch) {
            while (k * step < stretch * c.stripWidth) win->onScrollTick(), ++k;
            const PixelImage strip = Strip();
            ASSERT_GT(strip.count(kText), 0) << "a blank strip " << stretch << " strips into the caption";
            const PixelImage piece = Caption();
            ASSERT_LE(piece.width, c.stripWidth + StripPicture::kPieceMargin);
            ASSERT_EQ(strip.height, piece.height);
        }
        while (k * step < textWidth + 2) win->onScrollTick(), ++k;  // the shadow too
        const std::string tail = c.text.substr(c.text.size() - c.tailBytes);
        const int tailWidth = Measure(captionFont, tail).cx;
        const PixelImage strip = Strip();
        const PixelImage reference = RenderOnScreenBitmap(captionFont, tail, SIZE{tailWidth + 3, strip.height});
        const int tailX = Width() - k * step + textWidth - tailWidth;
        ASSERT_GE(tailX, 0);
        // The tail's first column may hold the shadow of the glyph before it.
        EXPECT_TRUE(StripShowsCaptionStart(strip, tailX, reference, tailWidth + 2, 1));
        EXPECT_GT(reference.count(kText), 0);

        win->removeKirun(0);
        TickUntilStopped();
        Relook([this](StripLook& look) { look.m_font = font; });
        DeleteObject(captionFont);
    }
}

}  // namespace
