#include "panel/CaptionRows.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "framework/App.h"
#include "framework/Mbcs.h"
#include "framework/WideText.h"
#include "panel/PageTexts.h"
#include "panel/TimeLeftText.h"

namespace {
using namespace page_texts;

const int kNumberColumn = 0;
const int kMinutesColumn = 1;
const int kStateColumn = 2;
const int kTextColumn = 3;
const int kTimeLeftColumn = 4;
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
    int column = 0;
    for (const ListColumn& c : kListColumns)
        m_list.InsertColumn(column++, c.header, c.format, fw::ScaledForWindow(page, c.width));
}

void CaptionRows::scaleColumns(HWND page) {
    int column = 0;
    for (const ListColumn& c : kListColumns) m_list.SetColumnWidth(column++, fw::ScaledForWindow(page, c.width));
}

void CaptionRows::showAll() {
    const int selected = m_list.GetFirstSelected();
    const CaptionList& captions = m_controller.captionList();
    m_list.SetRedraw(false);
    m_list.DeleteAllItems();
    m_offList.clear();
    m_list.ReserveItems(captions.count());
    int row = 0;
    for (const CKirunData& item : captions) {
        char number[16];
        std::snprintf(number, sizeof number, "%d", row + 1);
        char minutes[16];
        std::snprintf(minutes, sizeof minutes, "%d", item.m_minutes);
        m_list.InsertItem(row, number);
        m_list.SetItemText(row, kMinutesColumn, minutes);
        m_list.SetItemText(row, kStateColumn, kOffAir);
        // The text is asked for when a row is drawn or read: the list view keeps no copy of
        // texts of up to a thousand bytes for each of up to 60,000 rows.
        m_list.SetItemText(row, kTextColumn, LPSTR_TEXTCALLBACKA);
        ++row;
    }
    for (const Show::OnAir& onAir : m_controller.show().captionsOnAir())
        if (onAir.position >= 0) m_list.SetItemText(onAir.position, kStateColumn, kOnAir);
    showOffList();
    showTimesLeft();
    if (selected != -1) selectRow(selected);
    m_list.SetRedraw(true);
}

void CaptionRows::showItemState(int position) {
    const CaptionList& captions = m_controller.captionList();
    if (!captions.contains(position)) return;
    const bool onAir = m_controller.onAir(position);
    m_list.SetItemText(position, kStateColumn, onAir ? kOnAir : kOffAir);
    const int tenths = m_controller.show().tenthsLeft(captions.at(position).m_id);
    m_list.SetItemText(position, kTimeLeftColumn, onAir && tenths >= 0 ? timeLeftText(tenths).c_str() : "");
}

void CaptionRows::showOffList() {
    const std::vector<KirunController::OffListCaption> wanted = m_controller.offListCaptions();
    const int first = firstOffListRow();
    bool sameRows = wanted.size() == m_offList.size();
    for (size_t i = 0; sameRows && i < wanted.size(); ++i)
        sameRows = wanted[i].kind == m_offList[i].kind && wanted[i].source == m_offList[i].source;
    if (!sameRows) {
        // A few rows (three captions, sixteen sources at most): they are made anew, and the
        // selection stays with its caption or source while that is still there.
        const HWND list = m_list.Hwnd();
        const int selectedRow = m_list.GetFirstSelected();
        const bool selectedOffList = isOffListRow(selectedRow);
        const OffListRow* selectedOne = selectedOffList ? &m_offList[static_cast<size_t>(selectedRow - first)] : nullptr;
        const ShowRow::Kind selectedKind = selectedOne ? selectedOne->kind : ShowRow::Kind::Item;
        const int selectedSource = selectedOne ? selectedOne->source : -1;
        for (int row = first + static_cast<int>(m_offList.size()) - 1; row >= first; --row)
            ListView_DeleteItem(list, row);
        m_offList.clear();
        for (const KirunController::OffListCaption& caption : wanted) {
            m_list.InsertItem(first + static_cast<int>(m_offList.size()), markOf(caption.kind, caption.source).c_str());
            m_offList.push_back(OffListRow{caption.kind, caption.source, std::wstring(), -1, caption.state});
        }
        if (selectedOffList) {
            const int now = rowOf(selectedKind, selectedSource);
            // A caption gone from the air leaves the selection on the row that took its place.
            selectRow(now != -1 ? now : selectedRow);
        }
    }
    for (size_t i = 0; i < wanted.size(); ++i) setOffListCells(first + static_cast<int>(i), wanted[i], !sameRows);
}

