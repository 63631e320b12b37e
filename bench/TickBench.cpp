// Microseconds per scroll tick of the real caption window, beside the bare cost of one block
// copy of its strip bitmap (the floor) and a naive scroller that redraws the whole text into
// the strip on every tick. Prints figures; judges nothing.
//
// Usage: TickBench [ticks-per-round] [rounds]    (defaults 2000 and 5)
// The screen must be at least as wide as the widest strip measured (3840 pixels); narrower
// screens skip the strips that do not fit.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "framework/Mbcs.h"
#include "framework/WideText.h"
#include "bench/BenchClock.h"
#include "bench/BenchText.h"
#include "display/CaptionDrawing.h"
#include "display/KirunWin.h"
#include "tests/support/StripRig.h"
#include "display/OffscreenPicture.h"
#include "framework/Gdi.h"
#include "model/AppearanceRules.h"
#include "model/LaneLook.h"

namespace {

constexpr int kNormalSize = 1;        // the size choice "普通"
constexpr int kCaptionPixels = 300;  // width of the caption text of the speed table

struct Config {
    int ticks = 2000;
    int rounds = 5;
};

// The font the control page makes for the size "普通" with the default face.
HFONT CreateCaptionFont() {
    LOGFONTA lf = defaultCaptionFont();
    applyFontChoice(lf, kNormalSize);
    return CreateFontIndirectA(&lf);
}

int TextWidth(HFONT font, const std::string& text) {
    fw::WindowDC screen(nullptr);
    return measureCaptionText(screen.get(), font, text).cx;
}

// Caption text at least `pixels` wide, whole characters only.
std::string TextOfWidth(HFONT font, int pixels) {
    std::string text;
    for (int bytes = 2; bytes <= 4000; bytes += 2) {
        text = bench::CaptionBytes(static_cast<size_t>(bytes));
        if (TextWidth(font, text) >= pixels) break;
    }
    return text;
}

void DrainMessages() {
    MSG msg;
    for (int i = 0; i < 1000 && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++i)
        DispatchMessageA(&msg);
}

// A real caption window, laid out as the control page does it, `stripWidth` wide at the top
// left of the screen, with one caption on air.
class Strip {
public:
    // `options` sets the band, outline or separator of the look; null leaves them off.
    Strip(HFONT font, int stripWidth, int step, const std::string& text, void (*options)(StripLook&) = nullptr)
        : m_rig(std::make_unique<testing_support::StripRig>()) {
        const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
        StripLook look;
        look.m_font = font;
        look.m_rgap = screenWidth - stripWidth;
        look.m_deltaX = step;
        if (options) options(look);
        m_rig->setLook(look);
        m_rig->start();  // the loop is the clock: no message is taken while it runs
        m_rig->addKirun(0, fw::WideFromCodePage932(text).c_str(), 60000, nullptr);
        ValidateRect(m_rig->Hwnd(), nullptr);
    }
    ~Strip() {
        m_rig.reset();
        DrainMessages();
    }
    Strip(const Strip&) = delete;
    Strip& operator=(const Strip&) = delete;

