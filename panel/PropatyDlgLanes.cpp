// The appearance dialog's lane row: which lane the controls edit, adding and removing lanes.
#include <string>

#include "framework/MessageBox.h"
#include "panel/PropatyDlg.h"
#include "resource.h"

namespace {
const char kLaneLabel[] = "レーン";
const char kConfirmRemoveLane[] = "このレーンのテキストはレーン1に移ります。レーンを削除しますか？";
}  // namespace

void CPropatyDlg::fillLaneRow() {
    HWND list = GetDlgItem(IDC_LANE_LIST);
    SendMessageA(list, CB_RESETCONTENT, 0, 0);
    for (int lane = 1; lane <= m_lanes.count(); ++lane) {
        const std::string label = kLaneLabel + std::to_string(lane);
        SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(label.c_str()));
    }
    SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(m_lanes.selected() - 1), 0);
    const struct {
        int id;
        bool enabled;
    } states[] = {{IDC_LANE_ADD, m_lanes.canAdd()},
                  {IDC_LANE_REMOVE, m_lanes.canRemove()},
                  {IDC_LANE_NAME, m_lanes.selected() > 1}};  // lane 1 has no name
    for (const auto& state : states) {
        HWND control = GetDlgItem(state.id);
        // A button disabled under the keyboard focus would leave the focus nowhere.
        if (!state.enabled && GetFocus() == control)
            SendMessageA(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(list), TRUE);
        EnableWindow(control, state.enabled ? TRUE : FALSE);
    }
}

bool CPropatyDlg::keepLaneEdits() {
    if (!UpdateData(TRUE)) return false;
    m_lanes.look() = m_settings;
    return true;
}

void CPropatyDlg::showLane() {
    m_settings = m_lanes.look();
    fillMonitorList();
    fillLaneRow();
    UpdateData(FALSE);
    updateFontLabels();
    updateColorButtons();
    for (int swatch : {IDC_SWATCH_USER_TEXT, IDC_SWATCH_SHADOW, IDC_SWATCH_BAND}) repaintSwatch(swatch);
    showLook();
}

void CPropatyDlg::OnLaneChoice() {
    const int chosen = static_cast<int>(SendDlgItemMessageA(m_hWnd, IDC_LANE_LIST, CB_GETCURSEL, 0, 0)) + 1;
    if (chosen == m_lanes.selected()) return;
    // A field refused keeps the lane whose field it is.
    if (!keepLaneEdits() || !m_lanes.select(chosen)) {
        SendDlgItemMessageA(m_hWnd, IDC_LANE_LIST, CB_SETCURSEL, static_cast<WPARAM>(m_lanes.selected() - 1), 0);
        return;
    }
    showLane();
}

void CPropatyDlg::OnAddLane() {
    // The new lane starts from the selected lane's look as the controls show it.
    if (!keepLaneEdits() || !m_lanes.add()) return;
    showLane();
}

void CPropatyDlg::OnRemoveLane() {
    if (!m_lanes.canRemove()) return;
    const int origin = m_lanes.selectedOrigin();
    if (origin != 0 && m_laneHasCaptions && m_laneHasCaptions(origin) &&
        fw::ShowMessage(kConfirmRemoveLane, MB_YESNO) != IDYES)
        return;
    m_lanes.removeSelected();
    showLane();
}
