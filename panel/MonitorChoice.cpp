#include "panel/MonitorChoice.h"

#include "framework/Mbcs.h"

const char kPrimaryMonitorLabel[] = "メインモニタ";

namespace {
const char kNotConnected[] = "（未接続）";
}  // namespace

MonitorChoices monitorChoices(const std::vector<MonitorInfo>& monitors, const std::string& storedName) {
    MonitorChoices choices;
    choices.labels.push_back(kPrimaryMonitorLabel);
    choices.names.push_back("");
    const MonitorInfo* primary = stripMonitor(monitors, "");
    const RECT primaryRect = primary ? primary->rect : RECT{0, 0, 0, 0};
    int number = 0;
    for (const MonitorInfo& monitor : monitors) {
        choices.labels.push_back(monitorLabel(++number, monitor, primaryRect));
        choices.names.push_back(monitor.deviceName);
        if (!storedName.empty() && fw::UpperAscii(monitor.deviceName) == fw::UpperAscii(storedName))
            choices.selected = number;
    }
    if (!storedName.empty() && choices.selected == 0) {
        choices.labels.push_back(storedName + kNotConnected);
        choices.names.push_back(storedName);
        choices.selected = static_cast<int>(choices.names.size()) - 1;
    }
    return choices;
}
