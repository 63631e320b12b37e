#include "framework/DataExchange.h"

#include <vector>

#include "framework/Controls.h"
#include "framework/MessageBox.h"

namespace fw {

namespace {
// A window's whole text through the ANSI or the wide functions.
template <typename Char>
std::basic_string<Char> windowText(HWND hwnd, int(WINAPI* lengthOf)(HWND), int(WINAPI* textOf)(HWND, Char*, int)) {
    int length = lengthOf(hwnd);
    if (length <= 0) return std::basic_string<Char>();
    std::vector<Char> buffer(static_cast<size_t>(length) + 1, Char());
    int copied = textOf(hwnd, buffer.data(), length + 1);
    return std::basic_string<Char>(buffer.data(), copied > 0 ? static_cast<size_t>(copied) : 0);
}

template <typename Char>
void exchangeText(HWND control, bool save, std::basic_string<Char>& value,
                  std::basic_string<Char> (*get)(HWND), BOOL(WINAPI* set)(HWND, const Char*)) {
    if (!control) return;
    if (save)
        value = get(control);
    else
        set(control, value.c_str());
}
}  // namespace

std::string GetWindowTextString(HWND hwnd) { return windowText<char>(hwnd, GetWindowTextLengthA, GetWindowTextA); }

std::wstring GetWindowTextWide(HWND hwnd) { return windowText<wchar_t>(hwnd, GetWindowTextLengthW, GetWindowTextW); }

void DataExchange::Text(int id, std::wstring& value) {
    exchangeText<wchar_t>(GetDlgItem(m_dialog, id), m_save, value, GetWindowTextWide, SetWindowTextW);
}

void DataExchange::Text(int id, std::string& value) {
    exchangeText<char>(GetDlgItem(m_dialog, id), m_save, value, GetWindowTextString, SetWindowTextA);
}

void DataExchange::ComboIndex(int id, int& index) {
    HWND control = GetDlgItem(m_dialog, id);
    if (!control) return;
    if (m_save)
        index = static_cast<int>(SendMessageA(control, CB_GETCURSEL, 0, 0));
    else
        SendMessageA(control, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void DataExchange::Check(int id, int& value) {
    HWND control = GetDlgItem(m_dialog, id);
    if (!control) return;
    if (m_save)
        value = static_cast<int>(SendMessageA(control, BM_GETCHECK, 0, 0));
    else
        SendMessageA(control, BM_SETCHECK, static_cast<WPARAM>(value), 0);
}

void DataExchange::Radio(int firstId, int& index) {
    HWND control = GetDlgItem(m_dialog, firstId);
    if (!control) return;
    if (m_save) index = -1;
    int position = 0;
    do {
        if (SendMessageA(control, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) {
            if (m_save) {
                if (SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED) index = position;
            } else {
                SendMessageA(control, BM_SETCHECK, position == index ? BST_CHECKED : BST_UNCHECKED, 0);
            }
            ++position;
        }
        control = GetWindow(control, GW_HWNDNEXT);
    } while (control && !(GetWindowLongA(control, GWL_STYLE) & WS_GROUP));
}

void DataExchange::Bind(int id, Control& control) {
    control.Attach(GetDlgItem(m_dialog, id));
}

void DataExchange::Spin(int id, UpDown& control, int& value, int low, int high, Read read) {
    Bind(id, control);
    if (m_save) {
        value = read == Read::kTyped ? control.TypedPos32() : control.GetPos32();
    } else {
        control.SetRange32(low, high);
        control.SetPos32(value);
    }
}

bool DataExchange::Validate(int id, const char* problem) {
    if (!m_save || m_failed || !problem) return !m_failed;
    m_failed = true;
    ShowMessage(problem);
    FocusOn(id);
    return false;
}

void DataExchange::FocusOn(int id) const {
    HWND control = GetDlgItem(m_dialog, id);
    if (!control) return;
    SendMessageA(m_dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
    if (SendMessageA(control, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)
        SendMessageA(control, EM_SETSEL, 0, -1);
}

}  // namespace fw
