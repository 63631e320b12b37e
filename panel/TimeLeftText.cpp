#include "panel/TimeLeftText.h"

#include <cstdio>

std::string timeLeftText(int tenths) {
    if (tenths < 0) tenths = 0;
    const int seconds = tenths / 10 + (tenths % 10 ? 1 : 0);
    char text[32];
    if (seconds >= 3600)
        std::snprintf(text, sizeof text, "%d:%02d:%02d", seconds / 3600, seconds / 60 % 60, seconds % 60);
    else
        std::snprintf(text, sizeof text, "%d:%02d", seconds / 60, seconds % 60);
    return text;
}
