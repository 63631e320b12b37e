#pragma once
// A caption's identity for as long as it exists, whatever happens around it: a list item keeps
// its id through inserts, deletes and edits of other items, so a caption on air stays tied to
// its item without any renumbering. The watched file's caption, the free text and the cut-in
// have fixed ids; list items are given ids from kFirstGiven on, a data source's items ids from
// kFirstSource on: the list would have to take more than two thousand million items in one run
// to reach them.
#include <cstdint>

using CaptionId = std::uint32_t;

namespace caption_ids {
constexpr CaptionId kNone = 0;
constexpr CaptionId kFile = 1;      // the watched file's caption
constexpr CaptionId kFreeText = 2;  // a text put on air by a command, with no list row
constexpr CaptionId kCutIn = 3;     // the caption that cuts in ahead of the cycle
constexpr CaptionId kFirstGiven = 16;
constexpr CaptionId kFirstSource = 0x80000000u;
}  // namespace caption_ids

// Whether the caption is an item of a data source.
constexpr bool isSourceCaption(CaptionId id) { return id >= caption_ids::kFirstSource; }
