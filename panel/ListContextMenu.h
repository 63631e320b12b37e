#pragma once
// The caption list's context menu: the entries the page gives, in order, shown at the point of a
// right-click or, from the keyboard (Shift+F10, the menu key), at the selected row. A chosen entry
// comes back to the page as the WM_COMMAND of its id. A new command is one more entry.
#include <windows.h>

#include <vector>

struct ListMenuEntry {
    UINT id = 0;                 // 0: a separator
    const char* text = nullptr;
    bool enabled = true;
};

// Shows the menu for `list`, owned by `page`, at the screen point packed in `at` (-1, -1: from
// the keyboard) and waits until it is closed.
void showListContextMenu(HWND page, HWND list, LPARAM at, const std::vector<ListMenuEntry>& entries);
