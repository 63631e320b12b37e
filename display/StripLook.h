#pragma once
// How the caption strip looks and moves: everything its owner chooses, in one value. The
// fields keep the names the caption window has always given them.
#include <windows.h>

#include <string>

struct StripLook {
    HFONT m_font = nullptr;                     // not owned: the owner keeps it alive
    COLORREF m_textColor = RGB(255, 255, 255);
    COLORREF m_shadowColor = RGB(0, 0, 0);
    int m_pos = 0;     // 0: top edge of the screen; otherwise the bottom edge
    int m_gap = 0;     // distance from that edge
    int m_lgap = 0;    // inset from the screen's left edge
    int m_rgap = 0;    // inset from the screen's right edge
    int m_deltaX = 1;  // pixels per scroll tick, as the owner chose it
    // Off by default: the transparent strip with the one-pixel shadow.
    bool m_bandOn = false;             // captions on a band of m_bandColor, not transparent
    COLORREF m_bandColor = RGB(0, 0, 0);
    int m_bandOpacity = 100;           // percent; below 100 the band is translucent
    bool m_outline = false;            // the shadow colour all around every glyph
    std::string m_separator;           // drawn between consecutive captions
};
