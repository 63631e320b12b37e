#include "model/CaptionList.h"

#include "model/LaneLook.h"

void CaptionList::append(CKirunData&& item) {
    item.m_id = m_nextId++;
    m_items.push_back(std::move(item));
}

bool CaptionList::replaceAt(int position, const CKirunData& item) {
    if (!contains(position)) return false;
    CKirunData& kept = m_items[static_cast<size_t>(position)];
    kept.m_text = item.m_text;
    kept.m_minutes = item.m_minutes;
    return true;
}

bool CaptionList::setLane(int position, int lane) {
    if (!contains(position)) return false;
    m_items[static_cast<size_t>(position)].m_lane = lane;
    return true;
}

bool CaptionList::setWindow(int position, const AirWindow& window) {
    if (!contains(position)) return false;
    m_items[static_cast<size_t>(position)].m_window = window;
    return true;
}

void CaptionList::laneRemoved(int removed) {
    for (CKirunData& item : m_items) item.m_lane = laneAfterRemoval(item.m_lane, removed);
}

bool CaptionList::eraseAt(int position) {
    if (!contains(position)) return false;
    m_items.erase(m_items.begin() + position);
    return true;
}

int CaptionList::positionOf(CaptionId id) const {
    // Items keep the order of their ids, so the item is found by halving the list.
    int low = 0;
    int high = count();
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (m_items[static_cast<size_t>(middle)].m_id < id) low = middle + 1;
        else high = middle;
    }
    return low < count() && m_items[static_cast<size_t>(low)].m_id == id ? low : -1;
}
