#include "display/RunList.h"

#include <climits>

int RunList::tenthsFor(int minutes) {
    // A hand-edited settings file may hold any number: saturate instead of overflowing.
    long long tenths = static_cast<long long>(minutes) * kTenthsPerMinute;
    if (tenths > INT_MAX) return INT_MAX;
    if (tenths < INT_MIN) return INT_MIN;
    return static_cast<int>(tenths);
}

void RunList::add(int index, const std::wstring& text, int minutes, CKirunListener* listener) {
    bool renewed = false;
    for (RunItem& item : m_items) {
        if (item.index != index) continue;
        item.text = text;
        item.minutes = minutes;
        item.listener = listener;
        item.remaining = tenthsFor(minutes);
        renewed = true;
    }
    if (!renewed) m_items.push_back(RunItem{index, minutes, text, listener, tenthsFor(minutes)});
}

const RunItem* RunList::find(int index) const {
    const int position = positionOf(index);
    return position < 0 ? nullptr : &m_items[static_cast<size_t>(position)];
}

bool RunList::remove(int index, int& next) {
    for (size_t position = 0; position < m_items.size(); ++position) {
        if (m_items[position].index == index) {
            removeAt(position, next);
            return true;
        }
    }
    return false;
}

void RunList::removeAt(size_t position, int& next) {
    m_items.erase(m_items.begin() + static_cast<std::ptrdiff_t>(position));
    // `next` keeps naming the same caption: it moves only when an earlier one went. When the
    // caption due next is removed, its successor has taken its position.
    if (next > static_cast<int>(position)) --next;
}

void RunList::countDown(int& next) {
    size_t position = 0;
    while (position < m_items.size()) {
        RunItem& item = m_items[position];
        if (item.remaining > 0 && --item.remaining == 0 && item.listener) {
            const int index = item.index;
            item.listener->onKirunEnd(index);
            // The listener must leave the list alone; should it not, this check still keeps
            // the removal inside the list and on the caption that ended.
            if (position < m_items.size() && m_items[position].index == index) {
                removeAt(position, next);
                continue;
            }
        }
        ++position;
    }
}

int RunList::positionOf(int index) const {
    for (size_t position = 0; position < m_items.size(); ++position)
        if (m_items[position].index == index) return static_cast<int>(position);
    return -1;
}

const RunItem* RunList::selectNext(int& next) const {
    if (m_items.empty()) return nullptr;
    if (const RunItem* cutIn = find(kCutInIndex)) return cutIn;
    // Past the end means the cycle is over: start again at the front.
    if (next < 0 || next >= count()) next = 0;
    const RunItem* item = &m_items[static_cast<size_t>(next)];
    if (++next >= count()) next = 0;
    return item;
}

void RunList::shiftIndicesAfter(int position) {
    for (RunItem& item : m_items)
        if (item.index > position && item.index < kFileCaptionIndex) --item.index;
}
