#pragma once
// Helpers for UTF-16 caption text: the text a strip or a list row shows, its size in the
// half-width cells of code page 932 (the measure of a caption's length), and its way to and
// from code page 932, the code page of the settings file's caption bytes.
#include <cstddef>
#include <string>

namespace fw {

// text with every "\r" and every "\n" taken out.
std::wstring WithoutLineBreaks(const std::wstring& text);

// Cells of one character: 1 for a character code page 932 stores in one byte (ASCII,
// half-width katakana), 2 for every other one, a surrogate pair included. Japanese text
// measures as many cells as it has bytes in code page 932.
size_t CellsOf(const wchar_t* character, size_t units);
// Cells of a whole text.
size_t CellsOf(const std::wstring& text);
// text cut after its last whole character that ends within `limit` cells; a surrogate pair is
// never split.
std::wstring CutToCells(const std::wstring& text, size_t limit);

// Bytes of code page 932 as UTF-16 (an invalid byte as the system maps it).
std::wstring WideFromCodePage932(const std::string& bytes);
// Whether code page 932 stores the text exactly: back from its bytes comes the same text.
bool CodePage932Holds(const std::wstring& text);

bool IsHighSurrogate(wchar_t c);
bool IsLowSurrogate(wchar_t c);

}  // namespace fw
