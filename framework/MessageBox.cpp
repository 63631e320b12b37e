#include "framework/MessageBox.h"

#include <utility>

#include "framework/App.h"
#include "framework/OpenModals.h"

namespace fw {
namespace {
MessageBoxFunction g_show;

HWND MessageOwner() {
    HWND active = GetActiveWindow();
    if (active) return active;
    HWND main = MainWindow();
    return main ? GetLastActivePopup(main) : nullptr;
}
}  // namespace

int SafestAnswer(UINT type) {
    switch (type & MB_TYPEMASK) {
    case MB_YESNO: return IDNO;
    case MB_OKCANCEL:
    case MB_YESNOCANCEL:
    case MB_RETRYCANCEL: return IDCANCEL;
    case MB_ABORTRETRYIGNORE: return IDABORT;
    default: return IDOK;
    }
}

int ShowMessage(const char* text, UINT type) {
    if (OpenModalsEnding()) return SafestAnswer(type);  // the program is closing: nothing new opens
    if ((type & MB_ICONMASK) == 0) {
        UINT buttons = type & MB_TYPEMASK;
        if (buttons == MB_OK || buttons == MB_OKCANCEL) type |= MB_ICONEXCLAMATION;
        else if (buttons == MB_YESNO || buttons == MB_YESNOCANCEL) type |= MB_ICONQUESTION;
    }
    HWND owner = MessageOwner();
    if (g_show) return g_show(owner, text, AppTitle(), type);
    return MessageBoxA(owner, text, AppTitle(), type);
}

MessageBoxFunction SetMessageBoxFunction(MessageBoxFunction fn) {
    return std::exchange(g_show, std::move(fn));
}

}  // namespace fw
