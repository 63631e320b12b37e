#include <windows.h>
#include <commctrl.h>

#include "app/KirunApp.h"

int main() {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_LINK_CLASS | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
    theApp.InitInstance();
    return 0;
}
