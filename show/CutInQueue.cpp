#include "show/CutInQueue.h"

#include <utility>

void CutInQueue::push(const std::wstring& text, int minutes) {
    if (m_waiting.size() >= kMaxWaiting) m_waiting.pop_front();
    m_waiting.push_back(Waiting{text, minutes});
}

bool CutInQueue::pop(Waiting& next) {
    if (m_waiting.empty()) return false;
    next = std::move(m_waiting.front());
    m_waiting.pop_front();
    return true;
}
