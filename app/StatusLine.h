#pragma once
// The line in the main window's top band that says what the operator must know at a glance:
// a lane hidden, a command surface that cannot listen, changes the settings file does not
// hold. Empty while all is as it should be.
#include <string>
#include <vector>

#include "show/ShowSnapshot.h"

struct StatusFacts {
    bool stripShown = true;     // lane 1's strips
    std::vector<LaneState> lanes;  // every lane as the show holds them; the others' 表示OFF shows too
    bool oscRetrying = false;   // the OSC receiver cannot listen yet and tries again
    std::string oscEndpoint;    // "<address>:<port>"
    bool settingsUnsaved = false;  // the last save of the settings file failed or was held back
};

std::wstring statusLineText(const StatusFacts& facts);
