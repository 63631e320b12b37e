#include "display/MonitorDpi.h"

namespace {
// MDT_EFFECTIVE_DPI of GetDpiForMonitor.
const int kEffectiveDpi = 0;
typedef HRESULT(WINAPI* GetDpiForMonitorFunction)(HMONITOR, int, UINT*, UINT*);

// Bound at run time: shcore.dll exists from Windows 8.1 on.
GetDpiForMonitorFunction getDpiForMonitor() {
    static GetDpiForMonitorFunction function = [] {
        HMODULE library = LoadLibraryA("shcore.dll");
        return library ? reinterpret_cast<GetDpiForMonitorFunction>(
                             reinterpret_cast<void*>(GetProcAddress(library, "GetDpiForMonitor")))
                       : nullptr;
    }();
    return function;
}

UINT systemDpi() {
    HDC screen = GetDC(nullptr);
    if (!screen) return kBaseDpi;
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : kBaseDpi;
}
}  // namespace

UINT monitorDpi(HMONITOR monitor) {
    UINT dpiX = 0;
    UINT dpiY = 0;
    GetDpiForMonitorFunction function = getDpiForMonitor();
    if (monitor && function && SUCCEEDED(function(monitor, kEffectiveDpi, &dpiX, &dpiY)) && dpiY > 0)
        return dpiY;
    return systemDpi();
}

LONG scaledFontHeight(LONG height, UINT dpi) {
    if (dpi == 0 || dpi == kBaseDpi) return height;
    return MulDiv(height, static_cast<int>(dpi), static_cast<int>(kBaseDpi));
}
