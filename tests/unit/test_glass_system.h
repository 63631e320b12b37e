#pragma once
// A system of the test's own behind the glass functions: it answers as a given Windows version
// with composition on or off, records the frame extension and counts every call.
#include <windows.h>
#include <uxtheme.h>

#include "app/Glass.h"

struct FakeGlassSystem {
    inline static DWORD major = 6;
    inline static BOOL composition = FALSE;
    inline static int versionFailuresLeft = 0;
    inline static int versionCalls = 0, compositionCalls = 0, extendCalls = 0;
    inline static HWND extendedWindow = nullptr;
    inline static MARGINS extendedMargins{};

    static BOOL WINAPI GetVersionEx(OSVERSIONINFOA* info) {
        ++versionCalls;
        if (info->dwOSVersionInfoSize != 148) return FALSE;
        if (versionFailuresLeft > 0) {
            --versionFailuresLeft;
            return FALSE;
        }
        info->dwMajorVersion = major;
        return TRUE;
    }
    static HRESULT WINAPI IsCompositionEnabled(BOOL* enabled) {
        ++compositionCalls;
        *enabled = composition;
        return S_OK;
    }
    static HRESULT WINAPI ExtendFrame(HWND hwnd, const MARGINS* margins) {
        ++extendCalls;
        extendedWindow = hwnd;
        extendedMargins = *margins;
        return S_OK;
    }
};

// Puts the fake system in place (counts cleared) for as long as it lives.
class UseFakeGlassSystem {
public:
    explicit UseFakeGlassSystem(DWORD major = 6, BOOL composition = FALSE,
                                int versionFailures = 0) {
        FakeGlassSystem::major = major;
        FakeGlassSystem::composition = composition;
        FakeGlassSystem::versionFailuresLeft = versionFailures;
        FakeGlassSystem::versionCalls = FakeGlassSystem::compositionCalls = 0;
        FakeGlassSystem::extendCalls = 0;
        FakeGlassSystem::extendedWindow = nullptr;
        FakeGlassSystem::extendedMargins = MARGINS{};
        m_previous = setGlassSystem({FakeGlassSystem::GetVersionEx,
                                     FakeGlassSystem::IsCompositionEnabled,
                                     FakeGlassSystem::ExtendFrame});
    }
    ~UseFakeGlassSystem() { setGlassSystem(m_previous); }
    UseFakeGlassSystem(const UseFakeGlassSystem&) = delete;
    UseFakeGlassSystem& operator=(const UseFakeGlassSystem&) = delete;

private:
    GlassSystem m_previous;
};
