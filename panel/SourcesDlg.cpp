#include "panel/SourcesDlg.h"

#include <commdlg.h>

#include <algorithm>

#include "framework/App.h"
#include "framework/CommonDialogs.h"
#include "framework/MessageBox.h"
#include "panel/SourceForm.h"
#include "resource.h"

namespace {
const char kTooMany[] = "データソースは16まで登録できます";
const wchar_t kFilter[] = L"フィード・データ(*.xml;*.rss;*.atom;*.json;*.csv;*.txt)|*.xml;*.rss;*.atom;*.json;*.csv;*.txt|全て(*.*)|*.*||";
const wchar_t kProbing[] = L"取得中…";
const wchar_t* const kFormats[] = {L"自動", L"RSS", L"Atom", L"CAP（警報）", L"JSON", L"CSV", L"テキスト（1行1項目）"};
struct Column {
    const char* header;
    int width;  // pixels at 96 DPI
};
const Column kColumns[] = {{"No.", 30}, {"有効", 36}, {"名前", 110}, {"表示", 52}, {"URL・ファイル", 200}};
}  // namespace

CSourcesDlg::CSourcesDlg(KirunController& controller, HWND parent)
    : fw::Dialog(IDD_SOURCES, parent), m_controller(controller) {}

BOOL CSourcesDlg::OnInitDialog() {
    fw::Dialog::OnInitDialog();
    m_list.Attach(GetDlgItem(IDC_SOURCE_LIST));
    m_list.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    int column = 0;
    for (const Column& c : kColumns) m_list.InsertColumn(column++, c.header, LVCFMT_LEFT, fw::ScaledForWindow(m_hWnd, c.width));
    for (const wchar_t* format : kFormats)
        SendDlgItemMessageW(m_hWnd, IDC_SOURCE_FORMAT, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(format));
    for (int index = 0; index < static_cast<int>(m_sources.size()); ++index) {
        m_list.InsertItem(index, "");
        showRow(index);
    }
    choose(m_sources.empty() ? -1 : 0);
    return TRUE;
}

LRESULT CSourcesDlg::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    // A look still under way must not report to a dialog that is gone.
    if (msg == WM_DESTROY) m_controller.cancelProbes(this);
    return fw::Dialog::HandleMessage(msg, wp, lp);
}

void CSourcesDlg::showRow(int index) {
    const SourceSettings& source = m_sources[static_cast<size_t>(index)];
    for (int column = 0; column < source_form::kColumns; ++column)
        m_list.SetItemText(index, column, source_form::cell(source, index + 1, column).c_str());
}

