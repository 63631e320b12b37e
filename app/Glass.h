#pragma once
// Desktop composition ("glass") behind a version gate: the window-manager functions are bound
// at their first use and called only on Windows version 6 or later.
#include <windows.h>
#include <uxtheme.h>

// TRUE when the system version is known and is 6 or later; asks the system until it answers.
int isVistaOrLater();
// Behind the gate the result of DwmIsCompositionEnabled; otherwise FALSE and -1.
int queryComposition(BOOL* enabled);
// Behind the gate the result of DwmExtendFrameIntoClientArea; otherwise -1 without a call.
int extendGlass(HWND hwnd, const MARGINS* margins);

// The system functions the gate stands before. Tests replace them to drive both composition
// states and to count the calls; setGlassSystem also forgets the version already read.
struct GlassSystem {
    BOOL(WINAPI* getVersionEx)(OSVERSIONINFOA* info);
    HRESULT(WINAPI* isCompositionEnabled)(BOOL* enabled);
    HRESULT(WINAPI* extendFrameIntoClientArea)(HWND hwnd, const MARGINS* margins);
};
GlassSystem defaultGlassSystem();
GlassSystem setGlassSystem(const GlassSystem& system);
