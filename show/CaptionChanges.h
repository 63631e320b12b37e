#pragma once
// A batch of changes to captions on air that are no list item (a data source's items), made by
// the show at once and reported once.
#include <string>
#include <utility>
#include <vector>

#include "model/CaptionId.h"

struct CaptionChanges {
    std::vector<CaptionId> leave;                             // off air; the one on the strip finishes its pass
    std::vector<std::pair<CaptionId, std::wstring>> retext;   // a new text from its next pass on
    std::vector<std::pair<CaptionId, std::wstring>> join;     // on air at the end of the cycle, with no display time

    bool empty() const { return leave.empty() && retext.empty() && join.empty(); }
};
