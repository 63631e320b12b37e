#pragma once
// Which entries of an alert source cut in, look after look. The first look after switching on
// is the baseline: what is there already does not cut in. After it, each entry not seen before
// that passes MATCH and AREA cuts in, once in the run. Seen entries are remembered by their id and
// their title (their title and summary when they have no id), at most kMaxRemembered keys: the
// oldest are forgotten first, and the entries of the latest look are always remembered. An entry
// with an id is new when its id or its title was not seen.
#include <deque>
#include <string>
#include <unordered_map>
#include <vector>

#include "feeds/FeedEntry.h"
#include "model/SourceSettings.h"

class AlertWatch {
public:
    static constexpr size_t kMaxRemembered = 4 * kMaxFeedEntries;

    explicit AlertWatch(const SourceSettings& settings);

    // The entries of one good look that cut in now, oldest first (feeds list the newest first,
    // so the document's order is turned round).
    std::vector<FeedEntry> look(const std::vector<FeedEntry>& entries);
    // Back to before the baseline, as after switching the source off and on.
    void reset();

    bool baselined() const { return m_baselined; }
    size_t remembered() const { return m_seen.size(); }

private:
    // Remembers the key as seen now; true when it was not remembered before.
    bool remember(const std::wstring& key);

    std::vector<std::wstring> m_matchWords;
    std::vector<std::wstring> m_areaWords;
    bool m_baselined = false;
    unsigned long long m_clock = 0;
    std::unordered_map<std::wstring, unsigned long long> m_seen;  // key → when last seen
    std::deque<std::pair<unsigned long long, std::wstring>> m_order;  // (when, key), oldest first
};
