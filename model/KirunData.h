#pragma once
// One caption item: the text as the operator typed it, its display time, whether it is on air.
#include <cstddef>
#include <string>
#include <utility>

// A caption text's limit in half-width cells (fw::CellsOf), wherever a text enters the list or
// a strip: 1,000 ASCII characters, 500 Japanese ones, 500 of any other script.
constexpr std::size_t kMaxCaptionTextCells = 1000;

class CKirunData {
public:
    CKirunData() = default;
    CKirunData(std::wstring text, int minutes, int state = 0)
        : m_text(std::move(text)), m_minutes(minutes), m_state(state) {}
    virtual ~CKirunData() = default;
    CKirunData(const CKirunData&) = default;
    CKirunData& operator=(const CKirunData&) = default;
    CKirunData(CKirunData&&) = default;
    CKirunData& operator=(CKirunData&&) = default;

    std::wstring m_text;  // UTF-16; may hold "\r\n"
    int m_minutes = 1;   // display time in minutes
    int m_state = 0;     // 0 = not on air, 1 = on air
};
