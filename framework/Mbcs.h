#pragma once
// Multi-byte text in the process's ANSI code page (932 for this program): where a character
// begins, so that texts are cut and searched between characters, never inside one.
#include <cstddef>
#include <string>

namespace fw {

bool IsLeadByte(unsigned char byte);

// The largest length <= limit that ends on a character boundary of s.
size_t CharBoundaryAtOrBefore(const std::string& s, size_t limit);

// s cut to at most `limit` bytes, back to the last whole character.
std::string CutToBytes(const std::string& s, size_t limit);

// Position of the last single-byte character c in s (a trail byte equal to c does not count);
// std::string::npos when there is none.
size_t FindLastChar(const std::string& s, char c);

// UTF-16 text in code page 932, the program's caption code page: a character it lacks becomes
// one "?", a character beyond the basic plane (a surrogate pair) too.
std::string CodePage932FromWide(std::wstring wide);

// s with a-z made A-Z; every other byte, lead and trail bytes included, as it is.
std::string UpperAscii(std::string s);

}  // namespace fw
