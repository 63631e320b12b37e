#include "panel/CaptionRows.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>

#include "framework/App.h"
#include "framework/Mbcs.h"
#include "framework/WideText.h"
#include "panel/AirTimeText.h"
#include "panel/PageTexts.h"
#include "panel/TimeLeftText.h"

namespace {
using namespace page_texts;

const int kNumberColumn = 0;
const int kMinutesColumn = 1;
const int kStateColumn = 2;
const int kTextColumn = 3;
const int kTimeLeftColumn = 4;
const int kLaneColumn = 5;  // only while the show holds more than one lane
const COLORREF kUnfocusedSelectionText = RGB(255, 255, 255);
// Room the list view leaves either side of a cell's text, in pixels at 96 DPI.
const int kCellTextMargin = 6;

// The list's columns, their widths in pixels at 96 DPI.
struct ListColumn {
    const char* header;
    int format;
    int width;
};
const ListColumn kListColumns[] = {
    {"No.", LVCFMT_CENTER, 35},
    {"表示(分)", LVCFMT_CENTER, 70},
    {"状態", LVCFMT_CENTER, 50},
    {"ロールテキスト(先頭部)", LVCFMT_LEFT, 300},
    {"残り時間", LVCFMT_CENTER, 60},
};
const ListColumn kLaneListColumn = {"レーン", LVCFMT_CENTER, 50};

// The number column of a row below the items; `source`: a data source's index, from 0.
std::string markOf(ShowRow::Kind kind, int source) {
    switch (kind) {
    case ShowRow::Kind::CutIn: return kCutInRowMark;
    case ShowRow::Kind::FreeText: return kFreeTextRowMark;
    case ShowRow::Kind::Source: return kSourceRowMark + std::to_string(source + 1);
    default: return kFileRowMark;
    }
}

const char* stateOf(SourceRow::State state) {
    switch (state) {
    case SourceRow::State::Off: return kSourceOff;
    case SourceRow::State::OnAir: return kOnAir;
    case SourceRow::State::Watching: return kSourceWatching;
    default: return kOffAir;
    }
}
}  // namespace

void CaptionRows::insertColumns(HWND page) {
    m_page = page;
    int column = 0;
    for (const ListColumn& c : kListColumns)
        m_list.InsertColumn(column++, c.header, c.format, fw::ScaledForWindow(page, c.width));
}

void CaptionRows::scaleColumns(HWND page) {
    int column = 0;
    for (const ListColumn& c : kListColumns) m_list.SetColumnWidth(column++, fw::ScaledForWindow(page, c.width));
    if (m_laneColumn) m_list.SetColumnWidth(kLaneColumn, fw::ScaledForWindow(page, kLaneListColumn.width));
    // The time left texts fit the new scale again as they are next drawn.
    for (Drawn& drawn : m_drawn) drawn.timeLeft = "-";
}

void CaptionRows::fitTimeLeftColumn(const std::string& text) {
    // When a window opens (12/25 18:00から) is wider than a time left: the column grows to show
    // it whole, and never narrows below its own width.
    const HWND list = m_list.Hwnd();
    const int textWidth = static_cast<int>(SendMessageA(list, LVM_GETSTRINGWIDTHA, 0, reinterpret_cast<LPARAM>(text.c_str())));
    const int wanted = textWidth + 2 * fw::ScaledForWindow(list, kCellTextMargin);
    if (textWidth > 0 && wanted > ListView_GetColumnWidth(list, kTimeLeftColumn)) m_list.SetColumnWidth(kTimeLeftColumn, wanted);
}

void CaptionRows::showLaneColumn(bool shown) {
    if (shown == m_laneColumn) return;
    m_laneColumn = shown;
    if (shown)
        m_list.InsertColumn(kLaneColumn, kLaneListColumn.header, kLaneListColumn.format,
                            fw::ScaledForWindow(m_page, kLaneListColumn.width));
    else
        ListView_DeleteColumn(m_list.Hwnd(), kLaneColumn);
    for (Drawn& row : m_drawn) row.laneShown = 0;  // a new column's cells are empty
}

void CaptionRows::draw(const ShowSnapshot& snapshot) {
    m_now = localMinuteNow();
    showLaneColumn(snapshot.lanes.size() > 1);
    int items = 0;
    while (items < static_cast<int>(snapshot.rows.size()) && snapshot.rows[static_cast<size_t>(items)].kind == ShowRow::Kind::Item)
        ++items;
    if (items != m_items) {
        makeItemRows(snapshot);
        return;
    }
    for (int row = 0; row < items; ++row) setCells(row, snapshot.rows[static_cast<size_t>(row)]);
    makeOffListRows(snapshot);
}

