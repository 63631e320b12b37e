#pragma once
// Captions from a source's entries: the items that join the cycle (mode 0), the text of an entry
// that cuts in (mode 1), and which entries may cut in (MATCH and AREA).
#include <string>
#include <vector>

#include "feeds/FeedEntry.h"
#include "model/SourceSettings.h"

// One caption of a source, with the key that keeps its identity across looks.
struct SourceItem {
    std::wstring key;   // "id:" and the entry's id (an entry whose id came before in the document:
                        // the id, "\n" and the text), or "text:" and the text when it has none
    std::wstring text;  // PREFIX and the title, at most kMaxCaptionTextCells
};

// The items of mode 0: each entry's title after PREFIX, in the entries' order, at most MAXITEMS;
// an entry without a title, or one that repeats an earlier entry's id and text (its text alone
// when it has no id), is left out.
std::vector<SourceItem> cycleItems(const std::vector<FeedEntry>& entries, const SourceSettings& settings);

// The text of mode 1: PREFIX, the title, "：" and the summary (the title alone when there is no
// summary), at most kMaxCaptionTextCells.
std::wstring cutInText(const FeedEntry& entry, const SourceSettings& settings);

// Whether an entry may cut in: its title or event holds one of the MATCH words (every entry when
// MATCH is empty) and, when AREA is set, its author, summary or area holds one of the AREA
// words. Letters A-Z match either case.
bool entryMatches(const FeedEntry& entry, const std::vector<std::wstring>& matchWords,
                  const std::vector<std::wstring>& areaWords);
