#pragma once
// A command to the show, from any surface: the command line, another Kirunner process, OSC, the
// HTTP API. Commands of the first seven kinds change only what is on air, never the caption
// list or the settings file; the list edits come only from surfaces that the operator has
// switched on for them (the HTTP API) and go the way the page's buttons go.
#include <string>

#include "model/AirWindow.h"
#include "model/CaptionId.h"

struct CaptionCommand {
    enum Kind {
        kShowItem = 1,  // put list item `number` (counted from 1) on air, renewing it
        kHideItem = 2,  // take list item `number` off air
        kClearAll = 3,  // take every caption off air
        kShowText = 4,  // put `text` on air for `minutes` under a key of its own
        kShowStrip = 5, // show the strip (`number` 1) or hide it (`number` 0), as 表示ON/表示OFF
        kCutIn = 6,     // put `text` on air for `minutes` ahead of the cycle, repeating
        kClearNow = 7,  // take every caption off air and blank the strip at once, without draining
        kEndCutIn = 8,  // take the cut-in off air
        kAddItem = 9,   // append `text` with `minutes` to the list
        kChangeItem = 10,  // give list item `number` the `text` and `minutes`
        kDeleteItem = 11,  // delete list item `number`
        kSwitchSource = 12,  // switch data source `number` (from 1) on (`minutes` 1) or off (0)
    };
    Kind kind = kClearAll;
    int number = 0;
    int minutes = 1;
    std::wstring text;  // UTF-16, one line
    // The lane the command is for, 1 to kMaxLanes; kLaneUnnamed: none named (lane 1, or for
    // kClearAll and kClearNow every lane); kEveryLane: every lane.
    static constexpr int kLaneUnnamed = 0;
    static constexpr int kEveryLane = -1;
    int lane = kLaneUnnamed;
    // For kChangeItem and kDeleteItem: the caption that entry `number` must still hold, as the
    // sender last saw the list (kNone: whatever it holds). A list changed by someone else in the
    // meantime then refuses the command rather than edit another caption.
    CaptionId item = caption_ids::kNone;
    // For kAddItem and kChangeItem: the entry's time on air (unset: none).
    AirWindow window;
};

// What a command achieved.
// kItemChanged: the entry no longer holds the caption the command named.
// kDoneUnsaved: a list edit carried out that the settings file could not keep (it could not be
// written, or is kept from being written over); it is on the page and the page's status line says so.
// kNoSuchLane: the command named a lane the show does not hold (a missing entry, as kNoSuchItem).
enum class CommandResult { kDone, kNoSuchItem, kRefused, kItemChanged, kDoneUnsaved, kNoSuchLane };
