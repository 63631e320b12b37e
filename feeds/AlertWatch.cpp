#include "feeds/AlertWatch.h"

#include <algorithm>

#include "feeds/SourceItems.h"

namespace {
std::wstring keyOf(const FeedEntry& entry) {
    return entry.id.empty() ? L"text:" + entry.title + L"\n" + entry.summary : L"id:" + entry.id;
}
}  // namespace

AlertWatch::AlertWatch(const SourceSettings& settings)
    : m_matchWords(splitBarList(settings.match)), m_areaWords(splitBarList(settings.area)) {}

void AlertWatch::reset() {
    m_baselined = false;
    m_seen.clear();
    m_order.clear();
}

bool AlertWatch::remember(const std::wstring& key) {
    ++m_clock;
    auto found = m_seen.find(key);
    const bool fresh = found == m_seen.end();
    if (fresh) m_seen.emplace(key, m_clock);
    else found->second = m_clock;
    m_order.push_back({m_clock, key});
    // The queue holds a key once for each time it was seen; only its latest mark counts, and an
    // older one at the front is dropped. Past the bound the oldest key is forgotten.
    while (!m_order.empty()) {
        const auto& oldest = m_order.front();
        auto mark = m_seen.find(oldest.second);
        const bool latest = mark != m_seen.end() && mark->second == oldest.first;
        if (latest && m_order.size() <= kMaxRemembered) break;
        if (latest) m_seen.erase(mark);
        m_order.pop_front();
    }
    return fresh;
}

std::vector<FeedEntry> AlertWatch::look(const std::vector<FeedEntry>& entries) {
    std::vector<FeedEntry> cutIns;
    for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry) {
        const bool fresh = remember(keyOf(*entry));
        if (fresh && m_baselined && entryMatches(*entry, m_matchWords, m_areaWords)) cutIns.push_back(*entry);
    }
    m_baselined = true;
    return cutIns;
}