void CaptionRows::drawItem(int position, const ShowRow& row) {
    if (position < 0 || position >= m_items || row.kind != ShowRow::Kind::Item || row.number != position + 1) return;
    m_now = localMinuteNow();
    setCells(position, row);
}

void CaptionRows::makeItemRows(const ShowSnapshot& snapshot) {
    const int selected = m_list.GetFirstSelected();
    m_list.SetRedraw(false);
    m_list.DeleteAllItems();
    m_drawn.clear();
    m_items = 0;
    size_t count = 0;
    while (count < snapshot.rows.size() && snapshot.rows[count].kind == ShowRow::Kind::Item) ++count;
    m_list.ReserveItems(static_cast<int>(count));
    m_drawn.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        const int row = static_cast<int>(i);
        char number[16];
        std::snprintf(number, sizeof number, "%d", row + 1);
        m_list.InsertItem(row, number);
        // The text is asked for when a row is drawn or read: the list view keeps no copy of
        // texts of up to a thousand bytes for each of up to 60,000 rows.
        m_list.SetItemText(row, kTextColumn, LPSTR_TEXTCALLBACKA);
        Drawn drawn;
        drawn.textSet = true;
        drawn.text = std::hash<std::wstring>()(snapshot.rows[i].text);
        m_drawn.push_back(drawn);
        m_items = row + 1;
        setCells(row, snapshot.rows[i]);
    }
    makeOffListRows(snapshot);
    if (selected != -1) selectRow(selected);
    m_list.SetRedraw(true);
}

void CaptionRows::makeOffListRows(const ShowSnapshot& snapshot) {
    const size_t first = static_cast<size_t>(m_items);
    const size_t wanted = snapshot.rows.size() - std::min(snapshot.rows.size(), first);
    bool sameRows = m_drawn.size() - first == wanted;
    for (size_t i = 0; sameRows && i < wanted; ++i) {
        const ShowRow& row = snapshot.rows[first + i];
        const Drawn& drawn = m_drawn[first + i];
        sameRows = row.kind == drawn.kind && row.number == drawn.number && row.lane == drawn.lane;
    }
    if (!sameRows) {
        // A few rows (a caption of each kind on each lane, sixteen sources at most): they are
        // made anew, and the selection stays with its caption or source while that is still there.
        const HWND list = m_list.Hwnd();
        const int selectedRow = m_list.GetFirstSelected();
        const bool selectedOffList = isOffListRow(selectedRow);
        const Drawn selectedOne = selectedOffList ? m_drawn[static_cast<size_t>(selectedRow)] : Drawn();
        for (int row = static_cast<int>(m_drawn.size()) - 1; row >= m_items; --row) ListView_DeleteItem(list, row);
        m_drawn.resize(first);
        for (size_t i = 0; i < wanted; ++i) {
            const ShowRow& row = snapshot.rows[first + i];
            m_list.InsertItem(static_cast<int>(first + i), markOf(row.kind, row.number - 1).c_str());
            Drawn drawn;
            drawn.kind = row.kind;
            drawn.number = row.number;
            drawn.lane = row.lane;
            m_drawn.push_back(drawn);
        }
        if (selectedOffList) {
            const int now = rowOf(selectedOne);
            // A caption gone from the air leaves the selection on the row that took its place.
            selectRow(now != -1 ? now : selectedRow);
        }
    }
    for (size_t i = 0; i < wanted; ++i) setCells(static_cast<int>(first + i), snapshot.rows[first + i]);
}

