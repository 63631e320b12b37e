#include "feeds/UpdatePlan.h"

#include <unordered_map>

UpdatePlan planUpdate(const std::vector<std::wstring>& onAirKeys, const std::vector<SourceItem>& items) {
    UpdatePlan plan;
    std::unordered_map<std::wstring, size_t> newIndex;
    for (size_t i = 0; i < items.size(); ++i) newIndex.emplace(items[i].key, i);
    std::unordered_map<std::wstring, size_t> onAirIndex;
    for (size_t i = 0; i < onAirKeys.size(); ++i) {
        if (!onAirIndex.emplace(onAirKeys[i], i).second) continue;
        auto found = newIndex.find(onAirKeys[i]);
        if (found == newIndex.end()) plan.leave.push_back(i);
        else plan.stay.push_back({i, found->second});
    }
    for (size_t i = 0; i < items.size(); ++i)
        if (newIndex[items[i].key] == i && onAirIndex.find(items[i].key) == onAirIndex.end()) plan.join.push_back(i);
    return plan;
}