void CSourcesDlg::choose(int index) {
    m_chosen = index;
    m_filling = true;
    const bool chosen = index >= 0 && index < static_cast<int>(m_sources.size());
    source_form::show(m_hWnd, chosen ? m_sources[static_cast<size_t>(index)] : SourceSettings());
    source_form::enable(m_hWnd, chosen, chosen && m_sources[static_cast<size_t>(index)].mode == SourceMode::CutIn);
    SetDlgItemTextW(m_hWnd, IDC_SOURCE_PROBE_RESULT, L"");
    if (chosen) {
        ListView_SetItemState(m_list.Hwnd(), index, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        ListView_EnsureVisible(m_list.Hwnd(), index, FALSE);
    }
    m_filling = false;
}

void CSourcesDlg::fieldsChanged() {
    if (m_filling || m_chosen < 0 || m_chosen >= static_cast<int>(m_sources.size())) return;
    SourceSettings& source = m_sources[static_cast<size_t>(m_chosen)];
    source_form::take(m_hWnd, source);
    source_form::enable(m_hWnd, true, source.mode == SourceMode::CutIn);
    showRow(m_chosen);
}

bool CSourcesDlg::OnButtonClicked(int id) {
    switch (id) {
    case IDC_SOURCE_ADD: add(); return true;
    case IDC_SOURCE_DELETE: remove(); return true;
    case IDC_SOURCE_BROWSE: browse(); return true;
    case IDC_SOURCE_PROBE: probe(); return true;
    case IDC_SOURCE_EXEC:
    case IDC_SOURCE_MODE_CYCLE:
    case IDC_SOURCE_MODE_CUTIN: fieldsChanged(); return true;
    }
    return fw::Dialog::OnButtonClicked(id);
}

bool CSourcesDlg::OnCommand(int id, int code, HWND control) {
    if ((code == EN_CHANGE && id != IDC_SOURCE_PROBE_RESULT) || (id == IDC_SOURCE_FORMAT && code == CBN_SELCHANGE)) {
        fieldsChanged();
        return true;
    }
    return fw::Dialog::OnCommand(id, code, control);
}

bool CSourcesDlg::OnNotify(int id, NMHDR* header, LRESULT& result) {
    if (id != IDC_SOURCE_LIST || header->code != LVN_ITEMCHANGED) return false;
    const NMLISTVIEW* change = reinterpret_cast<const NMLISTVIEW*>(header);
    result = 0;
    if ((change->uChanged & LVIF_STATE) && (change->uNewState & LVIS_SELECTED) && !(change->uOldState & LVIS_SELECTED) &&
        change->iItem != m_chosen)
        choose(change->iItem);
    return true;
}

void CSourcesDlg::add() {
    if (m_sources.size() >= static_cast<size_t>(SourceSettings::kMaxSources)) {
        fw::ShowMessage(kTooMany);
        return;
    }
    SourceSettings source;
    source.exec = 1;
    source.name = L"ソース" + std::to_wstring(m_sources.size() + 1);
    m_sources.push_back(source);
    const int index = static_cast<int>(m_sources.size()) - 1;
    m_list.InsertItem(index, "");
    showRow(index);
    choose(index);
    SetFocus(GetDlgItem(IDC_SOURCE_URL));
}

void CSourcesDlg::remove() {
    if (m_chosen < 0 || m_chosen >= static_cast<int>(m_sources.size())) return;
    const int gone = m_chosen;
    m_chosen = -1;
    m_sources.erase(m_sources.begin() + gone);
    ListView_DeleteItem(m_list.Hwnd(), gone);
    for (int index = gone; index < static_cast<int>(m_sources.size()); ++index) showRow(index);
    choose(m_sources.empty() ? -1 : std::min(gone, static_cast<int>(m_sources.size()) - 1));
}

void CSourcesDlg::browse() {
    std::wstring chosen;
    if (!fw::OpenFileDialog(m_hWnd, kFilter, nullptr, nullptr, OFN_FILEMUSTEXIST, chosen)) return;
    SetDlgItemTextW(m_hWnd, IDC_SOURCE_URL, chosen.c_str());  // taken in by its EN_CHANGE
}

void CSourcesDlg::probe() {
    if (m_chosen < 0 || m_chosen >= static_cast<int>(m_sources.size())) return;
    SourceSettings source = m_sources[static_cast<size_t>(m_chosen)];
    boundSourceSettings(source);
    m_controller.cancelProbes(this);  // only the latest look is shown
    SetDlgItemTextW(m_hWnd, IDC_SOURCE_PROBE_RESULT, kProbing);
    m_controller.probeSource(this, source, [this](const SourceProbe& found) {
        SetDlgItemTextW(m_hWnd, IDC_SOURCE_PROBE_RESULT, source_form::probeText(found).c_str());
    });
}

void CSourcesDlg::OnOK() {
    for (int index = 0; index < static_cast<int>(m_sources.size()); ++index) {
        int control = 0;
        const char* problem = source_form::problemOf(m_sources[static_cast<size_t>(index)], control);
        if (!problem) continue;
        choose(index);
        fw::ShowMessage(problem);
        HWND field = GetDlgItem(control);
        SetFocus(field);
        SendMessageW(field, EM_SETSEL, 0, -1);
        return;
    }
    for (SourceSettings& source : m_sources) boundSourceSettings(source);
    EndDialog(IDOK);
}
