#pragma once
// What the platform's profile readers make of a stored value (as ProfileText finds it).
#include <cstddef>
#include <string>

// GetPrivateProfileStringA: a value in matching single or double quotes loses them; the text
// is cut to at most `maxBytes` between characters.
std::string profileStringValue(std::string stored, size_t maxBytes);

// GetPrivateProfileIntA: the first 29 characters of the value read as a number: leading
// control characters skipped, one sign, "0x", "0o" or "0b" for hex, octal or binary, digits
// up to the first other character, wrapping at 32 bits. An empty value gives `defaultValue`.
int profileIntValue(const std::string& stored, int defaultValue);
