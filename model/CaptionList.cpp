#include "model/CaptionList.h"

bool CaptionList::replaceAt(int position, const CKirunData& item) {
    if (!contains(position)) return false;
    m_items[static_cast<size_t>(position)] = item;
    return true;
}

bool CaptionList::eraseAt(int position) {
    if (!contains(position)) return false;
    m_items.erase(m_items.begin() + position);
    return true;
}

bool CaptionList::setStateAt(int position, int state) {
    if (!contains(position)) return false;
    m_items[static_cast<size_t>(position)].m_state = state;
    return true;
}
