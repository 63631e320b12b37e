#pragma once
// Keeps a window's children in place as the window is resized: one child grows with the
// window, the others keep their distance from its right edge and their height from the top,
// so that buttons keep their order and layout.
#include <windows.h>

#include <vector>

class ChildAnchors {
public:
    // Takes the children of `parent` as they lie now; `growing` is the one that grows.
    void record(HWND parent, HWND growing);
    // Moves and sizes the children for the parent's client area now.
    void follow(HWND parent) const;
    bool recorded() const { return m_client.cx > 0; }

private:
    struct Child {
        HWND hwnd;
        RECT rect;  // in the parent's client area when recorded
        bool grows;
    };
    static BOOL CALLBACK addChild(HWND child, LPARAM self);

    std::vector<Child> m_children;
    HWND m_parent = nullptr;
    HWND m_growing = nullptr;
    SIZE m_client{0, 0};
};