    // One scroll step, as timer 101 makes it.
    void tick() { m_rig->lane.onScrollTick(m_rig->scrollStepWidth()); }
    // Timer 102's work: every caption on air counts down.
    void countDown() { m_rig->lane.onCountDownTick(); }
    // `count` captions more in the cycle, as data sources' items are (no display time), each
    // `text` with its number.
    void addSourceItems(int count, const std::string& text) {
        std::vector<std::pair<CaptionId, std::wstring>> items;
        for (int i = 0; i < count; ++i)
            items.emplace_back(caption_ids::kFirstSource + static_cast<CaptionId>(i),
                               std::to_wstring(i + 1) + L" " + fw::WideFromCodePage932(text));
        m_rig->lane.addCaptions(items, 0);
    }
    CKirunWin& win() { return *m_rig->first(); }
    HWND hwnd() const { return m_rig->Hwnd(); }

private:
    std::unique_ptr<testing_support::StripRig> m_rig;
};

double TickMicros(Strip& strip, const Config& config) {
    for (int i = 0; i < config.ticks / 10; ++i) strip.tick();  // warm up
    return bench::MedianMicros(config.rounds, config.ticks, [&] { strip.tick(); });
}

// Each tick painted to the screen at once, as WM_PAINT after the invalidation would.
double PaintedTickMicros(Strip& strip, const Config& config) {
    const int ticks = config.ticks / 10 > 0 ? config.ticks / 10 : 1;
    HWND hwnd = strip.hwnd();
    return bench::MedianMicros(config.rounds, ticks, [&] {
        strip.tick();
        UpdateWindow(hwnd);
    });
}

// A picture of the strip's size and kind (32-bit DIB section kept in its own memory DC). The
// strip's own bitmap stays selected in the window's memory DC and cannot be selected elsewhere.
bool MakeStripLike(Strip& strip, OffscreenPicture& picture) {
    HBITMAP bitmap = strip.win().stripBitmap();
    BITMAP info{};
    if (!bitmap || !GetObjectA(bitmap, sizeof info, &info)) return false;
    return picture.create(info.bmWidth, info.bmHeight) && picture.dc();
}

// One block copy of a strip-sized picture within itself, a tick's move with nothing around it.
double FloorMicros(Strip& strip, int step, const Config& config) {
    OffscreenPicture picture;
    if (!MakeStripLike(strip, picture)) return -1.0;
    HDC m = picture.dc();
    const int width = picture.width();
    const int height = picture.height();
    return bench::MedianMicros(config.rounds, config.ticks, [&] {
        BitBlt(m, 0, 0, width - step, height, m, step, 0, SRCCOPY);
    });
}

// The simplest scroller: every tick fills a strip-sized picture with the key colour and draws
// the whole caption (shadow, then text) at its new place.
double NaiveMicros(Strip& strip, HFONT font, const std::string& text, int step,
                   const Config& config) {
    OffscreenPicture picture;
    if (!MakeStripLike(strip, picture)) return -1.0;
    HDC m = picture.dc();
    const int width = picture.width();
    const int height = picture.height();
    const int textWidth = TextWidth(font, text);
    const int period = textWidth + step + 1;
    int x = width;
    fw::Brush key(CreateSolidBrush(RGB(200, 200, 200)));
    return bench::MedianMicros(config.rounds, config.ticks, [&] {
        RECT all{0, 0, width, height};
        FillRect(m, &all, key.get());
        for (int left = x; left < width; left += period) {
            SetViewportOrgEx(m, left, 0, nullptr);
            drawCaption(m, font, text, RGB(255, 255, 255), RGB(0, 0, 0), period, height);
        }
        SetViewportOrgEx(m, 0, 0, nullptr);
        x -= step;
        if (x <= -period) x += period;
    });
}

void PrintSpeedTable(HFONT font, const Config& config) {
    const std::string text = TextOfWidth(font, kCaptionPixels);
    std::printf("\nStrip 1920 px, caption %d px (%zu bytes); microseconds per tick, median of %d "
                "rounds of %d ticks\n",
                TextWidth(font, text), text.size(), config.rounds, config.ticks);
    std::printf("%-6s %10s %10s %10s %12s %12s %14s\n", "speed", "tick", "floor", "naive",
                "tick/floor", "naive/tick", "tick+paint");
    for (int step = 1; step <= 4; ++step) {
        Strip strip(font, 1920, step, text);
        const double tick = TickMicros(strip, config);
        const double painted = PaintedTickMicros(strip, config);
        const double floor = FloorMicros(strip, step, config);
        const double naive = NaiveMicros(strip, font, text, step, config);
        std::printf("%-6d %10.2f %10.2f %10.2f %12.2f %12.2f %14.2f\n", step, tick, floor, naive,
                    tick / floor, naive / tick, painted);
        std::fflush(stdout);
    }
}

// What a tick spends around its two block copies: each platform call it makes, alone.
void PrintPartsTable(HFONT font, const Config& config) {
    const std::string text = TextOfWidth(font, kCaptionPixels);
    Strip strip(font, 1920, 2, text);
    HWND hwnd = strip.hwnd();
    // A free-standing bitmap of the strip's size and kind: one already held by a DC cannot be
    // selected into another.
    BITMAP stripInfo{};
    GetObjectA(strip.win().stripBitmap(), sizeof stripInfo, &stripInfo);
    BITMAPINFO dib{};
    dib.bmiHeader.biSize = sizeof dib.bmiHeader;
    dib.bmiHeader.biWidth = stripInfo.bmWidth;
    dib.bmiHeader.biHeight = -stripInfo.bmHeight;
    dib.bmiHeader.biPlanes = 1;
    dib.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    fw::Bitmap free(CreateDIBSection(nullptr, &dib, DIB_RGB_COLORS, &bits, nullptr, 0));
    HBITMAP bitmap = free.get();
    std::printf("\nParts of a tick, microseconds per call (strip 1920 px)\n");
    const double getDC = bench::MedianMicros(config.rounds, config.ticks, [&] {
        fw::WindowDC dc(hwnd);
    });
    const double invalidate = bench::MedianMicros(config.rounds, config.ticks, [&] {
        InvalidateRect(hwnd, nullptr, TRUE);
    });
    fw::WindowDC windowDC(hwnd);
    const double memoryFromWindow = bench::MedianMicros(config.rounds, config.ticks, [&] {
        fw::MemoryDC memory(windowDC.get());
    });
    const double memoryFromScreen = bench::MedianMicros(config.rounds, config.ticks, [&] {
        fw::MemoryDC memory(nullptr);
    });
    fw::MemoryDC memory(windowDC.get());
    const double select = bench::MedianMicros(config.rounds, config.ticks, [&] {
        fw::SelectGuard guard(memory.get(), bitmap);
    });
    std::printf("%-44s %10.2f\n", "GetDC + ReleaseDC of the window", getDC);
    std::printf("%-44s %10.2f\n", "InvalidateRect of the window", invalidate);
    std::printf("%-44s %10.2f\n", "CreateCompatibleDC(window DC) + DeleteDC", memoryFromWindow);
    std::printf("%-44s %10.2f\n", "CreateCompatibleDC(nullptr) + DeleteDC", memoryFromScreen);
    std::printf("%-44s %10.2f\n", "SelectObject of a strip-sized DIB, and back", select);
    std::fflush(stdout);
}

void PrintWidthTable(HFONT font, const Config& config) {
    const std::string text = TextOfWidth(font, kCaptionPixels);
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    std::printf("\nSpeed 2, caption %zu bytes; by strip width (screen %d px)\n", text.size(),
                screenWidth);
    std::printf("%-8s %10s %10s %12s\n", "width", "tick", "floor", "tick/floor");
    for (int width : {640, 1280, 1920, 3840}) {
        if (width > screenWidth) {
            std::printf("%-8d skipped: wider than the screen\n", width);
            continue;
        }
        Strip strip(font, width, 2, text);
        const double tick = TickMicros(strip, config);
        const double floor = FloorMicros(strip, 2, config);
        std::printf("%-8d %10.2f %10.2f %12.2f\n", width, tick, floor, tick / floor);
        std::fflush(stdout);
    }
}

void PrintTextTable(HFONT font, const Config& config) {
    std::printf("\nSpeed 2, strip 1920 px; by caption length\n");
    std::printf("%-8s %10s %10s %10s %12s\n", "bytes", "pixels", "tick", "floor", "tick/floor");
    for (size_t bytes : {10, 100, 1000, 2000}) {
        const std::string text = bench::CaptionBytes(bytes);
        Strip strip(font, 1920, 2, text);
        const double tick = TickMicros(strip, config);
        const double floor = FloorMicros(strip, 2, config);
        std::printf("%-8zu %10d %10.2f %10.2f %12.2f\n", bytes, TextWidth(font, text), tick,
                    floor, tick / floor);
        std::fflush(stdout);
    }
}

// The tick with each option of the look, a pass's rendering of the caption included (the tick
// that ends a pass renders the next one). A translucent band hands its picture to the screen
// within the tick (UpdateLayeredWindow), so its "tick" is already a painted tick.
void PrintLookTable(HFONT font, const Config& config) {
    const std::string text = TextOfWidth(font, kCaptionPixels);
    const struct {
        const char* name;
        void (*options)(StripLook&);
    } looks[] = {
        {"transparent (default)", nullptr},
        {"outline", [](StripLook& l) { l.m_outline = true; }},
        {"separator", [](StripLook& l) { l.m_separator = "\x81\x40\x81\x9f\x81\x40"; }},
        {"band 100%", [](StripLook& l) { l.m_bandOn = true; }},
        {"band 100% + outline", [](StripLook& l) { l.m_bandOn = true, l.m_outline = true; }},
        {"band 60%", [](StripLook& l) { l.m_bandOn = true, l.m_bandOpacity = 60; }},
    };
    std::printf("\nSpeed 2, strip 1920 px, caption %d px; microseconds per tick by look, median of %d "
                "rounds of %d ticks (a pass is %d ticks)\n",
                TextWidth(font, text), config.rounds, config.ticks, (TextWidth(font, text) + 3) / 2 + 1);
    std::printf("%-24s %10s %12s %14s\n", "look", "tick", "tick/default", "tick+paint");
    double plain = 0;
    for (const auto& look : looks) {
        Strip strip(font, 1920, 2, text, look.options);
        const double tick = TickMicros(strip, config);
        const double painted = PaintedTickMicros(strip, config);
        if (plain == 0) plain = tick;
        std::printf("%-24s %10.2f %12.2f %14.2f\n", look.name, tick, tick / plain, painted);
        std::fflush(stdout);
    }
}

// The tick with the cycle of 16 data sources of 500 items each on air, against one caption.
void PrintSourcesTable(HFONT font, const Config& config) {
    const std::string text = TextOfWidth(font, kCaptionPixels);
    std::printf("\nSpeed 2, strip 1920 px, captions of %d px; microseconds per call by captions on air, median of %d "
                "rounds of %d calls\n",
                TextWidth(font, text), config.rounds, config.ticks);
    std::printf("%-34s %10s %16s\n", "on air", "tick", "count-down tick");
    const struct {
        const char* name;
        int sourceItems;
    } cases[] = {{"one caption", 0}, {"16 sources x 500 items (+1)", 16 * 500}};
    for (const auto& c : cases) {
        Strip strip(font, 1920, 2, text);
        strip.addSourceItems(c.sourceItems, text);
        const double tick = TickMicros(strip, config);
        const double countDown = bench::MedianMicros(config.rounds, config.ticks, [&] { strip.countDown(); });
        std::printf("%-34s %10.2f %16.2f\n", c.name, tick, countDown);
        std::fflush(stdout);
    }
}

int PositiveArg(int argc, char** argv, int at, int fallback) {
    if (argc <= at) return fallback;
    const long value = std::strtol(argv[at], nullptr, 10);
    return value > 0 && value <= 1000000 ? static_cast<int>(value) : fallback;
}

}  // namespace

int main(int argc, char** argv) {
    Config config;
    config.ticks = PositiveArg(argc, argv, 1, config.ticks);
    config.rounds = PositiveArg(argc, argv, 2, config.rounds);

    fw::Font font(CreateCaptionFont());
    if (!font) {
        std::printf("TickBench: no caption font\n");
        return 1;
    }
    std::printf("Screen %d x %d\n", GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    PrintSourcesTable(font.get(), config);
    PrintSpeedTable(font.get(), config);
    PrintLookTable(font.get(), config);
    PrintPartsTable(font.get(), config);
    PrintWidthTable(font.get(), config);
    PrintTextTable(font.get(), config);
    return 0;
}
