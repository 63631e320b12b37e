#pragma once
// The captions on air, in the order they are shown, with their remaining display times.
// Plain logic without windows: the caption window keeps the position of the caption to show
// next (`next`) and lets these operations keep it pointing at the same caption.
#include <cstddef>
#include <string>
#include <vector>

#include "display/KirunListener.h"

// The run-list keys of the text-file caption, of a text put on air by a command and of the
// caption that cuts in; they are never list positions.
constexpr int kFileCaptionIndex = 60000;
constexpr int kFreeTextIndex = 60001;
constexpr int kCutInIndex = 60002;

struct RunItem {
    int index = 0;                        // caption list position, or kFileCaptionIndex
    int minutes = 0;                      // display time as given
    std::wstring text;                    // one line
    CKirunListener* listener = nullptr;   // not owned; told when the time is up
    int remaining = 0;                    // tenths of a second left
};

class RunList {
public:
    static constexpr int kTenthsPerMinute = 600;

    // Renews every item with that index (text, minutes, listener, time restarted);
    // appends a new item when none has it.
    void add(int index, const std::wstring& text, int minutes, CKirunListener* listener);

    // Takes off the first item with that index; false when none is on air.
    bool remove(int index, int& next);

    // One tenth of a second passes for every item. An item whose time runs out is reported
    // to its listener and then removed; items without a listener or without a positive time
    // stay on air.
    void countDown(int& next);

    // The item to show next (null when the list is empty); `next` then moves on cyclically.
    // While the cut-in caption is on air it is the one shown, pass after pass, and `next` waits
    // on the caption of the cycle that is due.
    const RunItem* selectNext(int& next) const;
    // The run-list position of the item with that index; -1 when none is on air.
    int positionOf(int index) const;

    // After list position `position` was deleted, later positions move up by one. The
    // text-file and free-text keys are no positions and stay.
    void shiftIndicesAfter(int position);

    bool empty() const { return m_items.empty(); }
    int count() const { return static_cast<int>(m_items.size()); }
    const RunItem& at(int position) const { return m_items[static_cast<size_t>(position)]; }
    const RunItem* find(int index) const;

private:
    static int tenthsFor(int minutes);
    void removeAt(size_t position, int& next);

    std::vector<RunItem> m_items;
};
