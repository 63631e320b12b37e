#pragma once
// The monitors the strip can lie on: the connected ones as the system lists them, and the pure
// rule over that list of which one the strip takes.
#include <windows.h>

#include <string>
#include <vector>

struct MonitorInfo {
    std::string m_deviceName;  // "\\.\DISPLAY2": what the settings file stores
    RECT m_rect{0, 0, 0, 0};   // the whole monitor in desktop coordinates, not its work area
    bool m_primary = false;
    HMONITOR m_handle = nullptr;
};

// The stored monitor name that asks for one strip on every connected monitor.
extern const char kEveryMonitor[];

// The connected monitors in the system's order; empty when they cannot be listed.
std::vector<MonitorInfo> connectedMonitors();

// The monitor called `deviceName` (compared without regard to ASCII case); the primary monitor
// when the name is empty or no connected monitor has it; null only for an empty list.
const MonitorInfo* stripMonitor(const std::vector<MonitorInfo>& monitors, const std::string& deviceName);
