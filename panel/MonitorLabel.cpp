#include "panel/MonitorLabel.h"

#include <cstdio>

std::string monitorSide(const RECT& rect, const RECT& primaryRect, bool primary) {
    if (primary) return "メイン";
    std::string side;
    if (rect.bottom <= primaryRect.top) side = "上";
    else if (rect.top >= primaryRect.bottom) side = "下";
    if (rect.right <= primaryRect.left) side = "左" + side;
    else if (rect.left >= primaryRect.right) side = "右" + side;
    return side.empty() ? "重なり" : side;
}

std::string monitorLabel(int number, const MonitorInfo& monitor, const RECT& primaryRect) {
    char size[64];
    std::snprintf(size, sizeof size, "%d: %ld×%ld ", number, monitor.m_rect.right - monitor.m_rect.left,
                  monitor.m_rect.bottom - monitor.m_rect.top);
    return size + monitorSide(monitor.m_rect, primaryRect, monitor.m_primary);
}
