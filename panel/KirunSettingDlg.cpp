#include "panel/KirunSettingDlg.h"

#include <algorithm>
#include <string>
#include <utility>

#include "framework/WideText.h"
#include "model/LaneLook.h"
#include "model/MinutesRule.h"
#include "panel/AirWindowDlg.h"
#include "resource.h"

namespace {

const char kNoTextMessage[] = "テキストが設定されていません.";
const char kLaneLabel[] = "レーン";

}  // namespace

CKirunSettingDlg::CKirunSettingDlg(HWND parent) : fw::Dialog(IDD_CAPTION_TEXT, parent) {}

void CKirunSettingDlg::setData(CKirunData data) { m_data = std::move(data); }

void CKirunSettingDlg::DoDataExchange(fw::DataExchange& dx) {
    dx.Spin(IDC_MINUTES_SPIN, m_spinMinutes, m_editMinutes, kMinMinutes, kMaxMinutes,
            fw::DataExchange::Read::kTyped);
    dx.Text(IDC_CAPTION_TEXT, m_editText);
    dx.ComboIndex(IDC_CAPTION_LANE, m_laneIndex);
    if (!dx.Saving()) return;
    if (!dx.Validate(IDC_CAPTION_TEXT, m_editText.empty() ? kNoTextMessage : nullptr) ||
        !dx.Validate(IDC_MINUTES_EDIT, minutesProblem(m_editMinutes)))
        return;
    m_data.m_minutes = m_editMinutes;
    m_data.m_window = m_airWindow;
    if (m_laneCount > 1 && m_laneIndex >= 0) m_data.m_lane = m_laneIndex + 1;
    // Cut between characters: half a surrogate pair would stand for nothing wherever it goes.
    m_data.m_text = fw::CutToCells(m_editText, kMaxCaptionTextCells);
}

BOOL CKirunSettingDlg::OnInitDialog() {
    m_editMinutes = m_data.m_minutes;
    m_editText = m_data.m_text;
    m_airWindow = m_data.m_window;
    showLaneChoice();
    fw::Dialog::OnInitDialog();
    if (!m_title.empty()) SetWindowTextA(m_hWnd, m_title.c_str());
    // The operator types the text first: the focus is in its box, the caret after its end.
    HWND text = GetDlgItem(IDC_CAPTION_TEXT);
    SetFocus(text);
    const int end = GetWindowTextLengthW(text);
    SendMessageA(text, EM_SETSEL, static_cast<WPARAM>(end), end);
    return FALSE;
}

bool CKirunSettingDlg::OnButtonClicked(int id) {
    if (id != IDC_AIR_WINDOW_BUTTON) return fw::Dialog::OnButtonClicked(id);
    CAirWindowDlg dialog(m_hWnd);
    dialog.setWindow(m_airWindow);
    if (dialog.DoModal() == IDOK) m_airWindow = dialog.window();
    return true;
}

void CKirunSettingDlg::showLaneChoice() {
    if (m_laneCount <= 1) {
        // One lane: the dialog as it is without lanes.
        for (int id : {IDC_CAPTION_LANE, IDC_CAPTION_LANE_LABEL}) ::ShowWindow(GetDlgItem(id), SW_HIDE);
        return;
    }
    const int lanes = std::min(m_laneCount, kMaxLanes);
    HWND list = GetDlgItem(IDC_CAPTION_LANE);
    for (int lane = 1; lane <= lanes; ++lane) {
        const std::string label = kLaneLabel + std::to_string(lane);
        SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(label.c_str()));
    }
    // An item on a lane the show no longer holds is offered lane 1.
    m_laneIndex = m_data.m_lane >= 1 && m_data.m_lane <= lanes ? m_data.m_lane - 1 : 0;
}
