#pragma once
// Reading the watched text file into one caption text.
#include <string>

enum class CaptionFileRead { Read, CouldNotOpen, ReadError };

const int kMaxCaptionLines = 50;            // lines read at most
// Lengths of text in half-width cells (fw::CellsOf): the bytes of code page 932 text.
const size_t kCaptionTextLimit = 2000;      // reading stops after the line that passes it
const size_t kCaptionLineLimit = 64 * 1024; // a longer line is cut (and ends the reading)
// Bytes taken from the start of the file: far more than 50 lines can use, since the text stops
// past 2,000 cells and one line is cut at 64 Ki cells of text, at most 4 bytes of the file each.
const size_t kCaptionFileReadLimit = 1024 * 1024;

// Reads the start of the file into memory in one go and closes it, then makes the caption text
// from those bytes (captionTextFromBytes).
CaptionFileRead readCaptionText(const std::wstring& path, std::wstring& text);

// Joins the first lines with nothing in between: at most 50 lines, stopping after the line
// that makes the text longer than 2000 cells; a NUL ends the text. Text with a UTF-8 or
// UTF-16 byte-order mark, and text without a mark that is valid UTF-8 holding at least one
// multi-byte character, is taken as the characters it holds; any other text is code page 932.
// Code page 932 text practically never passes as UTF-8: its lead bytes 0x81-0x9F and its
// half-width kana 0xA1-0xDF are UTF-8 continuation bytes. A line is cut between characters,
// never inside a surrogate pair. `cut` says that the bytes end where reading stopped, not at
// the end of the file.
void captionTextFromBytes(const std::string& bytes, bool cut, std::wstring& text);

