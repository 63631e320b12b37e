#include "panel/ControlDlg.h"

#include <cstdio>
#include <algorithm>
#include <cstring>

#include <windowsx.h>

#include "fileif/FileLookPeriod.h"
#include "fileif/FileSelDlg.h"
#include "framework/App.h"
#include "framework/Mbcs.h"
#include "framework/MessageBox.h"
#include "framework/UniqueHandle.h"
#include "framework/WideText.h"
#include "panel/KirunSettingDlg.h"
#include "panel/PropatyDlg.h"
#include "panel/TimeLeftText.h"
#include "resource.h"

namespace {
const char kSelectToShow[] = "KIRUN表示するデータを一覧で選択してください";
const char kSelectToChange[] = "設定変更するデータを一覧で選択してください";
const char kConfirmDelete[] = "選択したデータを削除しますか？";
const char kSelectToDelete[] = "削除更するデータを一覧で選択してください";
const char kNotOnDisplay[] = "削除するデータは表示データに含まれていません";
const char kShowFileNow[] = "ファイルにあるテキストを今すぐ表示しますか？";
const char kListFull[] = "これ以上テキストを追加できません（登録できるのは60000件までです）";

const char kOnAir[] = "表示中";
const char kCutInShow[] = "割り込み表示";
const char kCutInEnd[] = "割り込み終了";
const char kOffAir[] = "------";
const char kFileRowMark[] = "ファイル";  // the number column of the watched file's caption
const int kTextColumn = 3;
const int kTimeLeftColumn = 4;
const COLORREF kPageColor = RGB(100, 100, 100);
const COLORREF kUnfocusedSelectionText = RGB(255, 255, 255);
const char kAddTextTitle[] = "テキスト追加";
const char kChangeTextTitle[] = "テキスト変更";

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
#ifndef WM_DPICHANGED_AFTERPARENT
#define WM_DPICHANGED_AFTERPARENT 0x02E3
#endif
}  // namespace

CControlDlg::CControlDlg(KirunController& controller)
    : fw::Dialog(IDD_CONTROL_PAGE), m_bgBrush(CreateSolidBrush(kPageColor)), m_controller(controller) {}

void CControlDlg::DoDataExchange(fw::DataExchange& dx) {
    dx.Bind(IDC_CAPTION_LIST, m_listCtrl);
}

