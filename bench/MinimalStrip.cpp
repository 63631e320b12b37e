// The simplest program that shows what Kirunner shows: a colour-keyed, click-through, topmost
// layered strip across the top of the screen in which one caption scrolls right to left,
// redrawn whole on every 50 ms tick. The CPU benchmark sets Kirunner beside it.
//
// Usage: MinimalStrip TEXTFILE STEP [idle|reapply]
//   TEXTFILE  the caption, code page 932 bytes on one line
//   STEP      pixels per tick (1-4 in Kirunner)
//   idle      draw the caption once and never repaint (no timer)
//   reapply   also set the layered attributes again every second, as Kirunner's timer 103 does
// Runs until it is ended from outside, or after an hour.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr COLORREF kKey = RGB(200, 200, 200);
constexpr UINT_PTR kScrollTimer = 1;
constexpr UINT_PTR kLifetimeTimer = 2;
constexpr UINT_PTR kReapplyTimer = 3;
constexpr UINT kReapplyPeriod = 1000;
constexpr UINT kScrollPeriod = 50;
constexpr DWORD kLifetimeMs = 60 * 60 * 1000;
constexpr size_t kMaxTextBytes = 4096;

struct Strip {
    std::string text;
    HFONT font = nullptr;
    int step = 1;
    int offset = 0;  // left edge of the first caption copy, from the strip's left edge
    int period = 1;  // caption width plus the gap before the next copy
};
Strip g_strip;

void Paint(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    if (!dc) return;
    RECT client;
    GetClientRect(hwnd, &client);
    HBRUSH key = CreateSolidBrush(kKey);
    if (key) {
        FillRect(dc, &client, key);
        DeleteObject(key);
    }
    HGDIOBJ oldFont = SelectObject(dc, g_strip.font);
    SetBkMode(dc, TRANSPARENT);
    const int length = static_cast<int>(g_strip.text.size());
    for (int left = g_strip.offset; left < client.right; left += g_strip.period) {
        RECT shadow{left + 1, 2, left + g_strip.period + 1, client.bottom};
        RECT face{left, 1, left + g_strip.period, client.bottom - 1};
        SetTextColor(dc, RGB(0, 0, 0));
        DrawTextA(dc, g_strip.text.data(), length, &shadow, DT_SINGLELINE | DT_NOPREFIX);
        SetTextColor(dc, RGB(255, 255, 255));
        DrawTextA(dc, g_strip.text.data(), length, &face, DT_SINGLELINE | DT_NOPREFIX);
    }
    SelectObject(dc, oldFont);
    EndPaint(hwnd, &ps);
}

LRESULT CALLBACK StripProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_PAINT:
        Paint(hwnd);
        return 0;
    case WM_TIMER:
        if (wp == kScrollTimer) {
            g_strip.offset -= g_strip.step;
            if (g_strip.offset <= -g_strip.period) g_strip.offset += g_strip.period;
            InvalidateRect(hwnd, nullptr, FALSE);
        } else if (wp == kReapplyTimer) {
            SetLayeredWindowAttributes(hwnd, kKey, 200, LWA_COLORKEY | LWA_ALPHA);
        } else if (wp == kLifetimeTimer) {
            DestroyWindow(hwnd);
        }
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(hwnd, msg, wp, lp);
    }
}

bool ReadText(const char* path, std::string& text) {
    FILE* file = std::fopen(path, "rb");
    if (!file) return false;
    char buffer[kMaxTextBytes];
    const size_t read = std::fread(buffer, 1, sizeof buffer, file);
    std::fclose(file);
    text.assign(buffer, read);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    return !text.empty();
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const int argc = __argc;
    char** const argv = __argv;
    if (argc < 3 || !ReadText(argv[1], g_strip.text)) {
        std::fprintf(stderr, "usage: MinimalStrip TEXTFILE STEP [idle]\n");
        return 2;
    }
    const long step = std::strtol(argv[2], nullptr, 10);
    g_strip.step = step >= 1 && step <= 64 ? static_cast<int>(step) : 1;
    const std::string variant = argc > 3 ? argv[3] : "";
    const bool idle = variant == "idle";

    LOGFONTA lf{};
    lf.lfHeight = -16;
    lf.lfWeight = FW_BOLD;
    lf.lfCharSet = SHIFTJIS_CHARSET;
    lstrcpynA(lf.lfFaceName, "ＭＳ Ｐゴシック", LF_FACESIZE);
    g_strip.font = CreateFontIndirectA(&lf);

    SIZE size{0, 0};
    HDC screen = GetDC(nullptr);
    HGDIOBJ old = SelectObject(screen, g_strip.font);
    GetTextExtentPoint32A(screen, g_strip.text.data(), static_cast<int>(g_strip.text.size()), &size);
    SelectObject(screen, old);
    ReleaseDC(nullptr, screen);
    g_strip.period = size.cx + g_strip.step + 1;
    const int width = GetSystemMetrics(SM_CXSCREEN);
    g_strip.offset = width;

    WNDCLASSA wc{};
    wc.lpfnWndProc = StripProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "MinimalStrip";
    if (!RegisterClassA(&wc)) return 1;
    HWND hwnd = CreateWindowExA(WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_TRANSPARENT | WS_EX_TOPMOST,
                                wc.lpszClassName, "", WS_POPUP, 0, 0, width, size.cy + 2, nullptr,
                                nullptr, wc.hInstance, nullptr);
    if (!hwnd) return 1;
    SetLayeredWindowAttributes(hwnd, kKey, 200, LWA_COLORKEY | LWA_ALPHA);
    if (idle) g_strip.offset = 0;  // the caption stands still, drawn once
    ShowWindow(hwnd, SW_SHOWNOACTIVATE);
    UpdateWindow(hwnd);
    if (!idle) SetTimer(hwnd, kScrollTimer, kScrollPeriod, nullptr);
    if (variant == "reapply") SetTimer(hwnd, kReapplyTimer, kReapplyPeriod, nullptr);
    SetTimer(hwnd, kLifetimeTimer, kLifetimeMs, nullptr);

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
    if (g_strip.font) DeleteObject(g_strip.font);
    return 0;
}
