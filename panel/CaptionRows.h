#pragma once
// The caption list view's rows: one for every list item, then one for each caption on air that
// is no list item (the watched file's, the cut-in, the free text, in that order) for as long as
// it is on air, and one for each data source, marked in the number column. What the rows show is read from the controller and
// its show; the view keeps no copy of the items' texts (it asks for them as it draws).
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "framework/Controls.h"
#include "framework/Gdi.h"
#include "control/KirunController.h"

class CaptionRows {
public:
    // What a row stands for: a list item (its position), or a caption that is no item.
    struct Target {
        bool selected = false;  // false: no row is highlighted
        ShowRow::Kind kind = ShowRow::Kind::Item;
        int position = -1;      // of a list item
        CaptionId id = caption_ids::kNone;  // of a list item: its caption, wherever it moves
        int source = -1;        // of a data source's row, from 0
        bool item() const { return selected && kind == ShowRow::Kind::Item; }
        bool offList() const { return selected && kind != ShowRow::Kind::Item; }
    };

    CaptionRows(fw::ListView& list, const KirunController& controller) : m_list(list), m_controller(controller) {}
    CaptionRows(const CaptionRows&) = delete;
    CaptionRows& operator=(const CaptionRows&) = delete;

    // The columns, at the resolution of `page`'s monitor.
    void insertColumns(HWND page);
    void scaleColumns(HWND page);

    // Shows every row again, with redrawing off while it does; the selection stays on its row.
    void showAll();
    // The on-air state and time left of the item at `position`.
    void showItemState(int position);
    // Brings the rows of the captions that are no item in line with what is on air.
    void showOffList();
    // Sets the time-left column of the rows on air, and nothing else.
    void showTimesLeft();

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
    struct OffListRow {
        ShowRow::Kind kind;
        int source;         // a data source's index; -1 for a caption
        std::wstring text;  // as shown
        int minutes;
        SourceRow::State state;
    };
    int firstOffListRow() const { return m_controller.captionList().count(); }
    // The row of the caption of that kind (or of that source); -1 when it has none.
    int rowOf(ShowRow::Kind kind, int source = -1) const;
    bool isOffListRow(int row) const;
    void setOffListCells(int row, const KirunController::OffListCaption& caption, bool force);
    // The list's font made narrower until the widest mark fits the number column.
    HFONT markFont();

    fw::ListView& m_list;
    const KirunController& m_controller;
    std::vector<OffListRow> m_offList;  // the rows below the items, in order
    fw::Font m_markFont;
    int m_markFontColumnWidth = -1;     // the number column's width m_markFont was made for
};
