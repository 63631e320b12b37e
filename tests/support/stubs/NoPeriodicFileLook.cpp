// Linked into a program in place of fileif/FileLookPeriod.cpp: the page's own look at the
// watched file never comes round, so a save reaches the strip only through the folder
// notification (or a look the operator asks for).
#include "fileif/FileLookPeriod.h"

UINT fileLookPeriodMs() { return USER_TIMER_MAXIMUM; }
