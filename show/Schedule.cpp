#include "show/Schedule.h"

#include <utility>

void Schedule::put(CaptionId id, const std::wstring& text, int minutes) {
    const long long msLeft = static_cast<long long>(minutes) * kMsPerMinute;
    const int position = positionOf(id);
    if (position < 0) {
        m_captions.push_back(ScheduledCaption{id, minutes, text, msLeft});
        return;
    }
    ScheduledCaption& caption = m_captions[static_cast<size_t>(position)];
    caption.text = text;
    caption.minutes = minutes;
    caption.msLeft = msLeft;
}

bool Schedule::remove(CaptionId id) {
    const int position = positionOf(id);
    if (position < 0) return false;
    removeAt(position);
    return true;
}

int Schedule::removeWhere(const std::function<bool(CaptionId)>& gone) {
    // The cycle keeps pointing at the same caption, or at the one after it when it went.
    int kept = 0;
    int next = m_next;
    for (int position = 0; position < count(); ++position) {
        ScheduledCaption& caption = m_captions[static_cast<size_t>(position)];
        if (gone(caption.id)) {
            if (position < m_next) --next;
            continue;
        }
        if (kept != position) m_captions[static_cast<size_t>(kept)] = std::move(caption);
        ++kept;
    }
    const int removed = count() - kept;
    m_captions.resize(static_cast<size_t>(kept));
    m_next = next;
    return removed;
}

void Schedule::removeAt(int position) {
    m_captions.erase(m_captions.begin() + position);
    // The cycle keeps pointing at the same caption: it moves only when an earlier one went. When
    // the caption due next went, its successor has taken its position.
    if (m_next > position) --m_next;
}

std::vector<CaptionId> Schedule::countDown(long long elapsedMs) {
    std::vector<CaptionId> ended;
    if (elapsedMs <= 0) return ended;
    int position = 0;
    while (position < count()) {
        ScheduledCaption& caption = m_captions[static_cast<size_t>(position)];
        if (caption.msLeft > 0 && (caption.msLeft -= elapsedMs) <= 0) {
            ended.push_back(caption.id);
            removeAt(position);
            continue;
        }
        ++position;
    }
    return ended;
}

const ScheduledCaption* Schedule::selectNext() {
    if (m_captions.empty()) return nullptr;
    if (const ScheduledCaption* cutIn = find(caption_ids::kCutIn)) return cutIn;
    // Past the end means the cycle is over: start again at the front.
    if (m_next < 0 || m_next >= count()) m_next = 0;
    const ScheduledCaption* caption = &m_captions[static_cast<size_t>(m_next)];
    if (++m_next >= count()) m_next = 0;
    return caption;
}

void Schedule::makeDue(CaptionId id) {
    const int position = positionOf(id);
    if (position >= 0) m_next = position;
}

const ScheduledCaption* Schedule::find(CaptionId id) const {
    const int position = positionOf(id);
    return position < 0 ? nullptr : &m_captions[static_cast<size_t>(position)];
}

int Schedule::positionOf(CaptionId id) const {
    for (int position = 0; position < count(); ++position)
        if (m_captions[static_cast<size_t>(position)].id == id) return position;
    return -1;
}
