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

    void append(const CKirunData& item) { m_items.push_back(item); }
    void append(CKirunData&& item) { m_items.push_back(std::move(item)); }
    void reserve(int count) { m_items.reserve(static_cast<size_t>(count)); }
    bool replaceAt(int position, const CKirunData& item);
    bool eraseAt(int position);
    bool setStateAt(int position, int state);

    int count() const { return static_cast<int>(m_items.size()); }
    bool full() const { return count() >= kMaxItems; }
    bool contains(int position) const { return position >= 0 && position < count(); }
    const CKirunData& at(int position) const { return m_items[static_cast<size_t>(position)]; }

    std::vector<CKirunData>::const_iterator begin() const { return m_items.begin(); }
    std::vector<CKirunData>::const_iterator end() const { return m_items.end(); }

private:
    std::vector<CKirunData> m_items;
};
