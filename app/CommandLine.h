#pragma once
// The command line of the program: "-D586" turns on the debug console, "-T<n>" asks for batch
// mode with list number n. Pure logic: the scan returns what it found and the lines to echo.
#include <string>
#include <vector>

#include "model/CaptionCommand.h"

struct CommandLineScan {
    int debugMode = 0;
    int batchMode = 0;
    std::vector<int> captionNumbers;  // valid "-T" numbers in order, duplicates kept
    bool formatError = false;         // a "-T" without a number of 1 or more: the program ends
    // "-S<n>", "-R<n>", "-C", "-X", "-A<text>" and "-I<text>" in order; "-M<minutes>" gives every
    // "-A" and "-I" its time, "-L<n>" (a lane 1..4, or "*" for every lane) every "-A", "-I", "-C"
    // and "-X" its lane (the last "-L" counts; without one the runner's default for each).
    std::vector<CaptionCommand> commands;
    bool commandError = false;        // one of those without a valid value
    std::string echo;                 // the lines to write on the inherited standard output
};

// Scans the arguments after the program path, left to right; stops at the first format error.
// The texts of "-A" and "-I" are taken as they are; the echo is in code page 932.
CommandLineScan scanCommandLine(const std::vector<std::wstring>& arguments);

// The number after "-T" as the C format "%d" reads it: blanks skipped, a sign accepted,
// trailing characters ignored. False when there is no number or it does not fit an int.
bool scanDecimal(const char* text, int& value);

// The directory part of the program path: everything before its last backslash, with the
// backslash kept for a drive root ("E:\\"); empty when there is none.
std::wstring directoryOfProgram(const std::wstring& programPath);
