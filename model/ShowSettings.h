#pragma once
// Settings that belong to the program as a whole rather than to a lane's look: the main
// window's size and the rules the show follows on every lane.

// The main window's size in pixels at 96 DPI once the operator has resized it; 0: as it opens.
struct WindowSize {
    int width = 0;
    int height = 0;
};

struct ShowRules {
    int cutInAfterCurrent = 0;  // 1: a caption that cuts in waits for the one being shown
};
