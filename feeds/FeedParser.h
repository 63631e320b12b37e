#pragma once
// A source's bytes as entries, in the format its settings name or, for Auto, the one told from
// the answer's Content-Type and the bytes: an XML type or a first "<" is a feed or an alert, a
// JSON type or a first "{" or "[" is JSON, text/csv is CSV, anything else text.
#include <string>

#include "feeds/FeedEntry.h"
#include "model/SourceSettings.h"

// `contentType` is the answer's Content-Type ("" for none; a local file gets one from its
// extension, contentTypeOfPath). `field` is FIELD: a JSON Pointer for JSON; for CSV a column's
// header name or its number from 1 (empty: the first column).
FeedParse parseFeed(const std::string& bytes, const std::string& contentType, SourceFormat format,
                    const std::wstring& field);

// The format Auto reads the bytes as (never Auto; Rss stands for every XML document).
SourceFormat detectFormat(const std::string& bytes, const std::string& contentType);

// What a local file's extension says its bytes are: .xml .rss .atom .cap → XML, .json → JSON,
// .csv → CSV, anything else "" (told from the bytes).
std::string contentTypeOfPath(const std::wstring& path);
