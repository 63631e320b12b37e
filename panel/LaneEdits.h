#pragma once
// The lanes the appearance dialog edits: their looks, the lane being edited, and for each lane
// the number it had when the dialog opened (0 for a lane added since), so that the caller can
// move the captions of a removed lane to lane 1 and renumber those of the lanes after it.
// Lanes are numbered from 1; lane 1 always exists and cannot be removed.
#include <vector>

#include "model/LaneLook.h"

class LaneEdits {
public:
    // `looks` holds 1 to kMaxLanes entries ([0] is lane 1): an empty list stands for one default
    // lane, more than kMaxLanes are cut. `selected` is held to the lanes there are.
    explicit LaneEdits(std::vector<LaneLook> looks = {}, int selected = 1);

    int count() const { return static_cast<int>(m_looks.size()); }
    int selected() const { return m_selected; }
    // Selects the lane with that number; false (nothing changes) when there is no such lane.
    bool select(int lane);

    LaneLook& look() { return m_looks[static_cast<size_t>(m_selected - 1)]; }
    const std::vector<LaneLook>& looks() const { return m_looks; }
    // For each lane now, its number when the list was made; 0 for one added since.
    const std::vector<int>& origins() const { return m_origins; }
    // The selected lane's number when the list was made; 0 for one added since.
    int selectedOrigin() const { return m_origins[static_cast<size_t>(m_selected - 1)]; }

    // Where the captions of the lane numbered `oldLane` when the list was made go, by `origins`
    // as origins() gave them: the lane's number now, or 1 when it was removed.
    static int laneNow(const std::vector<int>& origins, int oldLane);

    bool canAdd() const { return count() < kMaxLanes; }
    bool canRemove() const { return m_selected > 1; }
    // Adds a lane after the last, a copy of the selected lane's look without its name, and
    // selects it; false when kMaxLanes exist.
    bool add();
    // Removes the selected lane (the later lanes move down by one) and selects the lane before
    // it; false for lane 1.
    bool removeSelected();

private:
    std::vector<LaneLook> m_looks;
    std::vector<int> m_origins;
    int m_selected = 1;
};
