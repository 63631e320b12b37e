#pragma once
// Conversions between the code pages, UTF-8 and UTF-16 that text files and settings files are
// stored in, and recognition of their byte-order marks. One place, so that every reader takes
// a file's text the same way.
#include <windows.h>

#include <cstddef>
#include <string>

namespace fw {

enum class TextMark { None, Utf8, Utf16LittleEndian, Utf16BigEndian };

// The byte-order mark the bytes start with.
TextMark MarkOf(const std::string& bytes);
// The mark's bytes ("" for None).
const char* MarkBytes(TextMark mark);
size_t MarkLength(TextMark mark);

// Bytes of the code page (CP_UTF8 included) as UTF-16; empty for empty or unconvertible text.
std::wstring Widen(const std::string& bytes, UINT codePage);
// UTF-16 in the code page. `defaultChar` stands for what the code page cannot hold (nullptr:
// the system's choice); it must be nullptr for CP_UTF8.
std::string Narrow(const std::wstring& wide, UINT codePage, const char* defaultChar = nullptr);

// UTF-16 code units stored as bytes from `from` on, in either byte order; an odd last byte is
// not a unit.
std::wstring Utf16FromBytes(const std::string& bytes, size_t from, bool bigEndian);
std::string Utf16Bytes(const std::wstring& wide, bool bigEndian);

// True when the bytes are valid UTF-8 (no overlong form, surrogate or value past U+10FFFF)
// and hold at least one multi-byte sequence. With `cut`, a sequence broken off at the very end
// counts as valid.
bool IsUtf8WithMultiByte(const std::string& bytes, bool cut);

}  // namespace fw
