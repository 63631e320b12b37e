#include "app/Glass.h"

#include <cstring>

#include "app/LateBound.h"
#include "framework/App.h"

namespace {
const DWORD kVersionRecordSize = 148;  // OSVERSIONINFOA

OSVERSIONINFOA g_version;
int g_versionKnown = 0;
GlassSystem g_system = defaultGlassSystem();
}  // namespace

GlassSystem defaultGlassSystem() {
    return GlassSystem{::GetVersionExA, late::DwmIsCompositionEnabled,
                       late::DwmExtendFrameIntoClientArea};
}

GlassSystem setGlassSystem(const GlassSystem& system) {
    GlassSystem previous = g_system;
    g_system = system;
    g_versionKnown = 0;
    return previous;
}

int isVistaOrLater() {
    if (!g_versionKnown) {
        std::memset(&g_version, 0, sizeof g_version);
        g_version.dwOSVersionInfoSize = kVersionRecordSize;
        if (g_system.getVersionEx(&g_version) == 1) g_versionKnown = 1;
    }
    return g_versionKnown && g_version.dwMajorVersion >= 6;
}

int queryComposition(BOOL* enabled) {
    if (isVistaOrLater()) return g_system.isCompositionEnabled(enabled);
    if (enabled) *enabled = FALSE;
    return -1;
}

int extendGlass(HWND hwnd, const MARGINS* margins) {
    if (isVistaOrLater()) return g_system.extendFrameIntoClientArea(hwnd, margins);
    return -1;
}

