#include "display/MonitorDpi.h"

#include "framework/App.h"
#include "framework/SystemLibrary.h"

namespace {
// MDT_EFFECTIVE_DPI of GetDpiForMonitor.
const int kEffectiveDpi = 0;
typedef HRESULT(WINAPI* GetDpiForMonitorFunction)(HMONITOR, int, UINT*, UINT*);

// shcore.dll exists from Windows 8.1 on.
GetDpiForMonitorFunction getDpiForMonitor() {
    static const GetDpiForMonitorFunction function =
        fw::BindFunction<GetDpiForMonitorFunction>(fw::LoadSystemLibrary("shcore.dll"), "GetDpiForMonitor");
    return function;
}
}  // namespace

UINT monitorDpi(HMONITOR monitor) {
    UINT dpiX = 0;
    UINT dpiY = 0;
    GetDpiForMonitorFunction function = getDpiForMonitor();
    if (monitor && function && SUCCEEDED(function(monitor, kEffectiveDpi, &dpiX, &dpiY)) && dpiY > 0)
        return dpiY;
    return static_cast<UINT>(fw::LogPixelsY());
}

LONG scaledFontHeight(LONG height, UINT dpi) {
    if (dpi == 0 || dpi == kBaseDpi) return height;
    return MulDiv(height, static_cast<int>(dpi), static_cast<int>(kBaseDpi));
}
