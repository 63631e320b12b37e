#include "feeds/AlertWatch.h"

#include <algorithm>

#include "feeds/SourceItems.h"


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
        // An entry with an id is new when its id or its title is: a feed that keeps one id for
        // an alert it rewrites (or for all its alerts) still cuts each new title in.
        bool fresh = false;
        if (entry->id.empty()) {
            fresh = remember(L"text:" + entry->title + L"\n" + entry->summary);
        } else {
            fresh = remember(L"id:" + entry->id);
            if (!entry->title.empty()) fresh = remember(L"title:" + entry->title) || fresh;
        }
        if (fresh && m_baselined && entryMatches(*entry, m_matchWords, m_areaWords)) cutIns.push_back(*entry);
    }
    m_baselined = true;
    return cutIns;
}