void CaptionRows::setCells(int row, const ShowRow& shown) {
    Drawn& drawn = m_drawn[static_cast<size_t>(row)];
    drawn.lane = shown.lane;
    const bool source = shown.kind == ShowRow::Kind::Source;
    const char* airState = airStateText(shown);
    int state = shown.onAir ? 1 : 0;
    if (airState) state = shown.air.over ? 3 : 2;
    if (source) {
        // A source's state is more than on air or not: waiting, watching, stopped.
        const std::vector<SourceRow>& sources = m_show.sourceRows();
        const size_t index = static_cast<size_t>(shown.number - 1);
        state = 10 + static_cast<int>(index < sources.size() ? sources[index].state : SourceRow::State::Off);
    }
    if (state != drawn.state) {
        const char* text = shown.onAir ? kOnAir : kOffAir;
        if (airState) text = airState;  // 予定, 終了
        if (source) text = stateOf(static_cast<SourceRow::State>(state - 10));
        m_list.SetItemText(row, kStateColumn, text);
        drawn.state = state;
    }
    // A source has no minutes and no time left.
    const int minutes = source ? -1 : shown.minutes;
    if (minutes != drawn.minutes) {
        char text[16];
        std::snprintf(text, sizeof text, "%d", minutes);
        m_list.SetItemText(row, kMinutesColumn, minutes < 0 ? "" : text);
        drawn.minutes = minutes;
    }
    std::string timeLeft = airTimeLeftText(shown, m_now);
    // A time left always fits its column; only a time on air's text is measured.
    const bool measured = !timeLeft.empty();
    if (timeLeft.empty() && shown.onAir && !source) timeLeft = timeLeftText(std::max(0, shown.secondsLeft) * 10);
    if (timeLeft != drawn.timeLeft) {
        m_list.SetItemText(row, kTimeLeftColumn, timeLeft.c_str());
        if (measured) fitTimeLeftColumn(timeLeft);
        drawn.timeLeft = std::move(timeLeft);
    }
    const int laneShown = m_laneColumn ? shown.lane : 0;
    if (laneShown != drawn.laneShown) {
        char text[16];
        std::snprintf(text, sizeof text, "%d", laneShown);
        m_list.SetItemText(row, kLaneColumn, laneShown == 0 ? "" : text);
        drawn.laneShown = laneShown;
    }
    // A text set again when it has not changed would make the list redraw its row for nothing.
    const size_t text = std::hash<std::wstring>()(shown.text);
    if (drawn.textSet && drawn.text == text) return;
    drawn.text = text;
    drawn.textSet = true;
    // An item's text is asked for as the row is drawn: the row is drawn again.
    if (shown.kind == ShowRow::Kind::Item) ListView_RedrawItems(m_list.Hwnd(), row, row);
    else m_list.SetItemText(row, kTextColumn, shown.text.c_str());
}

int CaptionRows::rowOf(const Drawn& wanted) const {
    for (size_t i = static_cast<size_t>(m_items); i < m_drawn.size(); ++i)
        if (m_drawn[i].kind == wanted.kind && m_drawn[i].number == wanted.number && m_drawn[i].lane == wanted.lane)
            return static_cast<int>(i);
    return -1;
}

CaptionRows::Target CaptionRows::selected() const {
    Target target;
    const int row = m_list.GetFirstSelected();
    if (row < 0 || row >= static_cast<int>(m_drawn.size())) return target;
    const Drawn& drawn = m_drawn[static_cast<size_t>(row)];
    target.lane = drawn.lane;
    if (isOffListRow(row)) {
        target.selected = true;
        target.kind = drawn.kind;
        target.source = drawn.kind == ShowRow::Kind::Source ? drawn.number - 1 : -1;
        return target;
    }
    const CaptionList& captions = m_show.captionList();
    if (!captions.contains(row)) return target;
    target.selected = true;
    target.position = row;
    target.id = captions.at(row).m_id;
    return target;
}

