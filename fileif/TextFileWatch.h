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

// False for a path that names no ordinary file: a wildcard pattern (the search would find some
// file, but the pattern itself cannot be opened), a device such as CON, NUL, COM1 or LPT1 (as
// the last part of the path, with or without an extension; reading a console or a serial port
// would wait for input) or anything in the device namespace "\\.\".
bool isWatchablePath(const std::string& filePath);

// One look at the file. A path that is not watchable, or that names a directory, is looked at
// but never read. Returns true with `text` set when a newer version was read and gave a
// non-empty text. The first look takes the baseline (zeroes for a missing file, so that a file
// created later counts as newer). The baseline moves only once a newer version has been read:
// a version that cannot be opened or read now is tried again at the next look.
bool checkTextFile(int fileExec, const std::string& filePath, TextFileWatch& watch, std::string& text);
