#include "panel/TimeLeftText.h"

#include <cstdio>

std::string timeLeftText(int tenths) {
    if (tenths < 0) tenths = 0;
    const int seconds = tenths / 10 + (tenths % 10 ? 1 : 0);
    char text[24];
    std::snprintf(text, sizeof text, "%d:%02d", seconds / 60, seconds % 60);
    return text;
}