void CaptionRows::setOffListCells(int row, const KirunController::OffListCaption& caption, bool force) {
    OffListRow& shown = m_offList[static_cast<size_t>(row - firstOffListRow())];
    if (caption.kind == ShowRow::Kind::Source) {
        // A source has no minutes and no time left: its state and what its last look gave.
        if (force || shown.state != caption.state) m_list.SetItemText(row, kStateColumn, stateOf(caption.state));
        shown.state = caption.state;
        if (force || shown.text != caption.text) m_list.SetItemText(row, kTextColumn, caption.text.c_str());
        shown.text = caption.text;
        return;
    }
    if (force || shown.minutes != caption.minutes) {
        char minutes[16];
        std::snprintf(minutes, sizeof minutes, "%d", caption.minutes);
        m_list.SetItemText(row, kMinutesColumn, minutes);
        m_list.SetItemText(row, kStateColumn, kOnAir);
        shown.minutes = caption.minutes;
    }
    // A text set again each second would make the list redraw its row for nothing.
    if (force || shown.text != caption.text) {
        m_list.SetItemText(row, kTextColumn, caption.text.c_str());
        shown.text = caption.text;
    }
    m_list.SetItemText(row, kTimeLeftColumn, timeLeftText(caption.tenthsLeft).c_str());
}

void CaptionRows::showTimesLeft() {
    for (const Show::OnAir& onAir : m_controller.show().captionsOnAir()) {
        if (onAir.kind == ShowRow::Kind::Source) continue;  // a source's items have no rows
        const int row = onAir.kind == ShowRow::Kind::Item ? onAir.position : rowOf(onAir.kind);
        if (row == -1) continue;
        m_list.SetItemText(row, kTimeLeftColumn, timeLeftText(onAir.tenthsLeft).c_str());
    }
}

int CaptionRows::rowOf(ShowRow::Kind kind, int source) const {
    for (size_t i = 0; i < m_offList.size(); ++i)
        if (m_offList[i].kind == kind && m_offList[i].source == source) return firstOffListRow() + static_cast<int>(i);
    return -1;
}

bool CaptionRows::isOffListRow(int row) const {
    const int first = firstOffListRow();
    return row >= first && row < first + static_cast<int>(m_offList.size());
}

CaptionRows::Target CaptionRows::selected() const {
    Target target;
    const int row = m_list.GetFirstSelected();
    if (row == -1) return target;
    if (isOffListRow(row)) {
        const OffListRow& shown = m_offList[static_cast<size_t>(row - firstOffListRow())];
        target.selected = true;
        target.kind = shown.kind;
        target.source = shown.source;
        return target;
    }
    if (!m_controller.captionList().contains(row)) return target;
    target.selected = true;
    target.position = row;
    target.id = m_controller.captionList().at(row).m_id;
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
    if (!m_controller.captionList().contains(item.iItem)) return;
    const std::wstring& text = m_controller.captionList().at(item.iItem).m_text;
    size_t length = std::min(text.size(), static_cast<size_t>(item.cchTextMax - 1));
    if (length > 0 && length < text.size() && fw::IsHighSurrogate(text[length - 1])) --length;
    std::memcpy(item.pszText, text.data(), length * sizeof(wchar_t));
    item.pszText[length] = L'\0';
}

void CaptionRows::textAsked(NMLVDISPINFOA* info) const {
    LVITEMA& item = info->item;
    if (!(item.mask & LVIF_TEXT) || item.iSubItem != kTextColumn || !item.pszText || item.cchTextMax <= 0) return;
    item.pszText[0] = '\0';
    if (!m_controller.captionList().contains(item.iItem)) return;
    const std::string text = fw::CutToBytes(fw::CodePage932FromWide(m_controller.captionList().at(item.iItem).m_text),
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
