#include "surfaces/SnapshotLanes.h"

std::vector<LaneState> lanesOf(const ShowSnapshot& snapshot) {
    if (!snapshot.lanes.empty()) return snapshot.lanes;
    LaneState lane;
    lane.number = 1;
    lane.shown = snapshot.stripShown;
    lane.cutIn = snapshot.cutInRow >= 0 && static_cast<std::size_t>(snapshot.cutInRow) < snapshot.rows.size() &&
                 snapshot.rows[static_cast<std::size_t>(snapshot.cutInRow)].onAir;
    return {lane};
}

bool holdsLane(const ShowSnapshot& snapshot, int lane) {
    for (const LaneState& state : lanesOf(snapshot))
        if (state.number == lane) return true;
    return false;
}
