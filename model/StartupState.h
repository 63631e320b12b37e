#pragma once
// Process-wide start-up state: set once from the command line before the main window
// exists, read-only while it runs.
#include <vector>

extern int DebugMode;                          // 1: diagnostic lines go to a console window
extern int BatchMode;                          // 1: run hidden, put captions on air, end by itself
extern std::vector<int> BatchCaptionNumbers;   // 1-based list numbers, in command-line order
