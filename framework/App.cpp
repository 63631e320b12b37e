#include "framework/App.h"
#include "framework/SystemLibrary.h"

#include <string>

#include "framework/Gdi.h"

namespace fw {
namespace {
std::string g_title = "Kirunner";
HWND g_mainWindow = nullptr;
}  // namespace

HINSTANCE Instance() { return GetModuleHandleA(nullptr); }

std::wstring ProgramFilePath() {
    // The name is cut to the buffer when it does not fit: grow until it does, up to the
    // longest path the system has.
    const DWORD kLongestPath = 32768;
    for (DWORD size = MAX_PATH; size <= kLongestPath; size *= 2) {
        std::wstring path(size, L'\0');
        DWORD length = GetModuleFileNameW(nullptr, &path[0], size);
        if (length == 0) return std::wstring();
        if (length < size) {
            path.resize(length);
            return path;
        }
    }
    return std::wstring();
}

const char* AppTitle() { return g_title.c_str(); }
void SetAppTitle(const char* title) { g_title = title ? title : ""; }

HWND MainWindow() { return g_mainWindow && IsWindow(g_mainWindow) ? g_mainWindow : nullptr; }
void SetMainWindow(HWND hwnd) { g_mainWindow = hwnd; }

int LogPixelsY() {
    WindowDC dc(MainWindow());
    int dpi = dc ? GetDeviceCaps(dc.get(), LOGPIXELSY) : 0;
    return dpi > 0 ? dpi : kDefaultDpi;
}

int WindowDpi(HWND hwnd) {
    typedef UINT(WINAPI * GetDpiForWindowFunction)(HWND);
    static const GetDpiForWindowFunction getDpiForWindow =
        BindFunction<GetDpiForWindowFunction>(GetModuleHandleA("user32.dll"), "GetDpiForWindow");
    const UINT dpi = hwnd && getDpiForWindow ? getDpiForWindow(hwnd) : 0;
    return dpi > 0 ? static_cast<int>(dpi) : LogPixelsY();
}

int ScaledForWindow(HWND hwnd, int pixels) { return MulDiv(pixels, WindowDpi(hwnd), kDefaultDpi); }

int PixelsToPointsAt(int pixels, int logPixelsY) { return MulDiv(pixels, kPointsPerInch, logPixelsY); }
int PointsToPixelsAt(int points, int logPixelsY) { return MulDiv(points, logPixelsY, kPointsPerInch); }

int PixelsToPoints(int pixels) { return PixelsToPointsAt(pixels, LogPixelsY()); }

}  // namespace fw
