#pragma once
// What a data source's row says, on the page and in the remote's list: its name and what its
// last look gave ("ニュース　12件 15:04:05"), or why the latest look failed, in Japanese.
#include <cstddef>
#include <string>

#include "model/SourceSettings.h"

// A source's looks since it was switched on, as its row tells them.
struct SourceLooks {
    bool on = false;
    bool looked = false;      // a good look (200 or 304) was made
    size_t count = 0;         // items (MODE 0) or entries (MODE 1) of the last good answer
    int hour = 0, minute = 0, second = 0;  // local time of the last good look
    std::wstring failure;     // why the latest look failed (as the fetcher says it); empty when it did not
    std::wstring note;        // of the last good answer (as the parser says it); empty when none
    bool takenOff = false;    // its items were taken off air and the source has not changed since
};

std::wstring sourceRowText(const SourceSettings& settings, const SourceLooks& looks);

// What a source is called in its row: its NAME, or without one the host of its address (never
// a user name, password or query, which may hold a key) or its local file's name without the
// folder.
std::wstring sourceShownName(const SourceSettings& settings);

// A fetcher's or parser's reason (English) as the operator reads it; a reason it does not know
// is kept as it is.
std::wstring sourceReasonText(const std::wstring& reason);