BOOL CControlDlg::OnInitDialog() {
    fw::Dialog::OnInitDialog();
    SetWindowTextA(m_hWnd, "Kirunner");

    m_listCtrl.SetExtendedStyle(0, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    m_listKeys.attach(m_listCtrl.Hwnd());
    m_anchors.record(m_hWnd, m_listCtrl.Hwnd());
    int column = 0;
    for (const ListColumn& c : kListColumns)
        m_listCtrl.InsertColumn(column++, c.header, c.format, fw::ScaledForWindow(m_hWnd, c.width));

    const KirunController::StartReport started = m_controller.start();
    if (started.nothingOnAir) PostMessageA(m_hWnd, kNothingOnAirMessage, 0, 0);
    SetTimer(kFileCheckTimer, fileLookPeriodMs());
    return TRUE;
}

void CControlDlg::refreshList() {
    const int selected = m_listCtrl.GetFirstSelected();
    m_listCtrl.SetRedraw(false);
    m_listCtrl.DeleteAllItems();
    m_listCtrl.ReserveItems(m_controller.captionList().count());
    int row = 0;
    for (const CKirunData& item : m_controller.captionList()) {
        char number[16];
        std::snprintf(number, sizeof number, "%d", row + 1);
        char minutes[16];
        std::snprintf(minutes, sizeof minutes, "%d", item.m_minutes);
        m_listCtrl.InsertItem(row, number);
        m_listCtrl.SetItemText(row, 1, minutes);
        m_listCtrl.SetItemText(row, 2, kOffAir);
        // The text is asked for when a row is drawn or read: the list view keeps no copy of
        // texts of up to a thousand bytes for each of up to 60,000 rows.
        m_listCtrl.SetItemText(row, kTextColumn, LPSTR_TEXTCALLBACKA);
        ++row;
    }
    for (const Show::OnAir& onAir : m_controller.show().captionsOnAir())
        if (onAir.position >= 0) m_listCtrl.SetItemText(onAir.position, 2, kOnAir);
    m_fileRowShown = false;
    std::wstring fileText;
    showFileRow(m_controller.fileCaptionOnAir(fileText) ? &fileText : nullptr);
    showTimesLeft();
    if (selected != -1) selectRow(selected);
    m_listCtrl.SetRedraw(true);
}

void CControlDlg::selectRow(int row) {
    const int rows = m_listCtrl.GetItemCount();
    if (rows == 0) return;
    if (row >= rows) row = rows - 1;
    const HWND list = m_listCtrl.Hwnd();
    ListView_SetItemState(list, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_SetSelectionMark(list, row);
    ListView_EnsureVisible(list, row, FALSE);
}

// The row's text as the list view asks for it, cut to its buffer between characters.
void CControlDlg::OnGetDispInfo(NMLVDISPINFOW* info) {
    LVITEMW& item = info->item;
    if (!(item.mask & LVIF_TEXT) || item.iSubItem != kTextColumn || !item.pszText || item.cchTextMax <= 0)
        return;
    item.pszText[0] = L'\0';
    if (!m_controller.captionList().contains(item.iItem)) return;
    const std::wstring& text = m_controller.captionList().at(item.iItem).m_text;
    size_t length = std::min(text.size(), static_cast<size_t>(item.cchTextMax - 1));
    if (length > 0 && length < text.size() && fw::IsHighSurrogate(text[length - 1])) --length;
    std::memcpy(item.pszText, text.data(), length * sizeof(wchar_t));
    item.pszText[length] = L'\0';
}

// The same for a list view that asks in the ANSI code page.
void CControlDlg::OnGetDispInfo(NMLVDISPINFOA* info) {
    LVITEMA& item = info->item;
    if (!(item.mask & LVIF_TEXT) || item.iSubItem != kTextColumn || !item.pszText || item.cchTextMax <= 0)
        return;
    item.pszText[0] = '\0';
    if (!m_controller.captionList().contains(item.iItem)) return;
    const std::string text = fw::CutToBytes(fw::CodePage932FromWide(m_controller.captionList().at(item.iItem).m_text),
                                            static_cast<size_t>(item.cchTextMax - 1));
    std::memcpy(item.pszText, text.c_str(), text.size() + 1);
}

void CControlDlg::rowChanged(int position) {
    const CaptionList& captions = m_controller.captionList();
    if (!captions.contains(position)) return;
    const bool onAir = m_controller.onAir(position);
    m_listCtrl.SetItemText(position, 2, onAir ? kOnAir : kOffAir);
    const int tenths = m_controller.show().tenthsLeft(captions.at(position).m_id);
    m_listCtrl.SetItemText(position, kTimeLeftColumn, onAir && tenths >= 0 ? timeLeftText(tenths).c_str() : "");
}

void CControlDlg::showFileRow(const std::wstring* text) {
    const int row = m_controller.captionList().count();
    const HWND list = m_listCtrl.Hwnd();
    if (!text) {
        if (!m_fileRowShown) return;
        const bool wasSelected = ListView_GetItemState(list, row, LVIS_SELECTED) != 0;
        ListView_DeleteItem(list, row);
        m_fileRowShown = false;
        if (wasSelected) selectRow(row);
        return;
    }
    if (!m_fileRowShown) {
        m_listCtrl.InsertItem(row, kFileRowMark);
        m_fileRowShown = true;
    }
    char minutes[16];
    std::snprintf(minutes, sizeof minutes, "%d", m_controller.fileInterface().fileMinute);
    m_listCtrl.SetItemText(row, 1, minutes);
    m_listCtrl.SetItemText(row, 2, kOnAir);
    m_listCtrl.SetItemText(row, kTextColumn, text->c_str());
    m_listCtrl.SetItemText(row, kTimeLeftColumn,
                           timeLeftText(m_controller.show().tenthsLeft(caption_ids::kFile)).c_str());
}

void CControlDlg::showTimesLeft() {
    for (const Show::OnAir& onAir : m_controller.show().captionsOnAir()) {
        const int row = onAir.kind == ShowRow::Kind::File ? fileRow() : onAir.position;
        if (row == -1) continue;
        m_listCtrl.SetItemText(row, kTimeLeftColumn, timeLeftText(onAir.tenthsLeft).c_str());
    }
}

void CControlDlg::closeRequested() {
    SendMessageA(GetParent(), WM_CLOSE, 0, 0);
}

int CControlDlg::showMessage(const char* text, UINT type) {
    return fw::ShowMessage(text, type);
}

BOOL CControlDlg::DestroyWindow() {
    KillTimer(kFileCheckTimer);
    m_controller.stop();
    return fw::Dialog::DestroyWindow();
}

void CControlDlg::scaleListColumns() {
    int column = 0;
    for (const ListColumn& c : kListColumns)
        m_listCtrl.SetColumnWidth(column++, fw::ScaledForWindow(m_hWnd, c.width));
}

LRESULT CControlDlg::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_TIMER:
        OnTimer(wp);
        return Default(msg, wp, lp);
    case WM_SIZE:
        m_anchors.follow(m_hWnd);
        return Default(msg, wp, lp);
    case WM_DPICHANGED_AFTERPARENT:
        // The system scales the page's controls to its new monitor, but not the columns.
        scaleListColumns();
        return Default(msg, wp, lp);
    case kNothingOnAirMessage:
        m_controller.endNothingOnAir();
        return 0;
    case WM_CONTEXTMENU:
        if (reinterpret_cast<HWND>(wp) != m_listCtrl.Hwnd()) break;
        OnListContextMenu(lp);
        return 0;
    }
    return fw::Dialog::HandleMessage(msg, wp, lp);
}

