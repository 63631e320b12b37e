#pragma once
// The lanes of a snapshot as the surfaces tell them. A show that fills no lanes holds one: lane 1,
// shown as the snapshot's strip is and with the snapshot's cut-in on air or not.
#include <vector>

#include "show/ShowSnapshot.h"

std::vector<LaneState> lanesOf(const ShowSnapshot& snapshot);
// Whether the show holds the lane of that number.
bool holdsLane(const ShowSnapshot& snapshot, int lane);
