#include "framework/MessageBox.h"

#include <utility>

#include "framework/App.h"

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

int ShowMessage(const char* text, UINT type) {
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
