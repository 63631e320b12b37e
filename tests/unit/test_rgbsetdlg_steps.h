#pragma once
// Dialog steps for the caption-settings dialog tests: reading a control's text, arrow clicks
// on an up-down control and keys delivered through the dialog's own loop.
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/support/DialogDriver.h"

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

// A key as the keyboard would deliver it to the focused control, through the dialog's loop.
inline testing_support::DialogStep PressKey(int id, UINT key) {
    return [id, key](HWND dialog) {
        HWND control = GetDlgItem(dialog, id);
        SetFocus(control);
        LPARAM info = 1 | (static_cast<LPARAM>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC)) << 16);
        PostMessageA(control, WM_KEYDOWN, key, info);
        PostMessageA(control, WM_KEYUP, key, info | static_cast<LPARAM>(0xC0000000));
    };
}

// Gives the dialog's loop a turn: it shows the dialog once its queue is first empty, so a
// script that looks at the screen starts with this step.
inline testing_support::DialogStep LetItShow() {
    return [](HWND) {};
}

// GDI objects seen during a run, to find out afterwards whether they were all deleted.
class GdiHandleLog {
public:
    void note(HGDIOBJ handle) {
        if (handle && std::find(m_seen.begin(), m_seen.end(), handle) == m_seen.end())
            m_seen.push_back(handle);
    }
    size_t count() const { return m_seen.size(); }
    size_t alive() const {
        return static_cast<size_t>(std::count_if(m_seen.begin(), m_seen.end(),
                                                 [](HGDIOBJ h) { return GetObjectType(h) != 0; }));
    }

private:
    std::vector<HGDIOBJ> m_seen;
};

inline COLORREF BrushColor(HBRUSH brush) {
    LOGBRUSH info{};
    if (!brush || GetObjectA(brush, sizeof info, &info) != sizeof info) return CLR_INVALID;
    return info.lbColor;
}

}  // namespace dialog_steps
