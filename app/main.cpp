#include <windows.h>
#include <commctrl.h>

#include "app/KirunApp.h"
#include "model/StartupState.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof controls,
                                  ICC_WIN95_CLASSES | ICC_LINK_CLASS | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    theApp.InitInstance();
    return ProgramExitCode;
}
