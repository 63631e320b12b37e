#pragma once
// Window-manager and visual-styles functions, each library loaded from the system folder at the
// first call of one of its functions, so that the program starts without either. A function
// that cannot be had fails with E_NOTIMPL (or a null result).
#include <windows.h>
#include <uxtheme.h>

#include "framework/UniqueHandle.h"

namespace late {

HRESULT WINAPI DwmIsCompositionEnabled(BOOL* enabled);
HRESULT WINAPI DwmExtendFrameIntoClientArea(HWND hwnd, const MARGINS* margins);

HTHEME OpenThemeData(HWND hwnd, LPCWSTR classList);
HRESULT CloseThemeData(HTHEME theme);
HRESULT DrawThemeTextEx(HTHEME theme, HDC dc, int part, int state, LPCWSTR text, int length,
                        DWORD flags, RECT* rect, const DTTOPTS* options);
HPAINTBUFFER BeginBufferedPaint(HDC target, const RECT* rect, BP_BUFFERFORMAT format,
                                BP_PAINTPARAMS* params, HDC* bufferDC);
HRESULT EndBufferedPaint(HPAINTBUFFER buffer, BOOL updateTarget);

struct ThemeTraits : fw::NullIsNone<HTHEME> {
    static void close(HTHEME h) { late::CloseThemeData(h); }
};

// Ends the buffered paint by copying the buffer to the target.
struct PaintBufferTraits : fw::NullIsNone<HPAINTBUFFER> {
    static void close(HPAINTBUFFER h) { late::EndBufferedPaint(h, TRUE); }
};

using ThemeHandle = fw::UniqueHandle<ThemeTraits>;
using PaintBuffer = fw::UniqueHandle<PaintBufferTraits>;

}  // namespace late
