#pragma once
// The ordered list of caption items of the control page. Positions count from 0; an
// operation given a position outside the list changes nothing.
#include <cstddef>
#include <utility>
#include <vector>

#include "model/KirunData.h"

class CaptionList {
public:
    // Items the list can hold: list positions are the strip's caption keys, and the next key
    // belongs to the text-file caption.
    static constexpr int kMaxItems = 60000;

    // Appends the item under a new id.
    void append(const CKirunData& item) { append(CKirunData(item)); }
    void append(CKirunData&& item);
    void reserve(int count) { m_items.reserve(static_cast<size_t>(count)); }
    // Gives the item at `position` the text and minutes of `item`; it keeps its id.
    bool replaceAt(int position, const CKirunData& item);
    bool eraseAt(int position);
    // Puts the item at `position` on `lane`.
    bool setLane(int position, int lane);
    // Gives the item at `position` its time on air.
    bool setWindow(int position, const AirWindow& window);
    // Lane `removed` is gone: its items go to lane 1, those of later lanes down one.
    void laneRemoved(int removed);
    // The position of the item with that id; -1 when the list holds none.
    int positionOf(CaptionId id) const;

    int count() const { return static_cast<int>(m_items.size()); }
    bool full() const { return count() >= kMaxItems; }
    bool contains(int position) const { return position >= 0 && position < count(); }
    const CKirunData& at(int position) const { return m_items[static_cast<size_t>(position)]; }

    std::vector<CKirunData>::const_iterator begin() const { return m_items.begin(); }
    std::vector<CKirunData>::const_iterator end() const { return m_items.end(); }

private:
    std::vector<CKirunData> m_items;
    CaptionId m_nextId = caption_ids::kFirstGiven;
};
