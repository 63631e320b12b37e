#pragma once
// One caption item: the text as the operator typed it, its display time, whether it is on air.
#include <cstddef>
#include <string>
#include <utility>

// A caption text's limit in bytes, wherever a text enters the list or a strip.
constexpr std::size_t kMaxCaptionTextBytes = 1000;

class CKirunData {
public:
    CKirunData() = default;
    CKirunData(std::string text, int minutes, int state = 0)
        : m_text(std::move(text)), m_minutes(minutes), m_state(state) {}
    virtual ~CKirunData() = default;
    CKirunData(const CKirunData&) = default;
    CKirunData& operator=(const CKirunData&) = default;
    CKirunData(CKirunData&&) = default;
    CKirunData& operator=(CKirunData&&) = default;

    std::string m_text;  // code page 932; may hold "\r\n"
    int m_minutes = 1;   // display time in minutes
    int m_state = 0;     // 0 = not on air, 1 = on air
};
