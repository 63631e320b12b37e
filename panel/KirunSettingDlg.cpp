#include "panel/KirunSettingDlg.h"

#include <utility>

#include "framework/MessageBox.h"
#include "framework/Mbcs.h"
#include "resource.h"

namespace {

const char kNoTextMessage[] = "テキストが設定されていません.";
const char kTooShortMessage[] = "表示時間は１分以上を設定してください";
const char kTooLongMessage[] = "表示時間は60000分以下を設定してください";

}  // namespace

CKirunSettingDlg::CKirunSettingDlg(HWND parent) : fw::Dialog(IDD_CAPTION_TEXT, parent) {}

void CKirunSettingDlg::setData(CKirunData data) { m_data = std::move(data); }

void CKirunSettingDlg::DoDataExchange(fw::DataExchange& dx) {
    dx.Bind(IDC_MINUTES_SPIN, m_spinMinutes);
    dx.Text(IDC_CAPTION_TEXT, m_editText);
}

BOOL CKirunSettingDlg::OnInitDialog() {
    fw::Dialog::OnInitDialog();
    m_spinMinutes.SetRange32(kMinMinutes, kMaxMinutes);
    m_spinMinutes.SetPos32(m_data.m_minutes);
    m_editText = m_data.m_text;
    UpdateData(FALSE);
    return TRUE;
}


void CKirunSettingDlg::OnOK() {
    UpdateData(TRUE);
    if (m_editText.empty()) {
        fw::ShowMessage(kNoTextMessage);
        return;
    }
    int minutes = m_spinMinutes.TypedPos32();
    if (minutes < kMinMinutes) {
        fw::ShowMessage(kTooShortMessage);
        return;
    }
    if (minutes > kMaxMinutes) {
        fw::ShowMessage(kTooLongMessage);
        return;
    }
    m_data.m_minutes = minutes;
    // Cut between characters: a lone lead byte at the end would swallow the next byte
    // wherever the text goes.
    m_data.m_text = fw::CutToBytes(m_editText, kMaxTextBytes);
    EndDialog(IDOK);
}
