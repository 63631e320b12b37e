#include "panel/MonitorChoice.h"

#include "framework/Mbcs.h"

const char kPrimaryMonitorLabel[] = "メインモニタ";

namespace {
const char kNotConnected[] = "（未接続）";
const char kEveryMonitorLabel[] = "全モニタ";
}  // namespace

MonitorChoices monitorChoices(const std::vector<MonitorInfo>& monitors, const std::string& storedName) {
    MonitorChoices choices;
    choices.m_labels.push_back(kPrimaryMonitorLabel);
    choices.m_names.push_back("");
    const MonitorInfo* primary = stripMonitor(monitors, "");
    const RECT primaryRect = primary ? primary->m_rect : RECT{0, 0, 0, 0};
    int number = 0;
    for (const MonitorInfo& monitor : monitors) {
        choices.m_labels.push_back(monitorLabel(++number, monitor, primaryRect));
        choices.m_names.push_back(monitor.m_deviceName);
        if (!storedName.empty() && fw::UpperAscii(monitor.m_deviceName) == fw::UpperAscii(storedName))
            choices.m_selected = number;
    }
    if (!monitors.empty()) {
        choices.m_labels.push_back(kEveryMonitorLabel);
        choices.m_names.push_back(kEveryMonitor);
        if (storedName == kEveryMonitor) choices.m_selected = static_cast<int>(choices.m_names.size()) - 1;
    }
    if (!storedName.empty() && choices.m_selected == 0) {
        choices.m_labels.push_back(storedName + kNotConnected);
        choices.m_names.push_back(storedName);
        choices.m_selected = static_cast<int>(choices.m_names.size()) - 1;
    }
    return choices;
}
