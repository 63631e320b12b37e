#pragma once
// The caption list view's rows, drawn from the show's snapshot: one for every list item, then one
// for each caption on air that is no list item (the watched file's, the cut-in, the free text,
// in that order) for as long as it is on air, and one for each data source, marked in the number
// column. A レーン column after 残り時間 says each row's lane while the show holds more than one.
// The view keeps no copy of the items' texts (it asks the list for them as it draws); it keeps
// what each row's cells show, so that a new snapshot sets only the cells that differ.
#include <windows.h>
#include <commctrl.h>

#include <cstddef>
#include <string>
#include <vector>

#include "framework/Controls.h"
#include "framework/Gdi.h"
#include "show/Show.h"

class CaptionRows {
public:
    // What a row stands for: a list item (its position), or a caption that is no item.
    struct Target {
        bool selected = false;  // false: no row is highlighted
        ShowRow::Kind kind = ShowRow::Kind::Item;
        int position = -1;      // of a list item
        CaptionId id = caption_ids::kNone;  // of a list item: its caption, wherever it moves
        int source = -1;        // of a data source's row, from 0
        int lane = 1;           // the row's lane
        bool item() const { return selected && kind == ShowRow::Kind::Item; }
        bool offList() const { return selected && kind != ShowRow::Kind::Item; }
    };

    CaptionRows(fw::ListView& list, const Show& show) : m_list(list), m_show(show) {}
    CaptionRows(const CaptionRows&) = delete;
    CaptionRows& operator=(const CaptionRows&) = delete;

    // The columns, at the resolution of `page`'s monitor.
    void insertColumns(HWND page);
    void scaleColumns(HWND page);

    // Shows `snapshot`: the item rows are made anew when their number changed (with redrawing
    // off, the selection staying on its row), the rows below them when their captions or sources
    // changed (the selection staying with its caption); otherwise only the cells that differ are set.
    void draw(const ShowSnapshot& snapshot);
    // Shows `row`, the snapshot's row of the list item at `position`, and nothing else.
    void drawItem(int position, const ShowRow& row);

    // The highlighted row (the selection mark stays behind when a click below the rows takes
    // the highlight away, so it is not asked).
    Target selected() const;
    // Selects the row (the last one when `row` lies beyond it), gives it the list's focus mark
    // and scrolls it into view; nothing when the list is empty.
    void selectRow(int row);

    // The list view asks for an item's text as it draws or reads it, in UTF-16 or the ANSI code page.
    void textAsked(NMLVDISPINFOW* info) const;
    void textAsked(NMLVDISPINFOA* info) const;
    // The selection in the page's grey while the focus is elsewhere, and the number column's
    // marks of the captions that are no item narrowed to fit it.
    LRESULT customDraw(NMLVCUSTOMDRAW* draw, COLORREF pageColor);

private:
    // What a row's cells show now; -1 (or 0 for the lane): the cell is empty.
    struct Drawn {
        ShowRow::Kind kind = ShowRow::Kind::Item;
        int number = 0;         // the snapshot row's number
        int lane = 1;           // the row's lane
        int minutes = -1;
        int state = -1;         // 0 off air, 1 on air, 2 waiting for its time on air, 3 its time on air over; a source: 10 + its SourceRow::State
        std::string timeLeft;   // the time left cell's text
        int laneShown = 0;
        size_t text = 0;        // the text's hash
        bool textSet = false;
    };
    bool isOffListRow(int row) const { return row >= m_items && row < static_cast<int>(m_drawn.size()); }
    // The row below the items of that kind, number and lane; -1 when there is none.
    int rowOf(const Drawn& wanted) const;
    void makeItemRows(const ShowSnapshot& snapshot);
    void makeOffListRows(const ShowSnapshot& snapshot);
    void setCells(int row, const ShowRow& shown);
    void showLaneColumn(bool shown);
    // Widens the time left column when `text` does not fit in it.
    void fitTimeLeftColumn(const std::string& text);
    // The list's font made narrower until the widest mark fits the number column.
    HFONT markFont();

    fw::ListView& m_list;
    const Show& m_show;
    std::vector<Drawn> m_drawn;  // every row, in order
    int m_items = 0;             // the item rows, first in m_drawn
    bool m_laneColumn = false;
    HWND m_page = nullptr;       // for the columns' resolution
    fw::Font m_markFont;
    int m_markFontColumnWidth = -1;     // the number column's width m_markFont was made for
    LocalMinute m_now = 0;              // the wall clock's minute as the rows are drawn: "today"
};