bool CControlDlg::OnNotify(int id, NMHDR* header, LRESULT& result) {
    if (id != IDC_CAPTION_LIST) return false;
    result = 0;
    switch (header->code) {
    case LVN_GETDISPINFOW:
        OnGetDispInfo(reinterpret_cast<NMLVDISPINFOW*>(header));
        return true;
    case LVN_GETDISPINFOA:
        OnGetDispInfo(reinterpret_cast<NMLVDISPINFOA*>(header));
        return true;
    case NM_CUSTOMDRAW:
        result = OnListCustomDraw(reinterpret_cast<NMLVCUSTOMDRAW*>(header));
        return true;
    case NM_RETURN:
        OnAddToCaption();
        return true;
    case NM_DBLCLK:
        // A double-click below the rows hits none.
        if (reinterpret_cast<NMITEMACTIVATE*>(header)->iItem >= 0) OnAddToCaption();
        return true;
    case LVN_KEYDOWN:
        OnListKey(reinterpret_cast<NMLVKEYDOWN*>(header)->wVKey);
        return true;
    }
    return false;
}

void CControlDlg::OnListKey(WORD key) {
    if (key == VK_DELETE) OnDeleteText();
    else if (key == VK_F2) OnChangeText();
    else if (key == 'N' && GetKeyState(VK_CONTROL) < 0) OnAddText();
}

