#include "panel/KirunSettingDlg.h"

#include <utility>

#include "framework/WideText.h"
#include "model/MinutesRule.h"
#include "resource.h"

namespace {

const char kNoTextMessage[] = "テキストが設定されていません.";

}  // namespace

CKirunSettingDlg::CKirunSettingDlg(HWND parent) : fw::Dialog(IDD_CAPTION_TEXT, parent) {}

void CKirunSettingDlg::setData(CKirunData data) { m_data = std::move(data); }

void CKirunSettingDlg::DoDataExchange(fw::DataExchange& dx) {
    dx.Spin(IDC_MINUTES_SPIN, m_spinMinutes, m_editMinutes, kMinMinutes, kMaxMinutes,
            fw::DataExchange::Read::kTyped);
    dx.Text(IDC_CAPTION_TEXT, m_editText);
    if (!dx.Saving()) return;
    if (!dx.Validate(IDC_CAPTION_TEXT, m_editText.empty() ? kNoTextMessage : nullptr) ||
        !dx.Validate(IDC_MINUTES_EDIT, minutesProblem(m_editMinutes)))
        return;
    m_data.m_minutes = m_editMinutes;
    // Cut between characters: half a surrogate pair would stand for nothing wherever it goes.
    m_data.m_text = fw::CutToCells(m_editText, kMaxCaptionTextCells);
}

BOOL CKirunSettingDlg::OnInitDialog() {
    m_editMinutes = m_data.m_minutes;
    m_editText = m_data.m_text;
    fw::Dialog::OnInitDialog();
    if (!m_title.empty()) SetWindowTextA(m_hWnd, m_title.c_str());
    // The operator types the text first: the focus is in its box, the caret after its end.
    HWND text = GetDlgItem(IDC_CAPTION_TEXT);
    SetFocus(text);
    const int end = GetWindowTextLengthW(text);
    SendMessageA(text, EM_SETSEL, static_cast<WPARAM>(end), end);
    return FALSE;
}

