#pragma once
// Bytes of a text file or answer as UTF-16, told as the watched text file's reader tells them:
// a UTF-8 or UTF-16 byte-order mark says what follows; without one, valid UTF-8 that holds a
// multi-byte character is UTF-8 and anything else code page 932 (what Excel saves in Japan).
#include <string>

std::wstring decodeTextBytes(const std::string& bytes);

// The charset parameter of a Content-Type ("text/xml; charset=Shift_JIS" gives "shift_jis"),
// in lower case without quotes; empty when there is none.
std::string charsetOf(const std::string& contentType);

// The media type of a Content-Type in lower case, without parameters ("application/rss+xml").
std::string mediaTypeOf(const std::string& contentType);
