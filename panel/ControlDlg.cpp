#include "panel/ControlDlg.h"

#include <vector>

#include "fileif/FileSelDlg.h"
#include "framework/MessageBox.h"
#include "panel/CsvCommands.h"
#include "panel/KirunSettingDlg.h"
#include "panel/ListContextMenu.h"
#include "panel/PageTexts.h"
#include "panel/PropatyDlg.h"
#include "panel/RemoteDlg.h"
#include "panel/SourcesDlg.h"
#include "resource.h"

namespace {
using namespace page_texts;

const COLORREF kPageColor = RGB(100, 100, 100);
const UINT kTimeLeftPeriodMs = 1000;
#ifndef WM_DPICHANGED_AFTERPARENT
#define WM_DPICHANGED_AFTERPARENT 0x02E3
#endif
}  // namespace

CControlDlg::CControlDlg(KirunController& controller)
    : fw::Dialog(IDD_CONTROL_PAGE), m_controller(controller), m_rows(m_listCtrl, controller.show()),
      m_bgBrush(CreateSolidBrush(kPageColor)) {}

void CControlDlg::DoDataExchange(fw::DataExchange& dx) {
    dx.Bind(IDC_CAPTION_LIST, m_listCtrl);
}

BOOL CControlDlg::OnInitDialog() {
    fw::Dialog::OnInitDialog();
    SetWindowTextA(m_hWnd, "Kirunner");

    m_listCtrl.SetExtendedStyle(0, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    m_listKeys.attach(m_listCtrl.Hwnd());
    m_anchors.record(m_hWnd, m_listCtrl.Hwnd());
    m_rows.insertColumns(m_hWnd);

    m_controller.show().addListener(this);
    m_listening = true;
    drawAll();
    SetTimer(kTimeLeftTimer, kTimeLeftPeriodMs);
    return TRUE;
}

BOOL CControlDlg::DestroyWindow() {
    if (m_listening) m_controller.show().removeListener(this);
    m_listening = false;
    if (m_hWnd) KillTimer(kTimeLeftTimer);
    return fw::Dialog::DestroyWindow();
}

void CControlDlg::showChanged(const ShowChange& change) {
    if (change.what != ShowChange::What::kState || !m_hWnd) return;
    if (change.position < 0) {
        drawAll();
        return;
    }
    // Many captions may end in one tick: each draws its own row, not the whole list again.
    m_rows.drawItem(change.position, m_controller.show().itemRow(change.position));
}

void CControlDlg::drawAll() {
    const ShowSnapshot snapshot = m_controller.show().snapshot();
    {
        // The list's key subclass is lifted while the rows are filled: under some systems every
        // message through a subclass costs a round trip, four a row.
        const CaptionListKeys::Lifted keysLifted(m_listKeys);
        m_rows.draw(snapshot);
    }
    m_lanes = snapshot.lanes;
    m_stripShown = snapshot.stripShown;
    showLaneShown();
}

void CControlDlg::showLaneShown() {
    const int lane = m_rows.selected().lane;
    bool shown = m_stripShown;
    for (const LaneState& state : m_lanes)
        if (state.number == lane) shown = state.shown;
    if (shown != m_offHeld) return;
    m_offHeld = !shown;
    SendDlgItemMessageA(m_hWnd, IDC_DISPLAY_OFF, BM_SETSTATE, m_offHeld ? TRUE : FALSE, 0);
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
        m_rows.scaleColumns(m_hWnd);
        return Default(msg, wp, lp);
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
        m_rows.textAsked(reinterpret_cast<NMLVDISPINFOW*>(header));
        return true;
    case LVN_GETDISPINFOA:
        m_rows.textAsked(reinterpret_cast<NMLVDISPINFOA*>(header));
        return true;
    case NM_CUSTOMDRAW:
        result = m_rows.customDraw(reinterpret_cast<NMLVCUSTOMDRAW*>(header), kPageColor);
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
    case LVN_ITEMCHANGED:
        // Another row's lane may be hidden: 表示OFF shows that lane's state.
        if (reinterpret_cast<NMLISTVIEW*>(header)->uChanged & LVIF_STATE) showLaneShown();
        return true;
    }
    return false;
}

void CControlDlg::OnListKey(WORD key) {
    if (key == VK_DELETE) OnDeleteText();
    else if (key == VK_F2) OnChangeText();
    else if (key == 'N' && GetKeyState(VK_CONTROL) < 0) OnAddText();
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
    case ID_REMOTE_SETTINGS: OnRemoteSettings(); return true;
    case ID_SOURCE_SETTINGS: OnSourceSettings(); return true;
    case ID_CSV_EXPORT: exportCaptionList(m_hWnd, m_controller); return true;
    case ID_CSV_IMPORT: importCaptionList(m_hWnd, m_controller); return true;
    case IDC_CLEAR_NOW: m_controller.clearNow(); return true;
    }
    return fw::Dialog::OnButtonClicked(id);
}

CaptionRows::Target CControlDlg::commandRow(const char* noSelection, const char* offListAnswer) const {
    const CaptionRows::Target row = m_rows.selected();
    if (!row.selected) {
        fw::ShowMessage(noSelection);
        return CaptionRows::Target();
    }
    if (row.offList() && offListAnswer) {
        fw::ShowMessage(row.kind == ShowRow::Kind::Source ? kSourceRowAnswer : offListAnswer);
        return CaptionRows::Target();
    }
    return row;
}

void CControlDlg::OnAddToCaption() {
    const CaptionRows::Target row = commandRow(kSelectToShow, kAlreadyOnAir);
    if (row.item()) putOnAir(row.position);
}

