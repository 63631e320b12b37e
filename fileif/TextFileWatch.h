#pragma once
// The once-a-second look at the watched text file: when its last-write time has moved forward
// since the last look, its text is read for the strip.
#include <windows.h>

#include <string>

struct TextFileWatch {
    int lastFileDataValid = 0;       // 1: lastFileData holds the baseline
    WIN32_FIND_DATAA lastFileData{}; // the file's entry as last taken (only its write time counts)
};

// True when `later` is after `earlier`: high 32 bits first, then low, both unsigned.
bool isLaterWriteTime(const FILETIME& later, const FILETIME& earlier);

// One look at the file. Returns true with `text` set when a newer version was read and gave a
// non-empty text. The first look takes the baseline (zeroes for a missing file, so that a file
// created later counts as newer). The baseline moves only once a newer version has been read:
// a version that cannot be opened or read now is tried again at the next look.
bool checkTextFile(int fileExec, const std::string& filePath, TextFileWatch& watch, std::string& text);
