#pragma once
// Process-wide facts every part of the program may ask for: the module, the title used on
// message boxes, the main window, and the screen resolution for point/pixel conversion.
#include <windows.h>

#include <string>

namespace fw {

HINSTANCE Instance();

// The full path of the running program's own file, however long; empty if it cannot be had.
std::wstring ProgramFilePath();

const char* AppTitle();
void SetAppTitle(const char* title);

// The application's main window; null until it exists and after it is gone.
HWND MainWindow();
void SetMainWindow(HWND hwnd);

// The resolution at which a display shows a pixel as a pixel: lengths given "at 96 DPI" are
// pixels at this resolution.
constexpr int kDefaultDpi = 96;
constexpr int kPointsPerInch = 72;

// LOGPIXELSY of a client-area device context of the main window, or of the screen
// while there is none (kDefaultDpi when it cannot be read).
int LogPixelsY();
// The resolution the system scales `hwnd` to: its monitor's under per-monitor awareness
// (GetDpiForWindow, Windows 10 and later), else LogPixelsY().
int WindowDpi(HWND hwnd);
// A length in pixels at kDefaultDpi as pixels of that window.
int ScaledForWindow(HWND hwnd, int pixels);
int PixelsToPoints(int pixels);
// Both rounded as MulDiv rounds.
int PixelsToPointsAt(int pixels, int logPixelsY);
int PointsToPixelsAt(int points, int logPixelsY);

}  // namespace fw
