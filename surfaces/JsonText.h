#pragma once
// The one place the surfaces meet the JSON library: every text goes out as UTF-8, and nothing
// that a client sends or a caption holds can make writing a document throw.
#include <nlohmann/json.hpp>

#include <string>

using Json = nlohmann::ordered_json;

// UTF-16 caption text as UTF-8 (an unpaired surrogate becomes U+FFFD).
std::string utf8Of(const std::wstring& text);
// The document on one line; bytes that are not UTF-8 are written as U+FFFD.
std::string jsonLine(const Json& document);
