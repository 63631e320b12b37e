#pragma once
// The one mapping between the kinds of rows the page and the remote show and the ids of the
// captions that are no list item.
#include "model/CaptionId.h"
#include "show/ShowSnapshot.h"

inline ShowRow::Kind kindOf(CaptionId id) {
    if (isSourceCaption(id)) return ShowRow::Kind::Source;
    switch (id) {
    case caption_ids::kFile: return ShowRow::Kind::File;
    case caption_ids::kFreeText: return ShowRow::Kind::FreeText;
    case caption_ids::kCutIn: return ShowRow::Kind::CutIn;
    default: return ShowRow::Kind::Item;
    }
}

// The id of a File, CutIn or FreeText row's caption; kNone for an item's or a source's row.
inline CaptionId idOfKind(ShowRow::Kind kind) {
    switch (kind) {
    case ShowRow::Kind::File: return caption_ids::kFile;
    case ShowRow::Kind::CutIn: return caption_ids::kCutIn;
    case ShowRow::Kind::FreeText: return caption_ids::kFreeText;
    default: return caption_ids::kNone;
    }
}

// The captions each lane holds once at most that are no list item, in the order of their rows.
constexpr CaptionId kOffListIds[] = {caption_ids::kFile, caption_ids::kCutIn, caption_ids::kFreeText};
