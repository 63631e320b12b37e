#pragma once
// Steps and probes shared by the tests of the caption-settings dialogs.
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/support/DialogDriver.h"
#include "tests/support/Pixels.h"

namespace dialog_steps {

inline std::string ItemText(HWND dialog, int id) {
    char buffer[4096] = {};
    GetDlgItemTextA(dialog, id, buffer, sizeof buffer);
    return buffer;
}

// A mouse click on the upper (up) or lower (down) arrow of an up-down control.
inline testing_support::DialogStep ClickArrow(int spinId, bool up) {
    return [spinId, up](HWND dialog) {
        HWND spin = GetDlgItem(dialog, spinId);
        RECT rc;
        GetClientRect(spin, &rc);
        LPARAM at = MAKELPARAM(rc.right / 2, up ? rc.bottom / 4 : rc.bottom * 3 / 4);
        SendMessageA(spin, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageA(spin, WM_LBUTTONUP, 0, at);
    };
}

// Picks the entry `index` of a drop-down list, as the mouse would: CBN_SELCHANGE follows.
inline testing_support::DialogStep ChooseEntry(int listId, int index) {
    return [listId, index](HWND dialog) {
        SendDlgItemMessageA(dialog, listId, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(listId, CBN_SELCHANGE), LPARAM(GetDlgItem(dialog, listId)));
    };
}

// Does nothing: the dialog's loop shows the dialog once its queue is first empty, so a script
// that looks at the screen starts with this step.
inline void LetItShow(HWND) {}

// The colour in the middle of a control as the screen shows it now.
inline COLORREF ScreenColorAtCentre(HWND dialog, int id) {
    RECT rc;
    GetWindowRect(GetDlgItem(dialog, id), &rc);
    LONG x = (rc.left + rc.right) / 2, y = (rc.top + rc.bottom) / 2;
    testing_support::PixelImage image = testing_support::CaptureScreen({x, y, x + 1, y + 1});
    return image.empty() ? CLR_INVALID : image.at(0, 0);
}

inline COLORREF BrushColor(HBRUSH brush) {
    LOGBRUSH info{};
    if (!brush || GetObjectA(brush, sizeof info, &info) != sizeof info) return CLR_INVALID;
    return info.lbColor;
}

// How many of the GDI objects seen are not deleted yet.
inline size_t Alive(const std::vector<HGDIOBJ>& seen) {
    return static_cast<size_t>(
        std::count_if(seen.begin(), seen.end(), [](HGDIOBJ h) { return GetObjectType(h) != 0; }));
}

}  // namespace dialog_steps
