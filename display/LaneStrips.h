#pragma once
// The strips of every lane: one StripSet per lane (lane 1's always exists), made and dropped by
// lane number, all paced in the smooth look by one frame clock. Lanes on the same edge of the
// same monitor stack: a later lane lies just inside the earlier ones (below them at the top edge,
// above them at the bottom edge), its own distance counted from their inner edge, so that no
// strip covers another; the stack is laid out again whenever any lane's strips are placed anew
// (a new look, a resolution, a monitor plugged in or out). A lane on every monitor stacks with
// a lane on one monitor there only.
#include <memory>
#include <vector>

#include "display/FrameClock.h"
#include "display/StripSet.h"
#include "framework/UiQueue.h"

class LaneStrips {
public:
    explicit LaneStrips(fw::UiQueue* queue = nullptr);
    ~LaneStrips();
    LaneStrips(const LaneStrips&) = delete;
    LaneStrips& operator=(const LaneStrips&) = delete;

    int count() const { return static_cast<int>(m_lanes.size()); }
    // Lane `number`'s strips, 1 to count(); null for a lane there is not.
    StripSet* find(int number) const;
    StripSet& first() const { return *m_lanes.front(); }
    // Strips for a new last lane (not started: the caller gives them their clock and look);
    // null when kMaxLanes lanes exist.
    StripSet* add();
    // Destroys lane `number`'s strips; later lanes move down one number. Lane 1 stays.
    bool remove(int number);

    FrameClock& frames() { return m_frames; }
    // Places every lane's strips clear of the earlier lanes' on the same edge and monitor.
    void restack();

private:
    FrameClock m_frames;  // before the lanes: it outlives them
    std::vector<std::unique_ptr<StripSet>> m_lanes;
    fw::UiQueue* m_queue;
    bool m_restacking = false;
};
