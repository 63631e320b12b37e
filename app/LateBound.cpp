#include "app/LateBound.h"

#include "framework/SystemLibrary.h"

namespace late {
namespace {

HMODULE cachedLibrary(const char* name, HMODULE& cache) {
    if (!cache) cache = fw::LoadSystemLibrary(name);
    return cache;
}

HMODULE dwmLibrary() {
    static HMODULE module = nullptr;
    return cachedLibrary("dwmapi.dll", module);
}

HMODULE themeLibrary() {
    static HMODULE module = nullptr;
    return cachedLibrary("uxtheme.dll", module);
}

}  // namespace

HRESULT WINAPI DwmIsCompositionEnabled(BOOL* enabled) {
    using Fn = HRESULT(WINAPI*)(BOOL*);
    static Fn fn = nullptr;
    if (!fn) fn = fw::BindFunction<Fn>(dwmLibrary(), "DwmIsCompositionEnabled");
    return fn ? fn(enabled) : E_NOTIMPL;
}

HRESULT WINAPI DwmExtendFrameIntoClientArea(HWND hwnd, const MARGINS* margins) {
    using Fn = HRESULT(WINAPI*)(HWND, const MARGINS*);
    static Fn fn = nullptr;
    if (!fn) fn = fw::BindFunction<Fn>(dwmLibrary(), "DwmExtendFrameIntoClientArea");
    return fn ? fn(hwnd, margins) : E_NOTIMPL;
}

HTHEME OpenThemeData(HWND hwnd, LPCWSTR classList) {
    using Fn = HTHEME(WINAPI*)(HWND, LPCWSTR);
    static Fn fn = nullptr;
    if (!fn) fn = fw::BindFunction<Fn>(themeLibrary(), "OpenThemeData");
    return fn ? fn(hwnd, classList) : nullptr;
}

HRESULT CloseThemeData(HTHEME theme) {
    using Fn = HRESULT(WINAPI*)(HTHEME);
    static Fn fn = nullptr;
    if (!fn) fn = fw::BindFunction<Fn>(themeLibrary(), "CloseThemeData");
    return fn ? fn(theme) : E_NOTIMPL;
}

HRESULT DrawThemeTextEx(HTHEME theme, HDC dc, int part, int state, LPCWSTR text, int length,
                        DWORD flags, RECT* rect, const DTTOPTS* options) {
    using Fn = HRESULT(WINAPI*)(HTHEME, HDC, int, int, LPCWSTR, int, DWORD, RECT*, const DTTOPTS*);
    static Fn fn = nullptr;
    if (!fn) fn = fw::BindFunction<Fn>(themeLibrary(), "DrawThemeTextEx");
    return fn ? fn(theme, dc, part, state, text, length, flags, rect, options) : E_NOTIMPL;
}

HPAINTBUFFER BeginBufferedPaint(HDC target, const RECT* rect, BP_BUFFERFORMAT format,
                                BP_PAINTPARAMS* params, HDC* bufferDC) {
    using Fn = HPAINTBUFFER(WINAPI*)(HDC, const RECT*, BP_BUFFERFORMAT, BP_PAINTPARAMS*, HDC*);
    static Fn fn = nullptr;
    if (!fn) fn = fw::BindFunction<Fn>(themeLibrary(), "BeginBufferedPaint");
    return fn ? fn(target, rect, format, params, bufferDC) : nullptr;
}

HRESULT EndBufferedPaint(HPAINTBUFFER buffer, BOOL updateTarget) {
    using Fn = HRESULT(WINAPI*)(HPAINTBUFFER, BOOL);
    static Fn fn = nullptr;
    if (!fn) fn = fw::BindFunction<Fn>(themeLibrary(), "EndBufferedPaint");
    return fn ? fn(buffer, updateTarget) : E_NOTIMPL;
}

}  // namespace late