void CaptionRows::selectRow(int row) {
    const int rows = m_list.GetItemCount();
    if (rows == 0) return;
    if (row >= rows) row = rows - 1;
    const HWND list = m_list.Hwnd();
    ListView_SetItemState(list, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_SetSelectionMark(list, row);
    ListView_EnsureVisible(list, row, FALSE);
}

// The row's text as the list view asks for it, cut to its buffer between characters.
void CaptionRows::textAsked(NMLVDISPINFOW* info) const {
    LVITEMW& item = info->item;
    if (!(item.mask & LVIF_TEXT) || item.iSubItem != kTextColumn || !item.pszText || item.cchTextMax <= 0) return;
    item.pszText[0] = L'\0';
    if (!m_show.captionList().contains(item.iItem)) return;
    const std::wstring& text = m_show.captionList().at(item.iItem).m_text;
    size_t length = std::min(text.size(), static_cast<size_t>(item.cchTextMax - 1));
    if (length > 0 && length < text.size() && fw::IsHighSurrogate(text[length - 1])) --length;
    std::memcpy(item.pszText, text.data(), length * sizeof(wchar_t));
    item.pszText[length] = L'\0';
}

void CaptionRows::textAsked(NMLVDISPINFOA* info) const {
    LVITEMA& item = info->item;
    if (!(item.mask & LVIF_TEXT) || item.iSubItem != kTextColumn || !item.pszText || item.cchTextMax <= 0) return;
    item.pszText[0] = '\0';
    if (!m_show.captionList().contains(item.iItem)) return;
    const std::string text = fw::CutToBytes(fw::CodePage932FromWide(m_show.captionList().at(item.iItem).m_text),
                                            static_cast<size_t>(item.cchTextMax - 1));
    std::memcpy(item.pszText, text.c_str(), text.size() + 1);
}

// The list keeps showing its selection while the focus is elsewhere; the system's pale colour
// for it is hardly seen, so it is drawn in the page's grey. The marks 「ファイル」「割り込み」
// 「テキスト」 and those of the sources are wider than the number column: drawn in the list's
// font they would show as 「ファ...」, so they get a narrower one.
LRESULT CaptionRows::customDraw(NMLVCUSTOMDRAW* draw, COLORREF pageColor) {
    const DWORD stage = draw->nmcd.dwDrawStage;
    if (stage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
    if (stage != CDDS_ITEMPREPAINT && stage != (CDDS_ITEMPREPAINT | CDDS_SUBITEM)) return CDRF_DODEFAULT;
    const HWND list = m_list.Hwnd();
    const int row = static_cast<int>(draw->nmcd.dwItemSpec);
    LRESULT result = CDRF_DODEFAULT;
    if (GetFocus() != list && ListView_GetItemState(list, row, LVIS_SELECTED)) {
        draw->nmcd.uItemState &= ~static_cast<UINT>(CDIS_SELECTED);
        draw->clrText = kUnfocusedSelectionText;
        draw->clrTextBk = pageColor;
        result = CDRF_NEWFONT;
    }
    if (!isOffListRow(row)) return result;
    if (stage == CDDS_ITEMPREPAINT) return result | CDRF_NOTIFYSUBITEMDRAW;
    // Each cell of the row is drawn in the font selected for it: the mark's, or the list's own.
    const HFONT font = draw->iSubItem == kNumberColumn ? markFont()
                                                       : reinterpret_cast<HFONT>(SendMessageW(list, WM_GETFONT, 0, 0));
    if (font) SelectObject(draw->nmcd.hdc, font);
    return CDRF_NEWFONT;
}

HFONT CaptionRows::markFont() {
    const HWND list = m_list.Hwnd();
    const int columnWidth = ListView_GetColumnWidth(list, kNumberColumn);
    if (m_markFont && columnWidth == m_markFontColumnWidth) return m_markFont.get();
    m_markFont.reset();
    m_markFontColumnWidth = columnWidth;
    const HFONT listFont = reinterpret_cast<HFONT>(SendMessageW(list, WM_GETFONT, 0, 0));
    LOGFONTW logFont{};
    fw::WindowDC dc(list);
    if (!listFont || !dc || GetObjectW(listFont, sizeof logFont, &logFont) != sizeof logFont) return nullptr;
    const int room = columnWidth - 2 * fw::ScaledForWindow(list, kCellTextMargin);
    // Narrowed step by step: glyph widths do not scale exactly with the font's mean width. The
    // narrowest font made is kept should none fit.
    for (int attempt = 0; attempt < 8; ++attempt) {
        fw::Font font(CreateFontIndirectW(&logFont));
        if (!font) break;
        int widest = 0;
        TEXTMETRICW metrics{};
        {
            fw::SelectGuard select(dc.get(), font.get());
            const std::string widestSource = markOf(ShowRow::Kind::Source, SourceSettings::kMaxSources - 1);
            for (const char* mark : {kFileRowMark, kCutInRowMark, kFreeTextRowMark, widestSource.c_str()}) {
                const std::wstring text = fw::WideFromCodePage932(mark);
                SIZE size{0, 0};
                GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &size);
                widest = std::max(widest, static_cast<int>(size.cx));
            }
            GetTextMetricsW(dc.get(), &metrics);
        }
        m_markFont = std::move(font);
        if (widest <= room || room <= 0 || metrics.tmAveCharWidth <= 1) break;
        const LONG narrower = std::max<LONG>(1, MulDiv(metrics.tmAveCharWidth, room, widest));
        logFont.lfWidth = std::min<LONG>(narrower, metrics.tmAveCharWidth - 1);
    }
    return m_markFont.get();
}
