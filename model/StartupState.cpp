#include "model/StartupState.h"

int DebugMode = 0;
int BatchMode = 0;
std::vector<int> BatchCaptionNumbers;
std::vector<CaptionCommand> StartCommands;
int ProgramExitCode = kExitNormal;
