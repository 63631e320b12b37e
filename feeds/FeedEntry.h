#pragma once
// What a parser finds in a source's bytes: its entries, as plain text, or why none could be read.
#include <string>
#include <vector>

// One entry of a feed, an alert, a JSON value, a CSV cell or a line of text. Every field is
// plain text (tags removed, entities decoded, blanks collapsed) and bounded (kMaxFieldCells).
struct FeedEntry {
    std::wstring id;       // Atom id, RSS guid, CAP identifier; empty when the source has none
    std::wstring title;    // RSS/Atom title; CAP headline, else its event; the value or the line
    std::wstring summary;  // Atom content, else summary; RSS description; CAP description
    std::wstring author;   // Atom author name (the issuing office), RSS author or dc:creator; CAP sender name
    std::wstring area;     // CAP areaDesc (several joined by "、")
    std::wstring event;    // CAP event
};

struct FeedParse {
    bool ok = false;
    std::vector<FeedEntry> entries;  // in the document's order
    std::wstring reason;             // why not ok, for the operator (ASCII, in English)
    std::wstring note;               // what the operator should know of a good read ("unknown charset x-foo")
};

// Bounds that no source passes, so that a hostile one costs a bounded amount of memory.
constexpr size_t kMaxFeedEntries = 1000;    // entries kept, the first in the document
constexpr size_t kMaxFieldCells = 4000;     // a field is cut to this many half-width cells
