#pragma once
// The line in the main window's top band that says what the operator must know at a glance:
// the strip hidden, a command surface that cannot listen, changes the settings file does not
// hold. Empty while all is as it should be.
#include <string>

struct StatusFacts {
    bool stripShown = true;
    bool oscRetrying = false;   // the OSC receiver cannot listen yet and tries again
    std::string oscEndpoint;    // "<address>:<port>"
    bool settingsUnsaved = false;  // the last save of the settings file failed or was held back
};

std::wstring statusLineText(const StatusFacts& facts);
