// The smooth look on a screen with a compositing manager (tests/support/composited-screen.sh):
// the strip is shown with per-pixel alpha, keeps its window styles, moves, and where the screen
// composes it, its glyph edges blend with a busy picture beneath.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <set>
#include <string>

#include "KirunnerProcess.h"
#include "PageParent.h"
#include "TempDir.h"
#include "resource.h"

using namespace testing_support;

namespace {

constexpr COLORREF kStripeA = RGB(255, 200, 0);
constexpr COLORREF kStripeB = RGB(0, 80, 255);
constexpr int kStripe = 3;  // pixels

COLORREF StripeAt(int x) { return (x / kStripe) % 2 ? kStripeB : kStripeA; }

void PumpFor(DWORD ms) {
    const DWORD start = GetTickCount();
    do {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        Sleep(10);
    } while (GetTickCount() - start < ms);
}

LRESULT CALLBACK StripesProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg != WM_PAINT) return DefWindowProcA(hwnd, msg, wp, lp);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd, &paint);
    RECT client;
    GetClientRect(hwnd, &client);
    for (int x = 0; x < client.right; x += kStripe) {
        HBRUSH brush = CreateSolidBrush(StripeAt(x));
        RECT stripe{x, 0, x + kStripe, client.bottom};
        FillRect(dc, &stripe, brush);
        DeleteObject(brush);
    }
    EndPaint(hwnd, &paint);
    return 0;
}

// A window of vertical stripes along the top of the screen, under the strip.
class Stripes {
public:
    Stripes() {
        WNDCLASSA cls{};
        cls.lpfnWndProc = StripesProc;
        cls.hInstance = GetModuleHandleA(nullptr);
        cls.lpszClassName = "KirunnerTestStripes";
        RegisterClassA(&cls);
        m_hwnd = CreateWindowExA(0, cls.lpszClassName, "", WS_POPUP | WS_VISIBLE, 0, 0,
                                 GetSystemMetrics(SM_CXSCREEN), 120, nullptr, nullptr, cls.hInstance, nullptr);
        PumpFor(300);
    }
    ~Stripes() { DestroyWindow(m_hwnd); }
    Stripes(const Stripes&) = delete;
    Stripes& operator=(const Stripes&) = delete;
    HWND hwnd() const { return m_hwnd; }

private:
    HWND m_hwnd = nullptr;
};

TEST(ComposedScreen, SmoothStripBlendsItsGlyphEdgesWithTheBusyPictureBeneath) {
    Stripes stripes;
    ASSERT_TRUE(stripes.hwnd());
    TempDir dir;
    WriteFileBytes(dir.file("Kirunner.ini"), SettingsText({{"WWWWWWWW", 5}}, "SMOOTH=1\r\nSPEEDPX=50\r\n"));
    KirunnerProcess program;
    ASSERT_TRUE(program.Start(dir.path(), "-S1"));
    HWND strip = program.StripWindow(20000);
    ASSERT_TRUE(strip);
    RECT area{};
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(strip) && GetWindowRect(strip, &area) && area.right > area.left &&
                                       (GetWindowLongA(strip, GWL_EXSTYLE) & WS_EX_TOPMOST); }, 20000))
        << "the strip was never laid out";
    const LONG wanted = WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
    EXPECT_EQ(wanted, GetWindowLongA(strip, GWL_EXSTYLE) & wanted);
    // A window shown with UpdateLayeredWindow has no layered attributes.
    COLORREF key = 0;
    BYTE alpha = 0;
    DWORD flags = 0;
    EXPECT_FALSE(GetLayeredWindowAttributes(strip, &key, &alpha, &flags)) << "the colour-keyed strip was shown";

    PumpFor(3000);  // the caption well inside the strip
    const PixelImage first = CaptureScreen(area);
    PumpFor(400);
    const PixelImage later = CaptureScreen(area);
    ASSERT_FALSE(first.empty());
    EXPECT_NE(first.pixels, later.pixels) << "the caption did not move";

    // Left of the caption, the strip is wholly transparent: composed, the stripes show there.
    bool composed = true;
    for (int x = 0; x < 100 && composed; ++x) composed = later.at(x, later.height / 2) == StripeAt(area.left + x);
    if (!composed) GTEST_SKIP() << "this screen does not compose per-pixel alpha (the strip's clear pixels read back as "
                                << std::hex << later.at(10, later.height / 2) << ")";
    // Composed: the caption's pixels are text, shadow and stripes, and at its glyph edges blends
    // of them, which a colour key cannot show.
    const std::set<COLORREF> plain{kStripeA, kStripeB, RGB(255, 255, 255), RGB(0, 0, 0)};
    int blends = 0;
    for (COLORREF pixel : later.pixels) blends += plain.count(pixel) ? 0 : 1;
    EXPECT_GT(blends, 0);
    PostMessageA(program.MainWindow(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.WaitForExit(20000));
}

// The largest caption a settings file may ask for, in the smooth look: its frames may take longer
// than a refresh, yet display times follow the clock and the page answers a click at once.
TEST(ComposedScreen, ALargeSmoothCaptionNeitherStretchesDisplayTimesNorKeepsThePageWaiting) {
    TempDir dir;
    WriteFileBytes(dir.file("Kirunner.ini"),
                   SettingsText({{"WWWWWWWWWWWWWWWW", 1}},
                                "SMOOTH=1\r\nSIZE=3\r\nFONTFACENAME=ＭＳ Ｐゴシック\r\nFONTHEIGHT=-400\r\n"));
    KirunnerProcess program;
    ASSERT_TRUE(program.Start(dir.path(), "-S1"));
    HWND main = program.MainWindow(20000);
    HWND strip = program.StripWindow(20000);
    ASSERT_TRUE(main && strip);
    HWND list = GetDlgItem(ControlPage(main), IDC_CAPTION_LIST);
    const auto timeLeft = [&] {
        const auto rows = ReadListView(list, 5);
        return rows.empty() ? std::string() : rows[0][4];
    };
    ASSERT_TRUE(WaitUntil([&] { return !timeLeft().empty(); }, 20000)) << "the caption never went on air";
    const ULONGLONG start = GetTickCount64();
    const std::string first = timeLeft();
    PumpFor(20000);
    const std::string later = timeLeft();
    const double elapsed = static_cast<double>(GetTickCount64() - start) / 1000;
    auto seconds = [](const std::string& text) { return std::stoi(text.substr(0, text.find(':'))) * 60 + std::stoi(text.substr(text.find(':') + 1)); };
    ASSERT_FALSE(later.empty()) << "a one-minute caption ended within twenty seconds";
    const int counted = seconds(first) - seconds(later);
    std::printf("in %.1f s of the clock the caption's time left went from %s to %s\n", elapsed, first.c_str(), later.c_str());
    // The column shows whole seconds, rounded up: within one and a half of the clock.
    EXPECT_GE(counted, elapsed - 1.5) << "the display time fell behind the clock";

    const ULONGLONG clicked = GetTickCount64();
    PostClick(ControlPage(main), IDC_DISPLAY_OFF);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(strip); }, 20000));
    const ULONGLONG answered = GetTickCount64() - clicked;
    std::printf("a click on 表示OFF answered in %llu ms\n", answered);
    EXPECT_LT(answered, 1000u) << "a generous bound for a loaded machine";
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.WaitForExit(20000));
}

}  // namespace
