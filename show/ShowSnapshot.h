#pragma once
// What is on air, as the page, the web remote and control-surface feedback read it: one row for
// every list item, then one for each caption on air that is no list item (the watched file's,
// the cut-in, the free text) and one for each data source. Made on the program's thread after
// every change; a copy may be read on any thread.
#include <string>
#include <vector>

#include "model/AirWindow.h"
#include "model/CaptionId.h"
#include "model/OverlayLook.h"

// A list item's time on air as its row shows it.
struct RowAirTime {
    AirWindow window;                    // unset: it has none
    bool waiting = false;                // on air (armed) but outside its window: 予定
    bool over = false;                   // its end or its plays are over: 終了
    LocalMinute opensAt = kNeverMinute;  // waiting: when it opens
    int playsLeft = -1;                  // with plays, while on air; -1 otherwise

    bool operator==(const RowAirTime& o) const {
        return window == o.window && waiting == o.waiting && over == o.over && opensAt == o.opensAt &&
               playsLeft == o.playsLeft;
    }
};

struct ShowRow {
    enum class Kind { Item, File, CutIn, FreeText, Source };
    Kind kind = Kind::Item;
    // Item: its list number, from 1. Source: the source's number, from 1. Otherwise 0.
    int number = 0;
    std::wstring text;
    int minutes = 0;
    bool onAir = false;
    // Whole seconds of display time left, rounded up; -1 while it is not on air.
    int secondsLeft = -1;
    // Item: its caption's id, which it keeps while other entries come and go.
    CaptionId id = caption_ids::kNone;
    // The lane the caption goes on air on (a source's: its captions').
    int lane = 1;
    // Item: its time on air and where it stands.
    RowAirTime air = {};

    bool operator==(const ShowRow& other) const {
        return kind == other.kind && number == other.number && id == other.id && onAir == other.onAir &&
               secondsLeft == other.secondsLeft && minutes == other.minutes && lane == other.lane && text == other.text &&
               air == other.air;
    }
    bool operator!=(const ShowRow& other) const { return !(*this == other); }
};

// The caption that entered a lane's strips last, for a page that draws the lane itself: it
// enters at the right edge as the one before has wholly entered, as on the strips.
struct LaneEntry {
    bool rolling = false;           // a caption is on the lane's strips, moving
    unsigned long long number = 0;  // grows with every caption that enters; 0 before the first
    std::wstring text;              // empty: the blank caption (nothing new enters)
    bool follows = false;           // it came right after another caption (the separator before it)
    bool fromBlank = false;         // the strips were cleared first (a cut-in, 今すぐ消去, a new layout)
    int width = 0;                  // its width on the strips, in lane columns

    bool operator==(const LaneEntry& other) const {
        return rolling == other.rolling && number == other.number && width == other.width &&
               follows == other.follows && fromBlank == other.fromBlank && text == other.text;
    }
};

// One lane as the surfaces see it.
struct LaneState {
    int number = 1;      // from 1
    std::wstring name;   // as the operator named it; may be empty
    bool shown = true;   // 表示ON
    bool cutIn = false;  // a cut-in is on air on it

    bool operator==(const LaneState& other) const {
        return number == other.number && shown == other.shown && cutIn == other.cutIn && name == other.name;
    }
};

struct ShowSnapshot {
    // Grows with every change of anything below.
    unsigned long long version = 0;
    bool stripShown = true;
    std::vector<ShowRow> rows;
    // The cut-in's position in rows; -1 while none is on air.
    int cutInRow = -1;
    // Every lane, in order; lane 1 first.
    std::vector<LaneState> lanes;
    // Each lane's last entry, in the same order.
    std::vector<LaneEntry> entries;
    // Each lane's look for overlays, in the same order (the gateway adds them; may be shorter).
    std::vector<OverlayLook> looks;

    // Whether the two show the same, whatever their versions.
    bool showsSame(const ShowSnapshot& other) const {
        return stripShown == other.stripShown && cutInRow == other.cutInRow && rows == other.rows && lanes == other.lanes &&
               entries == other.entries && looks == other.looks;
    }
};
