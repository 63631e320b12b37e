#pragma once
// What carries a command out on the program's thread, whichever surface it came from.
#include "model/CaptionCommand.h"

class CommandRunner {
public:
    virtual CommandResult runCommand(const CaptionCommand& command) = 0;

protected:
    ~CommandRunner() = default;
};
