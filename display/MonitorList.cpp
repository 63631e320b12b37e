#include "display/MonitorList.h"

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

const char kEveryMonitor[] = "*";

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
