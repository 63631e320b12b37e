#pragma once
// One data source's items as captions of the cycle (MODE 0), look after look, without a restart:
// an item whose key is on air keeps its place and its id (a changed text takes effect at its
// next pass), a new key joins at the end of the cycle under a new id, a key that is gone leaves
// (the caption on the strip finishes its pass). The changes come back for the show to make.
// Taken off air by the operator or a clear, the items stay off until the source next changes.
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "feeds/SourceItems.h"
#include "show/CaptionChanges.h"

class SourceCaptions {
public:
    using NewId = std::function<CaptionId()>;

    // The source's items as its latest good look gave them.
    CaptionChanges update(const std::vector<SourceItem>& items, const NewId& newId);
    // Every item leaves the air until update() brings a change.
    CaptionChanges takeOffAir();
    // The show took every caption off air itself: the same, with nothing left to take.
    void takenOffAir() { m_offAir = true; }
    // Every item leaves and is forgotten (the source was switched off).
    CaptionChanges clear();

    size_t count() const { return m_items.size(); }
    bool onAir() const { return !m_offAir && !m_items.empty(); }
    bool offAir() const { return m_offAir; }

private:
    struct Item {
        std::wstring key;
        CaptionId id = caption_ids::kNone;
        std::wstring text;
    };
    bool sameAs(const std::vector<SourceItem>& items) const;
    CaptionChanges leaveAll() const;

    std::vector<Item> m_items;  // in the source's order
    bool m_offAir = false;
};
