#pragma once
// What a control surface (a Companion or Stream Deck button, a lighting desk) is told when the
// show changes, as OSC messages of integers:
//   /kirunner/onair <n> <0|1>      list entry n went on or off air
//   /kirunner/timeleft <n> <s>     its whole seconds left (0 when it left the air)
//   /kirunner/cutin <0|1>          a cut-in on air or not
//   /kirunner/strip <0|1>          the strip shown or hidden
//   /kirunner/lane/<n>/strip <0|1> lane n's strips shown or hidden   (while there is more than
//   /kirunner/lane/<n>/cutin <0|1> a cut-in on air on lane n or not   one lane)
// The first three without a lane are lane 1's. From one snapshot to the next only what changed is
// told, in that order (strip, cut-in, the lanes by number, then the entries by number); the first
// snapshot tells everything, and so does the first with more than one lane for every lane.
#include <string>
#include <vector>

#include "show/ShowSnapshot.h"

struct OscFeedbackMessage {
    std::string address;
    std::vector<int> arguments;
};

// `before` null: nothing has been told yet.
std::vector<OscFeedbackMessage> feedbackMessages(const ShowSnapshot* before, const ShowSnapshot& after);
// The message as an OSC 1.0 packet: address and type tags padded with NULs to four bytes, each
// argument a big-endian 32-bit integer.
std::string encodeOsc(const OscFeedbackMessage& message);
