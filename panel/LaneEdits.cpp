#include "panel/LaneEdits.h"

#include <algorithm>
#include <cstddef>
#include <utility>

LaneEdits::LaneEdits(std::vector<LaneLook> looks, int selected) : m_looks(std::move(looks)) {
    if (m_looks.empty()) m_looks.emplace_back();
    if (m_looks.size() > static_cast<size_t>(kMaxLanes)) m_looks.resize(static_cast<size_t>(kMaxLanes));
    for (int lane = 1; lane <= count(); ++lane) m_origins.push_back(lane);
    m_selected = std::clamp(selected, 1, count());
}

bool LaneEdits::select(int lane) {
    if (lane < 1 || lane > count()) return false;
    m_selected = lane;
    return true;
}

bool LaneEdits::add() {
    if (!canAdd()) return false;
    LaneLook copy = look();
    copy.name.clear();
    m_looks.push_back(std::move(copy));
    m_origins.push_back(0);
    m_selected = count();
    return true;
}

bool LaneEdits::removeSelected() {
    if (!canRemove()) return false;
    const auto index = static_cast<std::ptrdiff_t>(m_selected - 1);
    m_looks.erase(m_looks.begin() + index);
    m_origins.erase(m_origins.begin() + index);
    --m_selected;
    return true;
}

int LaneEdits::laneNow(const std::vector<int>& origins, int oldLane) {
    const auto found = std::find(origins.begin(), origins.end(), oldLane);
    if (oldLane < 1 || found == origins.end()) return 1;
    return static_cast<int>(found - origins.begin()) + 1;
}
