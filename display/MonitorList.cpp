#include "display/MonitorList.h"

#include <cstdio>

#include "framework/Mbcs.h"

namespace {
BOOL CALLBACK addMonitor(HMONITOR handle, HDC, LPRECT, LPARAM list) {
    MONITORINFOEXA info;
    info.cbSize = sizeof info;
    if (!GetMonitorInfoA(handle, &info)) return TRUE;
    MonitorInfo monitor;
    monitor.m_deviceName = info.szDevice;
    monitor.m_rect = info.rcMonitor;
    monitor.m_primary = (info.dwFlags & MONITORINFOF_PRIMARY) != 0;
    monitor.m_handle = handle;
    reinterpret_cast<std::vector<MonitorInfo>*>(list)->push_back(monitor);
    return TRUE;
}
}  // namespace

std::vector<MonitorInfo> connectedMonitors() {
    std::vector<MonitorInfo> monitors;
    EnumDisplayMonitors(nullptr, nullptr, addMonitor, reinterpret_cast<LPARAM>(&monitors));
    return monitors;
}

const MonitorInfo* stripMonitor(const std::vector<MonitorInfo>& monitors, const std::string& deviceName) {
    const MonitorInfo* primary = monitors.empty() ? nullptr : &monitors.front();
    for (const MonitorInfo& monitor : monitors) {
        if (!deviceName.empty() && fw::UpperAscii(monitor.m_deviceName) == fw::UpperAscii(deviceName))
            return &monitor;
        if (monitor.m_primary) primary = &monitor;
    }
    return primary;
}

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
