#pragma once
// Bytes of a text file or answer as UTF-16, told as the watched text file's reader tells them:
// a UTF-8 or UTF-16 byte-order mark says what follows; without one, valid UTF-8 that holds a
// multi-byte character is UTF-8 and anything else code page 932 (what Excel saves in Japan).
#include <string>

std::wstring decodeTextBytes(const std::string& bytes);

// Bytes whose charset a Content-Type names ("" when it names none). A byte-order mark still
// decides, being the stronger evidence; then a charset this program knows decodes them. Without
// a charset, or with one it cannot read (`known` false), they are told as decodeTextBytes tells
// them.
std::wstring decodeTextBytes(const std::string& bytes, const std::string& charset, bool& known);

// The code page of a charset name or one of its aliases, in any case ("EUC-JP", "x-sjis",
// "latin1"); UTF-16 is 1200 (little-endian, also for plain "utf-16") or 1201 (big-endian), and
// ISO-2022-JP 50220. False for a name it does not know.
bool codePageOfCharset(const std::string& charset, unsigned& codePage);

// The charset parameter of a Content-Type ("text/xml; charset=Shift_JIS" gives "shift_jis"),
// in lower case without quotes; empty when there is none.
std::string charsetOf(const std::string& contentType);

// The media type of a Content-Type in lower case, without parameters ("application/rss+xml").
std::string mediaTypeOf(const std::string& contentType);
