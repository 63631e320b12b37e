#pragma once
// The text-file interface: whether it watches a file, which one, and how long the caption
// made from that file stays on air.
#include <string>

struct FileInterfaceSettings {
    int fileExec = 0;      // non-zero: the watched file is checked
    std::string filePath;  // code page 932
    int fileMinute = 1;    // display time of the file's caption in minutes
};
