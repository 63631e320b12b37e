#pragma once
// One caption item: the text as the operator typed it and its display time. Whether it is on air
// is the show's to know; the list gives each item an id the show knows it by.
#include <cstddef>
#include <string>
#include <utility>

#include "model/AirWindow.h"
#include "model/CaptionId.h"

// A caption text's limit in half-width cells (fw::CellsOf), wherever a text enters the list or
// a strip: 1,000 ASCII characters, 500 Japanese ones, 500 of any other script.
constexpr std::size_t kMaxCaptionTextCells = 1000;

class CKirunData {
public:
    CKirunData() = default;
    CKirunData(std::wstring text, int minutes) : m_text(std::move(text)), m_minutes(minutes) {}
    virtual ~CKirunData() = default;
    CKirunData(const CKirunData&) = default;
    CKirunData& operator=(const CKirunData&) = default;
    CKirunData(CKirunData&&) = default;
    CKirunData& operator=(CKirunData&&) = default;

    std::wstring m_text;  // UTF-16; may hold "\r\n"
    int m_minutes = 1;   // display time in minutes
    CaptionId m_id = caption_ids::kNone;  // given by the list the item is in
    int m_lane = 1;      // the lane it goes on air on, 1 to kMaxLanes
    AirWindow m_window;  // its time on air; unset: whenever it is on air
};
