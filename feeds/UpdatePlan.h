#pragma once
// How a source's captions on air follow a new look without starting over: an item whose key is
// on air already keeps its place (and its countdown), a new key joins, a key that is gone leaves.
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "feeds/SourceItems.h"

struct UpdatePlan {
    // (index in the keys on air, index in the new items): the same item, kept in place. Its
    // text may have changed (an edited title under the same id): take the new item's text.
    std::vector<std::pair<size_t, size_t>> stay;
    std::vector<size_t> join;   // indexes of new items that are not on air, in their order
    std::vector<size_t> leave;  // indexes of keys on air that the new items lack
};

// A key that appears twice on air or among the new items counts once, at its first place.
UpdatePlan planUpdate(const std::vector<std::wstring>& onAirKeys, const std::vector<SourceItem>& items);
