#pragma once
// The captions on air on one lane, in the order they are shown, with the display time each has
// left. Plain logic: the lane asks it which caption to show next and tells it how much time has
// passed. A caption is known by its id alone, so nothing here moves when the list changes.
#include <functional>
#include <string>
#include <vector>

#include "model/AirWindow.h"
#include "model/CaptionId.h"

struct ScheduledCaption {
    CaptionId id = caption_ids::kNone;
    int minutes = 0;     // display time as given
    std::wstring text;   // one line
    long long msLeft = 0;  // display time left; a caption that started without any stays on air
    // Armed: it went on air with a time on air, shown only while its window is open.
    bool armed = false;
    AirWindow window;
    int playsLeft = -1;  // passes left with plays; -1 without
    // Where its window stood when last read, valid from checkedAt until air.changesAt (a clock
    // stepped back reads it anew).
    AirCheck air;
    LocalMinute checkedAt = kNeverMinute;
};

class Schedule {
public:
    static constexpr long long kMsPerMinute = 60000;

    // Renews the caption with that id (text, minutes, time restarted, its window and plays
    // anew); appends it when it is not on air. With a window set it is armed.
    void put(CaptionId id, const std::wstring& text, int minutes, const AirWindow& window = AirWindow());
    // Takes the caption off air; false when it was not on air.
    bool remove(CaptionId id);
    // Takes every caption the predicate names off air, in one pass; how many went.
    int removeWhere(const std::function<bool(CaptionId)>& gone);
    // `elapsedMs` pass for every caption on air (an armed one's only while its window is open);
    // those whose time runs out, and armed ones whose window is over (also added to `over`),
    // leave, and their ids come back in schedule order.
    std::vector<CaptionId> countDown(long long elapsedMs, std::vector<CaptionId>* over = nullptr);

    // The wall clock's minute the windows are read at; until it is first given, every window
    // counts as open.
    void setNow(LocalMinute now) { m_now = now; m_hasNow = true; }
    // Reads every armed caption's window at the minute last given: those over leave, and their
    // ids come back in schedule order; `changed` tells whether any caption's state moved.
    std::vector<CaptionId> refresh(bool* changed = nullptr);
    // The caption with that id made a pass: with its last play it leaves (true).
    bool played(CaptionId id);
    // Whether the caption is shown now (on air and, when armed, its window open).
    bool showable(CaptionId id);
    // Whether some caption may be shown now.
    bool anyShowable();
    // How many armed captions are on air.
    int armedCount() const { return m_armed; }

    // The caption to show next (null when none is on air or every one waits for its window); the
    // cycle then moves on, passing over armed captions whose window is not open. While the
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
    // The caption's state at the minute last given (read anew once its cached one may have moved).
    AirState stateOf(ScheduledCaption& caption);

    std::vector<ScheduledCaption> m_captions;
    int m_next = 0;
    int m_armed = 0;
    LocalMinute m_now = 0;
    bool m_hasNow = false;
    // The minutes over which every armed caption's cached state holds: [from, until).
    LocalMinute m_validFrom = kNeverMinute;
    LocalMinute m_validUntil = kNeverMinute;
};
