#include "fileif/FileLookPeriod.h"

UINT fileLookPeriodMs() { return 1000; }
