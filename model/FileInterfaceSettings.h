#pragma once
// The interfaces between the strip and the world outside: the text file (whether it watches a
// file, which one, and how long the caption made from that file stays on air), the OSC receiver,
// the web remote with its API, the OSC feedback to control surfaces, and the data sources.
#include <string>
#include <vector>

#include "model/HttpSettings.h"
#include "model/OscSettings.h"
#include "model/SourceSettings.h"

struct FileInterfaceSettings {
    int fileExec = 0;      // non-zero: the watched file is checked
    std::wstring filePath;  // any character
    int fileMinute = 1;    // display time of the file's caption in minutes
    int fileLane = 1;      // the lane the file's caption goes on air on
    OscSettings osc{};     // no dialog changes it: only the settings file
    HttpSettings http{};   // the web remote and its API: off unless a port is given
    std::string oscFeedback;  // "host:port" OSC feedback is sent to; empty: none
    std::vector<SourceSettings> sources;  // sections SOURCE0, SOURCE1, ...; at most kMaxSources
};
