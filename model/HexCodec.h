#pragma once
// Caption texts in the settings file: every byte as two hex digits, so that line breaks,
// "=", ";" and leading blanks survive the line-based format.
#include <string>

// Two lower-case digits per byte, in order: "abc" gives "616263".
std::string encodeHex(const std::string& text);

// The bytes that `hex` encodes, pair by pair; digits of either case, any other character
// counts as 0, and "00" gives a NUL byte like any other pair. A source of odd length
// decodes to nothing and sets *oddLength (when given), so that the caller can say so.
std::string decodeHex(const std::string& hex, bool* oddLength = nullptr);

// 0 to 15 for "0"-"9", "a"-"f" and "A"-"F"; 0 for any other character.
int hexDigitValue(char digit);
