#include "model/StartupState.h"

int ProgramExitCode = kExitNormal;
