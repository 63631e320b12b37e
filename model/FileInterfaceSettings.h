#pragma once
// The interfaces that feed the strip from outside: the text file (whether it watches a file,
// which one, and how long the caption made from that file stays on air) and the OSC receiver.
#include <string>

#include "model/OscSettings.h"

struct FileInterfaceSettings {
    int fileExec = 0;      // non-zero: the watched file is checked
    std::wstring filePath;  // any character
    int fileMinute = 1;    // display time of the file's caption in minutes
    OscSettings osc{};     // no dialog changes it: only the settings file
};
