#pragma once
// The once-a-second look at the watched text file: when its last-write time or its size has
// changed since the last look, its text is read for the strip.
#include <windows.h>

#include <string>

struct TextFileWatch {
    int lastFileDataValid = 0;       // 1: lastFileData holds the baseline
    WIN32_FIND_DATAW lastFileData{}; // the file's entry as last taken (its write time and size count)
};

// True when the entry is another version than the one last taken: its last-write time or its
// size differs. A file copied over the watched one keeps its source's older time, so a time
// that goes back counts too.
bool isNewVersion(const WIN32_FIND_DATAW& entry, const WIN32_FIND_DATAW& last);

// The path as typed or pasted into the settings dialog, as the settings file gives it back at
// the next start: surrounding blanks dropped, then one pair of double quotes around it (as
// Explorer's "Copy as path" gives it) and the blanks inside them.
std::wstring watchedPathFromInput(const std::wstring& typed);

// False for a path that names no ordinary file: a wildcard pattern (the search would find some
// file, but the pattern itself cannot be opened), a device such as CON, NUL, COM1 or LPT1 (as
// the last part of the path, with or without an extension; reading a console or a serial port
// would wait for input) or anything in the device namespace "\\.\".
bool isWatchablePath(const std::wstring& filePath);

// One look at the file. A path that is not watchable, or that names a directory, is looked at
// but never read. Returns true with `text` set when a newer version was read and gave a
// non-empty text, without the carriage returns that stood alone in the file. The first look
// takes the baseline (zeroes for a missing file, so that a file created later counts as new).
// The baseline moves only once a new version has been read: a version that cannot be opened
// or read now is tried again at the next look. A version saved while it was being read is
// read again, whole, and becomes the baseline. The path may hold any character.
bool checkTextFile(int fileExec, const std::wstring& filePath, TextFileWatch& watch, std::wstring& text);
