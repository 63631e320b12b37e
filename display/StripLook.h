#pragma once
// How the caption strip looks and moves: everything its owner chooses, in one value. The
// fields keep the names the caption window has always given them.
#include <windows.h>

struct StripLook {
    HFONT m_font = nullptr;                     // not owned: the owner keeps it alive
    COLORREF m_textColor = RGB(255, 255, 255);
    COLORREF m_shadowColor = RGB(0, 0, 0);
    int m_pos = 0;     // 0: top edge of the screen; otherwise the bottom edge
    int m_gap = 0;     // distance from that edge
    int m_lgap = 0;    // inset from the screen's left edge
    int m_rgap = 0;    // inset from the screen's right edge
    int m_deltaX = 1;  // pixels per scroll tick, as the owner chose it
};
