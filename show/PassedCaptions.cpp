#include "show/PassedCaptions.h"

void PassedCaptions::passed(const std::wstring& text, bool followsCaption, int laneWidth, long long columns) {
    if (columns <= 0 || laneWidth <= 0) return;
    m_captions.push_back(Caption{text, followsCaption, laneWidth, columns});
    m_columns += columns;
    // The oldest goes once the newer ones cover every strip without it.
    while (!m_captions.empty() &&
           (m_columns - m_captions.front().columns >= kKeptColumns || m_captions.size() > kKeptCaptions)) {
        m_columns -= m_captions.front().columns;
        m_captions.pop_front();
    }
}

size_t PassedCaptions::firstCovering(long long columns) const {
    size_t first = m_captions.size();
    for (long long covered = 0; first > 0 && covered < columns;) covered += m_captions[--first].columns;
    return first;
}
