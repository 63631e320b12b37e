#include "panel/ListContextMenu.h"

#include <commctrl.h>
#include <windowsx.h>

#include "framework/UniqueHandle.h"

void showListContextMenu(HWND page, HWND list, LPARAM at, const std::vector<ListMenuEntry>& entries) {
    POINT point{GET_X_LPARAM(at), GET_Y_LPARAM(at)};
    if (point.x == -1 && point.y == -1) {
        const int selected = ListView_GetNextItem(list, -1, LVNI_SELECTED);
        RECT anchor{0, 0, 0, 0};
        if (selected == -1 || !ListView_GetItemRect(list, selected, &anchor, LVIR_LABEL)) GetClientRect(list, &anchor);
        point = POINT{anchor.left, anchor.top};
        ClientToScreen(list, &point);
    }
    fw::Menu menu(CreatePopupMenu());
    if (!menu) return;
    for (const ListMenuEntry& entry : entries) {
        if (entry.id == 0) AppendMenuA(menu.get(), MF_SEPARATOR, 0, nullptr);
        else AppendMenuA(menu.get(), MF_STRING | (entry.enabled ? 0u : MF_GRAYED), entry.id, entry.text);
    }
    TrackPopupMenu(menu.get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, point.x, point.y, 0, page, nullptr);
}
