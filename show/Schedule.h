#pragma once
// The captions on air on one lane, in the order they are shown, with the display time each has
// left. Plain logic: the lane asks it which caption to show next and tells it how much time has
// passed. A caption is known by its id alone, so nothing here moves when the list changes.
#include <functional>
#include <string>
#include <vector>

#include "model/CaptionId.h"

struct ScheduledCaption {
    CaptionId id = caption_ids::kNone;
    int minutes = 0;     // display time as given
    std::wstring text;   // one line
    long long msLeft = 0;  // display time left; a caption that started without any stays on air
};

class Schedule {
public:
    static constexpr long long kMsPerMinute = 60000;

    // Renews the caption with that id (text, minutes, time restarted); appends it when it is
    // not on air.
    void put(CaptionId id, const std::wstring& text, int minutes);
    // Takes the caption off air; false when it was not on air.
    bool remove(CaptionId id);
    // Takes every caption the predicate names off air, in one pass; how many went.
    int removeWhere(const std::function<bool(CaptionId)>& gone);
    // `elapsedMs` pass for every caption on air; those whose time runs out leave, and their
    // ids come back in schedule order.
    std::vector<CaptionId> countDown(long long elapsedMs);

    // The caption to show next (null when none is on air); the cycle then moves on. While the
    // cut-in is on air it is the one shown, pass after pass, and the cycle waits on the caption
    // that is due.
    const ScheduledCaption* selectNext();
    // The caption with that id is the one due next (a caption a cut-in cut short).
    void makeDue(CaptionId id);
    // The cycle starts again at the first caption.
    void restartCycle() { m_next = 0; }

    const ScheduledCaption* find(CaptionId id) const;
    bool empty() const { return m_captions.empty(); }
    int count() const { return static_cast<int>(m_captions.size()); }
    const ScheduledCaption& at(int position) const { return m_captions[static_cast<size_t>(position)]; }
    // Schedule position of the caption due next.
    int next() const { return m_next; }

private:
    int positionOf(CaptionId id) const;
    void removeAt(int position);

    std::vector<ScheduledCaption> m_captions;
    int m_next = 0;
};
