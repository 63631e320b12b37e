#include "sources/SourceCaptions.h"

#include <unordered_map>

#include "feeds/UpdatePlan.h"

bool SourceCaptions::sameAs(const std::vector<SourceItem>& items) const {
    if (items.size() != m_items.size()) return false;
    for (size_t i = 0; i < items.size(); ++i)
        if (items[i].key != m_items[i].key || items[i].text != m_items[i].text) return false;
    return true;
}

CaptionChanges SourceCaptions::leaveAll() const {
    CaptionChanges changes;
    if (m_offAir) return changes;  // nothing of it is on air
    for (const Item& item : m_items) changes.leave.push_back(item.id);
    return changes;
}

CaptionChanges SourceCaptions::update(const std::vector<SourceItem>& items, const NewId& newId) {
    CaptionChanges changes;
    if (m_offAir && sameAs(items)) return changes;  // taken off, and the source has not changed
    const bool wasOffAir = m_offAir;
    m_offAir = false;

    std::vector<std::wstring> keys;
    keys.reserve(m_items.size());
    for (const Item& item : m_items) keys.push_back(item.key);
    const UpdatePlan plan = planUpdate(keys, items);
    std::unordered_map<size_t, CaptionId> ids;  // new item's index → its id
    for (size_t gone : plan.leave)
        if (!wasOffAir) changes.leave.push_back(m_items[gone].id);
    for (const auto& stay : plan.stay) {
        const Item& kept = m_items[stay.first];
        ids[stay.second] = kept.id;
        if (!wasOffAir && kept.text != items[stay.second].text) changes.retext.emplace_back(kept.id, items[stay.second].text);
    }
    for (size_t joined : plan.join) {
        ids[joined] = newId();
        if (!wasOffAir) changes.join.emplace_back(ids[joined], items[joined].text);
    }
    std::vector<Item> next;
    next.reserve(items.size());
    for (size_t i = 0; i < items.size(); ++i) {
        const auto id = ids.find(i);
        if (id == ids.end()) continue;  // a repeated key counts once
        next.push_back(Item{items[i].key, id->second, items[i].text});
        // Back from off air, every item joins again, in the source's order.
        if (wasOffAir) changes.join.emplace_back(id->second, items[i].text);
    }
    m_items = std::move(next);
    return changes;
}

CaptionChanges SourceCaptions::takeOffAir() {
    CaptionChanges changes = leaveAll();
    m_offAir = true;
    return changes;
}

CaptionChanges SourceCaptions::clear() {
    CaptionChanges changes = leaveAll();
    m_items.clear();
    m_offAir = false;
    return changes;
}