void CControlDlg::OnRemoveFromDisplay() {
    const CaptionRows::Target row = commandRow(kSelectToShow, nullptr);
    if (row.kind == ShowRow::Kind::Source && row.selected) {
        if (!m_controller.takeSourceOffAir(row.source)) fw::ShowMessage(kNotOnDisplay);
    } else if (row.offList()) m_controller.takeOffAir(row.kind);
    else if (row.item() && !m_controller.takeOffAir(row.position)) fw::ShowMessage(kNotOnDisplay);
}

void CControlDlg::OnListContextMenu(LPARAM lp) {
    const bool itemChosen = m_rows.selected().item();
    // Further commands on the list go here, each one entry.
    const std::vector<ListMenuEntry> entries = {
        {ID_CUTIN_SHOW, kCutInShow, itemChosen},
        {ID_CUTIN_END, kCutInEnd, m_controller.cutInOnAir()},
        {0, nullptr, true},
        {ID_CSV_EXPORT, kCsvExport, true},
        {ID_CSV_IMPORT, kCsvImport, true},
        {0, nullptr, true},
        {ID_SOURCE_SETTINGS, kSourceSettings, true},
        {ID_REMOTE_SETTINGS, kRemoteSettings, true},
    };
    showListContextMenu(m_hWnd, m_listCtrl.Hwnd(), lp, entries);
}

void CControlDlg::OnCutIn() {
    const CaptionRows::Target row = commandRow(kSelectToShow, kAlreadyOnAir);
    if (row.item()) m_controller.cutInItem(row.position);
}

void CControlDlg::OnEndCutIn() { m_controller.endCutIn(); }

void CControlDlg::OnRemoteSettings() {
    CRemoteDlg dlg;
    dlg.m_settings = m_controller.fileInterface().http;
    dlg.m_overlayLooks = m_controller.overlayLooks();
    for (const LaneState& lane : m_controller.show().laneStates()) dlg.m_laneNames.push_back(lane.name);
    if (dlg.DoModal() == IDOK) m_controller.setRemote(dlg.m_settings);
}

void CControlDlg::OnSourceSettings() {
    CSourcesDlg dlg(m_controller);
    dlg.m_sources = m_controller.fileInterface().sources;
    if (dlg.DoModal() == IDOK) m_controller.setSources(dlg.m_sources);
}

void CControlDlg::OnDisplayOn() { showLane(true); }

void CControlDlg::OnDisplayOff() { showLane(false); }

void CControlDlg::showLane(bool shown) {
    CaptionCommand command;
    command.kind = CaptionCommand::kShowStrip;
    command.number = shown ? 1 : 0;
    command.lane = m_rows.selected().lane;
    m_controller.runCommand(command);
    // The click let the button up: held down again while its lane stays hidden.
    SendDlgItemMessageA(m_hWnd, IDC_DISPLAY_OFF, BM_SETSTATE, m_offHeld ? TRUE : FALSE, 0);
}

void CControlDlg::OnCaptionSettings() {
    CPropatyDlg dlg;
    const CaptionList& captions = m_controller.captionList();
    const CaptionRows::Target row = m_rows.selected();
    dlg.setLanes(m_controller.settings().lanes(), m_controller.settings().rules().cutInAfterCurrent,
                 row.selected && m_controller.show().hasLane(row.lane) ? row.lane : 1, [&captions](int lane) {
                     for (const CKirunData& item : captions)
                         if (item.m_lane == lane) return true;
                     return false;
                 });
    if (dlg.DoModal() != IDOK) return;
    m_controller.setLanes(dlg.lanes(), dlg.laneOrigins(), dlg.cutInAfterCurrent());
}

void CControlDlg::OnAddText() {
    if (m_controller.captionList().full()) {
        fw::ShowMessage(kListFull);
        return;
    }
    CKirunSettingDlg dlg;
    dlg.setData(CKirunData());
    dlg.setLaneCount(m_controller.show().laneCount());
    dlg.setTitle(kAddTextTitle);
    if (dlg.DoModal() != IDOK) return;
    m_controller.addItem(dlg.m_data);
    m_rows.selectRow(m_controller.captionList().count() - 1);
}

void CControlDlg::OnChangeText() {
    const CaptionRows::Target row = commandRow(kSelectToChange, kCannotChange);
    if (!row.item()) return;
    CKirunSettingDlg dlg;
    dlg.setData(m_controller.captionList().at(row.position));
    dlg.setLaneCount(m_controller.show().laneCount());
    dlg.setTitle(kChangeTextTitle);
    if (dlg.DoModal() != IDOK) return;
    const int position = chosenPosition(row);
    if (position == -1) return;
    m_controller.changeItem(position, dlg.m_data);
    m_controller.setItemLane(position, dlg.m_data.m_lane);
    m_rows.selectRow(position);
}

void CControlDlg::OnDeleteText() {
    const CaptionRows::Target row = commandRow(kSelectToDelete, kCannotDelete);
    if (!row.item()) return;
    if (fw::ShowMessage(kConfirmDelete, MB_YESNO) != IDYES) return;
    const int position = chosenPosition(row);
    if (position == -1) return;
    m_controller.deleteItem(position);
    // The row that moved up into its place, or the new last row.
    m_rows.selectRow(position);
}

int CControlDlg::chosenPosition(const CaptionRows::Target& row) const {
    const int position = m_controller.captionList().positionOf(row.id);
    if (position == -1) fw::ShowMessage(kChosenGone);
    return position;
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
    // Display times count down without a change of the show: the rows show them within a second.
    if (id == kTimeLeftTimer) drawAll();
}
