#pragma once
// Reading the watched text file into one caption text.
#include <string>

enum class CaptionFileRead { Read, CouldNotOpen, ReadError };

const int kMaxCaptionLines = 50;            // lines read at most
const size_t kCaptionTextLimit = 2000;      // reading stops after the line that passes it
const size_t kCaptionLineLimit = 64 * 1024; // a longer line is cut (and ends the reading)
// Bytes taken from the start of the file: far more than 50 lines can use, since the text stops
// past 2,000 bytes and one line is cut at 64 KiB of text, at most 4 bytes of the file each.
const size_t kCaptionFileReadLimit = 1024 * 1024;

// Reads the start of the file into memory in one go and closes it, then makes the caption text
// from those bytes (captionTextFromBytes).
CaptionFileRead readCaptionText(const std::string& path, std::string& text);

// Joins the first lines with nothing in between: at most 50 lines, stopping after the line
// that makes the text longer than 2000 bytes; a NUL byte ends the text. Text with a UTF-8 or
// UTF-16 byte-order mark, and text without a mark that is valid UTF-8 holding at least one
// multi-byte character, is converted to code page 932 ("?" for what it cannot hold); any
// other text is taken byte for byte. Code page 932 text practically never passes as UTF-8:
// its lead bytes 0x81-0x9F and its half-width kana 0xA1-0xDF are UTF-8 continuation bytes.
// `cut` says that the bytes end where reading stopped, not at the end of the file.
void captionTextFromBytes(const std::string& bytes, bool cut, std::string& text);

