#pragma once
// Cut-ins waiting for the one on air to end: alerts that arrive together follow one another.
// Bounded: past kMaxWaiting the oldest waiting one is dropped, the newest alerts matter most.
#include <cstddef>
#include <deque>
#include <string>

class CutInQueue {
public:
    static constexpr size_t kMaxWaiting = 32;

    struct Waiting {
        std::wstring text;
        int minutes = 1;
    };

    void push(const std::wstring& text, int minutes);
    // The next one to cut in; false when none waits.
    bool pop(Waiting& next);
    void clear() { m_waiting.clear(); }
    size_t size() const { return m_waiting.size(); }

private:
    std::deque<Waiting> m_waiting;
};
