#pragma once
// Byte-wise text helpers that no code page can change: CR and LF and ASCII prefixes are never
// trail bytes of a double-byte character.
#include <string>

namespace fw {

bool StartsWith(const std::string& text, const char* prefix);

// text with every "\r" and every "\n" taken out: one line for a strip or a list row.
std::string WithoutLineBreaks(const std::string& text);

}  // namespace fw
