#pragma once
// The resolution of a monitor, and caption font heights scaled to it.
#include <windows.h>

#include "model/LaneLook.h"

// Font heights are given as pixels at the resolution the settings store them at.
constexpr UINT kBaseDpi = kStoredFontDpi;

// The monitor's effective resolution where the system reports one per monitor (Windows 8.1
// and later); the system's resolution otherwise, or for a null monitor.
UINT monitorDpi(HMONITOR monitor);

// A font height given at kBaseDpi as pixels at `dpi`, rounded as MulDiv rounds; the sign (cell
// or character height) is kept. A dpi of 0 counts as kBaseDpi.
LONG scaledFontHeight(LONG height, UINT dpi);
