#pragma once
// Text from feeds as a caption shows it: HTML tags removed, character references decoded,
// runs of blanks and line breaks collapsed into one space, nothing at either end.
#include <string>

// `markup` as plain text. A "<" starts a tag only when a letter, "/", "!" or "?" follows it and a
// ">" closes it, so "a < b" stays as it is. Named references of HTML's common set and numeric
// ones (decimal and hexadecimal) are decoded; an unknown or broken one stays as written. A
// reference to NUL, a surrogate or past U+10FFFF becomes U+FFFD.
std::wstring plainTextOf(const std::wstring& markup);

// `text` cut to `cells` half-width cells (fw::CellsOf) between characters.
std::wstring boundedText(const std::wstring& text, size_t cells);
