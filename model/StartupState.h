#pragma once
// Process-wide start-up state: set once from the command line before the main window
// exists, read-only while it runs.
#include <vector>

#include "model/CaptionCommand.h"

extern int DebugMode;                          // 1: diagnostic lines go to a console window
extern int BatchMode;                          // 1: run hidden, put captions on air, end by itself
extern std::vector<int> BatchCaptionNumbers;   // 1-based list numbers, in command-line order
extern std::vector<CaptionCommand> StartCommands;  // carried out once the page is set up

// The program's exit codes.
enum ExitCode {
    kExitNormal = 0,              // closed, or a batch run that rolled to its end
    kExitFormatError = 2,         // "Format Error -T"
    kExitNothingOnAir = 3,        // a batch run that had nothing to put on air
    kExitCannotStart = 4,         // the program folder could not be entered, or no window
    kExitNoRunningKirunner = 5,   // a command for a running Kirunner, and none runs
    kExitNoSuchItem = 6,          // a command named a list item that does not exist
    kExitMalformedCommand = 7,    // a command option without a valid value
};
extern int ProgramExitCode;
