#pragma once
// A JSON answer as entries: the values a JSON Pointer (RFC 6901) names, where a "*" token stands
// for every element of an array ("/articles/*/title"). A string is taken as it is, a number as
// its text; a chosen array gives its strings and numbers; anything else is passed over. The
// empty pointer names the whole document. Each value is an entry's title. A pointer that names no
// place in the document fails; one that reaches an empty array through "*" gives no entries.
#include <string>

#include "feeds/FeedEntry.h"

// Nesting deeper than this is refused before the parser sees it, so that no recursion over a
// hostile document can run out of stack.
constexpr int kMaxJsonDepth = 64;

// `bytes` are UTF-8 (with or without a byte-order mark) or UTF-16 with its mark; invalid UTF-8
// fails, as does a pointer that is not "" and does not start with "/".
FeedParse parseJsonFeed(const std::string& bytes, const std::wstring& pointer);
