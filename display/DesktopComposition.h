#pragma once
// What the desktop compositor offers, asked of dwmapi.dll when needed (it is missing before
// Windows Vista): whether composition is on, and its frame-waiting call.
#include <windows.h>

using DwmFlushFunction = HRESULT(WINAPI*)();

struct DesktopCompositor {
    bool composing = false;            // DwmIsCompositionEnabled said so
    DwmFlushFunction flush = nullptr;  // DwmFlush; null where missing
};

DesktopCompositor desktopCompositor();
