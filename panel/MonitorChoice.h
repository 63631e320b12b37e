#pragma once
// The entries of the appearance dialog's monitor list: the primary monitor (whichever it is,
// stored as no name), each connected monitor, every monitor at once (stored as "*"), and a
// stored monitor that is not connected now, so that the choice survives an OK while it is
// unplugged.
#include <string>
#include <vector>

#include "display/MonitorList.h"
#include "panel/MonitorLabel.h"

extern const char kPrimaryMonitorLabel[];

struct MonitorChoices {
    std::vector<std::string> m_labels;  // as the list shows them
    std::vector<std::string> m_names;   // the device name each entry stores; "" for the primary
    int m_selected = 0;                 // the entry of the stored name
};

MonitorChoices monitorChoices(const std::vector<MonitorInfo>& monitors, const std::string& storedName);
