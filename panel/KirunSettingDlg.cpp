#include "panel/KirunSettingDlg.h"

#include <climits>
#include <utility>

#include "framework/MessageBox.h"
#include "framework/Mbcs.h"
#include "resource.h"

namespace {

const char kNoTextMessage[] = "テキストが設定されていません.";
const char kTooShortMessage[] = "表示時間は１分以上を設定してください";
const char kTooLongMessage[] = "表示時間は60000分以下を設定してください";

// A whole decimal number as typed, saturated to the int range; anything else counts as 0,
// which the lower bound then rejects.
int TypedNumber(const std::string& text) {
    const char* blanks = " \t";
    size_t pos = text.find_first_not_of(blanks);
    if (pos == std::string::npos) return 0;
    size_t end = text.find_last_not_of(blanks) + 1;
    bool negative = false;
    if (text[pos] == '+' || text[pos] == '-') {
        negative = text[pos] == '-';
        ++pos;
    }
    if (pos >= end) return 0;
    long long value = 0;
    for (; pos < end; ++pos) {
        char c = text[pos];
        if (c < '0' || c > '9') return 0;
        value = value * 10 + (c - '0');
        if (value > INT_MAX) value = INT_MAX;
    }
    return static_cast<int>(negative ? -value : value);
}

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

int CKirunSettingDlg::readMinutes() const {
    BOOL error = FALSE;
    int minutes = m_spinMinutes.GetPos32(&error);
    if (!error) return minutes;
    // The up-down keeps its old position when the typed number lies outside its range;
    // take the number as typed so that the bound checks see what the operator entered.
    return TypedNumber(fw::GetWindowTextString(GetDlgItem(IDC_MINUTES_EDIT)));
}

void CKirunSettingDlg::OnOK() {
    UpdateData(TRUE);
    if (m_editText.empty()) {
        fw::ShowMessage(kNoTextMessage);
        return;
    }
    int minutes = readMinutes();
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
