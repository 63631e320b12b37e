#include "panel/ChildAnchors.h"

BOOL CALLBACK ChildAnchors::addChild(HWND child, LPARAM self) {
    ChildAnchors& anchors = *reinterpret_cast<ChildAnchors*>(self);
    if (GetParent(child) != anchors.m_parent) return TRUE;  // grandchildren move with their parent
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, anchors.m_parent, reinterpret_cast<POINT*>(&rect), 2);
    anchors.m_children.push_back({child, rect, child == anchors.m_growing});
    return TRUE;
}

void ChildAnchors::record(HWND parent, HWND growing) {
    m_children.clear();
    m_parent = parent;
    m_growing = growing;
    RECT client{};
    if (!GetClientRect(parent, &client)) return;
    EnumChildWindows(parent, addChild, reinterpret_cast<LPARAM>(this));
    m_client = SIZE{client.right, client.bottom};
}

void ChildAnchors::follow(HWND parent) const {
    RECT client{};
    if (!recorded() || !GetClientRect(parent, &client)) return;
    // Never smaller than recorded: the window's least size is its first one.
    const int dx = client.right > m_client.cx ? client.right - m_client.cx : 0;
    const int dy = client.bottom > m_client.cy ? client.bottom - m_client.cy : 0;
    for (const Child& c : m_children) {
        const RECT& r = c.rect;
        const int x = c.grows ? r.left : r.left + dx;
        const int width = r.right - r.left + (c.grows ? dx : 0);
        const int height = r.bottom - r.top + (c.grows ? dy : 0);
        SetWindowPos(c.hwnd, nullptr, x, r.top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    // The parent's background is painted after the children moved, over them: all of it is
    // drawn again, children included.
    RedrawWindow(parent, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}