// The list keeps showing its selection while the focus is elsewhere; the system's pale colour
// for it is hardly seen, so it is drawn in the page's own grey.
LRESULT CControlDlg::OnListCustomDraw(NMLVCUSTOMDRAW* draw) const {
    if (draw->nmcd.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
    if (draw->nmcd.dwDrawStage != CDDS_ITEMPREPAINT) return CDRF_DODEFAULT;
    const HWND list = m_listCtrl.Hwnd();
    const int row = static_cast<int>(draw->nmcd.dwItemSpec);
    if (GetFocus() == list || !ListView_GetItemState(list, row, LVIS_SELECTED)) return CDRF_DODEFAULT;
    draw->nmcd.uItemState &= ~static_cast<UINT>(CDIS_SELECTED);
    draw->clrText = kUnfocusedSelectionText;
    draw->clrTextBk = kPageColor;
    return CDRF_NEWFONT;
}

bool CControlDlg::OnButtonClicked(int id) {
    switch (id) {
    case IDC_ADD_TEXT: OnAddText(); return true;
    case IDC_CHANGE_TEXT: OnChangeText(); return true;
    case IDC_DELETE_TEXT: OnDeleteText(); return true;
    case IDC_DISPLAY_ON: OnDisplayOn(); return true;
    case IDC_DISPLAY_OFF: OnDisplayOff(); return true;
    case IDC_ADD_TO_CAPTION: OnAddToCaption(); return true;
    case IDC_REMOVE_FROM_DISPLAY: OnRemoveFromDisplay(); return true;
    case IDC_CAPTION_SETTINGS: OnCaptionSettings(); return true;
    case IDC_FILE_INTERFACE: OnFileInterface(); return true;
    case ID_CUTIN_SHOW: OnCutIn(); return true;
    case ID_CUTIN_END: OnEndCutIn(); return true;
    case IDC_CLEAR_NOW: m_controller.clearNow(); return true;
    }
    return fw::Dialog::OnButtonClicked(id);
}

int CControlDlg::selectedItem(const char* noSelectionMessage) const {
    // The highlighted row: the selection mark stays behind when a click on the blank area
    // below the rows takes the highlight away.
    // The watched file's row is no item: it counts as no selection.
    int position = m_listCtrl.GetFirstSelected();
    if (position == -1 || position == fileRow()) {
        fw::ShowMessage(noSelectionMessage);
        return -1;
    }
    return m_controller.captionList().contains(position) ? position : -1;
}

void CControlDlg::OnAddToCaption() {
    int position = selectedItem(kSelectToShow);
    if (position == -1) return;
    putOnAir(position);
}

void CControlDlg::OnRemoveFromDisplay() {
    const int row = m_listCtrl.GetFirstSelected();
    if (row != -1 && row == fileRow()) {
        m_controller.takeFileCaptionOffAir();
        return;
    }
    int position = selectedItem(kSelectToShow);
    if (position == -1) return;
    if (!m_controller.takeOffAir(position)) fw::ShowMessage(kNotOnDisplay);
}

void CControlDlg::OnListContextMenu(LPARAM lp) {
    const HWND list = m_listCtrl.Hwnd();
    const int selected = m_listCtrl.GetFirstSelected();
    POINT at{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    if (at.x == -1 && at.y == -1) {
        RECT anchor{0, 0, 0, 0};
        if (selected == -1 || !ListView_GetItemRect(list, selected, &anchor, LVIR_LABEL)) GetClientRect(list, &anchor);
        at = POINT{anchor.left, anchor.top};
        ClientToScreen(list, &at);
    }
    fw::Menu menu(CreatePopupMenu());
    if (!menu) return;
    const bool itemChosen = m_controller.captionList().contains(selected);
    AppendMenuA(menu.get(), MF_STRING | (itemChosen ? 0u : MF_GRAYED), ID_CUTIN_SHOW, kCutInShow);
    AppendMenuA(menu.get(), MF_STRING | (m_controller.cutInOnAir() ? 0u : MF_GRAYED), ID_CUTIN_END, kCutInEnd);
    // The chosen command comes back as a WM_COMMAND of the page.
    TrackPopupMenu(menu.get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, m_hWnd, nullptr);
}

void CControlDlg::OnCutIn() {
    const int position = selectedItem(kSelectToShow);
    if (position != -1) m_controller.cutInItem(position);
}

void CControlDlg::OnEndCutIn() { m_controller.endCutIn(); }

void CControlDlg::stripShownChanged(bool shown) {
    SendDlgItemMessageA(m_hWnd, IDC_DISPLAY_OFF, BM_SETSTATE, shown ? FALSE : TRUE, 0);
}

void CControlDlg::OnDisplayOn() { m_controller.showStrip(true); }

void CControlDlg::OnDisplayOff() { m_controller.showStrip(false); }

void CControlDlg::OnCaptionSettings() {
    CPropatyDlg dlg;
    dlg.setSettings(m_controller.appearance());
    if (dlg.DoModal() != IDOK) return;
    m_controller.setAppearance(dlg.settings());
}

void CControlDlg::OnAddText() {
    if (m_controller.captionList().full()) {
        fw::ShowMessage(kListFull);
        return;
    }
    CKirunSettingDlg dlg;
    dlg.setData(CKirunData());
    dlg.setTitle(kAddTextTitle);
    if (dlg.DoModal() != IDOK) return;
    m_controller.addItem(dlg.m_data);
    selectRow(m_controller.captionList().count() - 1);
}

void CControlDlg::OnChangeText() {
    int position = selectedItem(kSelectToChange);
    if (position == -1) return;
    CKirunSettingDlg dlg;
    dlg.setData(m_controller.captionList().at(position));
    dlg.setTitle(kChangeTextTitle);
    if (dlg.DoModal() != IDOK) return;
    m_controller.changeItem(position, dlg.m_data);
    selectRow(position);
}

void CControlDlg::OnDeleteText() {
    int position = selectedItem(kSelectToDelete);
    if (position == -1) return;
    if (fw::ShowMessage(kConfirmDelete, MB_YESNO) != IDYES) return;
    m_controller.deleteItem(position);
    // The row that moved up into its place, or the new last row.
    selectRow(position);
}

HBRUSH CControlDlg::OnCtlColor(HDC, HWND, UINT msg) {
    return msg == WM_CTLCOLORBTN || msg == WM_CTLCOLORDLG ? m_bgBrush.get() : nullptr;
}

void CControlDlg::OnFileInterface() {
    const FileInterfaceSettings& current = m_controller.fileInterface();
    CFileSelDlg dlg;
    dlg.fileExec = current.fileExec;
    dlg.filePath = current.filePath;
    dlg.fileMinute = current.fileMinute;
    if (dlg.DoModal() != IDOK) return;
    FileInterfaceSettings chosen = current;
    chosen.fileExec = dlg.fileExec;
    chosen.filePath = dlg.filePath;
    chosen.fileMinute = dlg.fileMinute;
    const bool switchedOn = chosen.fileExec != 0 && current.fileExec == 0;
    m_controller.setFileInterface(chosen);
    // No: the text already in the file waits for its next save, as ever.
    if (switchedOn && m_controller.watchedFileHoldsText() && fw::ShowMessage(kShowFileNow, MB_YESNO) == IDYES)
        m_controller.showWatchedFileNow();
}

void CControlDlg::OnTimer(UINT_PTR id) {
    if (id != kFileCheckTimer) return;
    m_controller.checkTextFile();
    m_controller.readSettingsAgain();
    showTimesLeft();
}
