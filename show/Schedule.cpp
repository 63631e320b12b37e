#include "show/Schedule.h"

#include <algorithm>
#include <utility>

void Schedule::put(CaptionId id, const std::wstring& text, int minutes, const AirWindow& window) {
    const long long msLeft = static_cast<long long>(minutes) * kMsPerMinute;
    const int position = positionOf(id);
    if (position < 0) {
        m_captions.emplace_back();
        m_captions.back().id = id;
    }
    ScheduledCaption& caption = position < 0 ? m_captions.back() : m_captions[static_cast<size_t>(position)];
    caption.text = text;
    caption.minutes = minutes;
    caption.msLeft = msLeft;
    if (caption.armed) --m_armed;
    caption.armed = window.set();
    if (caption.armed) ++m_armed;
    caption.window = caption.armed ? window : AirWindow();
    caption.playsLeft = window.plays > 0 ? window.plays : -1;
    caption.air = AirCheck();
    caption.checkedAt = kNeverMinute;
    // Its state read now keeps the whole schedule's states valid as far as they hold; before the
    // clock is first given, the first refresh reads every one.
    if (!caption.armed) return;
    if (m_hasNow) {
        stateOf(caption);
        m_validFrom = std::max(m_validFrom, m_now);
    } else {
        m_validFrom = kNeverMinute;
    }
}

AirState Schedule::stateOf(ScheduledCaption& caption) {
    if (!caption.armed || !m_hasNow) return AirState::kOpen;
    // A cached state holds until the minute it may change; a clock stepped back reads it anew.
    if (caption.checkedAt == kNeverMinute || m_now < caption.checkedAt || m_now >= caption.air.changesAt) {
        caption.air = checkAirWindow(caption.window, m_now);
        caption.checkedAt = m_now;
        m_validUntil = std::min(m_validUntil, caption.air.changesAt);
    }
    return caption.air.state;
}

std::vector<CaptionId> Schedule::refresh(bool* changed) {
    std::vector<CaptionId> over;
    // Every cached state holds until the first minute one of them may change: most boundaries
    // look at none of them.
    if (m_armed == 0 || (m_now >= m_validFrom && m_now < m_validUntil)) return over;
    m_validFrom = m_now;
    m_validUntil = kNeverMinute;
    int position = 0;
    while (position < count()) {
        ScheduledCaption& caption = m_captions[static_cast<size_t>(position)];
        if (!caption.armed) {
            ++position;
            continue;
        }
        const AirState before = caption.air.state;
        const LocalMinute opensBefore = caption.air.opensAt;
        const AirState state = stateOf(caption);
        if (changed && (state != before || caption.air.opensAt != opensBefore)) *changed = true;
        m_validUntil = std::min(m_validUntil, caption.air.changesAt);
        if (state == AirState::kOver) {
            over.push_back(caption.id);
            removeAt(position);
            continue;
        }
        ++position;
    }
    return over;
}

bool Schedule::played(CaptionId id) {
    if (m_armed == 0 || id == caption_ids::kNone) return false;
    // Mostly the caption selected last, just before the one due.
    const int last = (m_next > 0 ? m_next : count()) - 1;
    const int position = last >= 0 && last < count() && m_captions[static_cast<size_t>(last)].id == id ? last : positionOf(id);
    if (position < 0) return false;
    ScheduledCaption& caption = m_captions[static_cast<size_t>(position)];
    if (caption.playsLeft <= 0 || --caption.playsLeft > 0) return false;
    removeAt(position);
    return true;
}

bool Schedule::showable(CaptionId id) {
    const int position = positionOf(id);
    return position >= 0 && stateOf(m_captions[static_cast<size_t>(position)]) == AirState::kOpen;
}

bool Schedule::anyShowable() {
    for (ScheduledCaption& caption : m_captions)
        if (stateOf(caption) == AirState::kOpen) return true;
    return false;
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
            if (caption.armed) --m_armed;
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
    if (m_captions[static_cast<size_t>(position)].armed) --m_armed;
    m_captions.erase(m_captions.begin() + position);
    // The cycle keeps pointing at the same caption: it moves only when an earlier one went. When
    // the caption due next went, its successor has taken its position.
    if (m_next > position) --m_next;
}

std::vector<CaptionId> Schedule::countDown(long long elapsedMs, std::vector<CaptionId>* over) {
    std::vector<CaptionId> ended;
    if (elapsedMs <= 0 && m_armed == 0) return ended;
    int position = 0;
    while (position < count()) {
        ScheduledCaption& caption = m_captions[static_cast<size_t>(position)];
        // An armed caption's minutes count only while its window is open; once it is over it leaves.
        const AirState state = stateOf(caption);
        const bool counts = state == AirState::kOpen && elapsedMs > 0;
        if (state == AirState::kOver || (counts && caption.msLeft > 0 && (caption.msLeft -= elapsedMs) <= 0)) {
            if (state == AirState::kOver && over) over->push_back(caption.id);
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
    // Armed captions whose window is not open are passed over, each looked at once at most.
    for (int looked = 0; looked < count(); ++looked) {
        const int position = m_next;
        if (++m_next >= count()) m_next = 0;
        ScheduledCaption& caption = m_captions[static_cast<size_t>(position)];
        if (stateOf(caption) == AirState::kOpen) return &caption;
    }
    return nullptr;
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
