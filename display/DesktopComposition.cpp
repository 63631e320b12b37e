#include "display/DesktopComposition.h"

#include "framework/SystemLibrary.h"

namespace {
using DwmCompositionFunction = HRESULT(WINAPI*)(BOOL*);
}  // namespace

DesktopCompositor desktopCompositor() {
    DesktopCompositor compositor;
    // Loaded once and kept for the process: it is asked again at every change of the look.
    static const HMODULE dwm = fw::LoadSystemLibrary("dwmapi.dll");
    auto enabled = fw::BindFunction<DwmCompositionFunction>(dwm, "DwmIsCompositionEnabled");
    BOOL on = FALSE;
    compositor.composing = enabled && SUCCEEDED(enabled(&on)) && on;
    compositor.flush = fw::BindFunction<DwmFlushFunction>(dwm, "DwmFlush");
    return compositor;
}
