#pragma once
// Reading the watched text file into one caption text.
#include <string>

enum class CaptionFileRead { Read, CouldNotOpen, ReadError };

const int kMaxCaptionLines = 50;            // lines read at most
const size_t kCaptionTextLimit = 2000;      // reading stops after the line that passes it
const size_t kCaptionLineLimit = 64 * 1024; // a longer line is cut (and ends the reading)

// Reads the file's first lines and joins them with nothing in between: at most 50 lines,
// stopping after the line that makes the text longer than 2000 bytes; a NUL byte ends the
// text. A file that starts with a UTF-8 or UTF-16 byte-order mark is converted to code page
// 932 ("?" for what it cannot hold); any other file is taken byte for byte.
CaptionFileRead readCaptionText(const std::string& path, std::string& text);
