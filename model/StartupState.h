#pragma once
// What a start asks of the program, taken once from the command line before the main window
// exists and handed down to the page; and the program's exit code.
#include <vector>

#include "model/CaptionCommand.h"

struct StartOptions {
    bool batchMode = false;                 // run hidden, put captions on air, end by itself
    std::vector<int> captionNumbers;        // batch mode: 1-based list numbers, in command-line order
    std::vector<CaptionCommand> commands;   // carried out once the page is set up
};

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
