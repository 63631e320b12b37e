#pragma once
// How often the page looks at the watched file by itself, whatever its folder reports. Linked
// on its own, so that a build can replace it with a page that never looks by itself and takes
// saves through the folder notification alone.
#include <windows.h>

UINT fileLookPeriodMs();
