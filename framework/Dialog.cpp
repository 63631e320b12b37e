#include "framework/Dialog.h"

#include "framework/App.h"
#include "framework/OpenModals.h"

namespace fw {

Dialog::Dialog(UINT templateId, HWND parent) : m_templateId(templateId), m_parent(parent) {}

HWND Dialog::ModalOwner() const {
    if (m_parent) return m_parent;
    HWND main = MainWindow();
    if (!main) return nullptr;
    HWND popup = GetLastActivePopup(main);
    return popup ? popup : main;
}

INT_PTR Dialog::DoModal() {
    if (OpenModalsEnding()) return IDCANCEL;  // the program is closing: nothing new opens
    OpenModal open(*this);
    HWND owner = ModalOwner();
    m_modal = true;
    m_ended = false;
    m_result = -1;
    INT_PTR result = m_ownLoop ? RunOwnModal(owner)
                               : DialogBoxParamW(Instance(), MAKEINTRESOURCEW(m_templateId), owner,
                                                 StaticDialogProc, reinterpret_cast<LPARAM>(this));
    m_modal = false;
    return result;
}

INT_PTR Dialog::RunOwnModal(HWND owner) {
    bool reenableOwner = owner && IsWindowEnabled(owner);
    if (reenableOwner) EnableWindow(owner, FALSE);

    HWND hwnd = CreateDialogParamW(Instance(), MAKEINTRESOURCEW(m_templateId), owner,
                                   StaticDialogProc, reinterpret_cast<LPARAM>(this));
    if (hwnd) {
        RunModalLoop();
        if (m_hWnd) ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                                   SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE |
                                       SWP_NOACTIVATE | SWP_NOZORDER);
    }
    if (reenableOwner) EnableWindow(owner, TRUE);
    if (owner && hwnd && GetActiveWindow() == hwnd) SetActiveWindow(owner);
    if (m_hWnd) DestroyWindow();
    return m_result;
}

void Dialog::RunModalLoop() {
    // Like the system's modal loop: a dialog that is not visible is shown once the queue is
    // first empty (a window may still refuse to be shown, see WM_WINDOWPOSCHANGING).
    bool showWhenIdle = !(GetWindowLongW(m_hWnd, GWL_STYLE) & WS_VISIBLE);
    MSG msg;
    while (!m_ended && m_hWnd) {
        if (showWhenIdle && !PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            showWhenIdle = false;
            ::ShowWindow(m_hWnd, SW_SHOWNORMAL);
            UpdateWindow(m_hWnd);
        }
        BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {  // WM_QUIT: leave it for the outer loop
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (got == -1) break;
        if (!IsDialogMessageW(m_hWnd, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
}

bool Dialog::Create(HWND parent) {
    m_modal = false;
    m_parent = parent;
    return CreateDialogParamW(Instance(), MAKEINTRESOURCEW(m_templateId), parent,
                              StaticDialogProc, reinterpret_cast<LPARAM>(this)) != nullptr;
}

BOOL Dialog::UpdateData(BOOL saveAndValidate) {
    if (!m_hWnd) return FALSE;
    DataExchange dx(m_hWnd, saveAndValidate != FALSE);
    DoDataExchange(dx);
    return dx.Failed() ? FALSE : TRUE;
}

void Dialog::EndDialog(INT_PTR result) {
    m_result = result;
    m_ended = true;
    if (!m_hWnd) return;
    if (m_modal && !m_ownLoop)
        ::EndDialog(m_hWnd, result);
    else
        PostMessageW(m_hWnd, WM_NULL, 0, 0);  // wakes the own modal loop
}

BOOL Dialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void Dialog::OnOK() {
    if (!m_modal) return;  // a child page leaves Enter to its parent
    if (UpdateData(TRUE)) EndDialog(IDOK);
}

void Dialog::OnCancel() {
    if (!m_modal) return;
    EndDialog(IDCANCEL);
}

bool Dialog::OnButtonClicked(int id) {
    switch (id) {
    case IDOK: OnOK(); return true;
    case IDCANCEL: OnCancel(); return true;
    default: return false;
    }
}

bool Dialog::OnCommand(int, int, HWND) { return false; }

bool Dialog::OnNotify(int, NMHDR*, LRESULT&) { return false; }

HBRUSH Dialog::OnCtlColor(HDC, HWND, UINT) { return nullptr; }

bool Dialog::RouteCommand(WPARAM wp, LPARAM lp) {
    const int id = LOWORD(wp);
    const int code = HIWORD(wp);
    if (code == BN_CLICKED) return OnButtonClicked(id);
    return OnCommand(id, code, reinterpret_cast<HWND>(lp));
}

LRESULT Dialog::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_INITDIALOG:
        return OnInitDialog();
    case WM_COMMAND:
        if (RouteCommand(wp, lp)) return 0;
        break;
    case WM_NOTIFY: {
        NMHDR* header = reinterpret_cast<NMHDR*>(lp);
        LRESULT result = 0;
        if (header && OnNotify(static_cast<int>(header->idFrom), header, result)) return result;
        break;
    }
    default:
        if (IsCtlColor(msg)) {
            LRESULT standard = Default(msg, wp, lp);
            HBRUSH brush = OnCtlColor(reinterpret_cast<HDC>(wp), reinterpret_cast<HWND>(lp), msg);
            return brush ? reinterpret_cast<LRESULT>(brush) : standard;
        }
        break;
    }
    return Default(msg, wp, lp);
}

LRESULT Dialog::Default(UINT msg, WPARAM wp, LPARAM lp) {
    if (IsCtlColor(msg)) return DefWindowProcW(m_hWnd, msg, wp, lp);  // the brush the dialog would get
    if (m_defaulted) *m_defaulted = true;  // let the dialog manager do the rest
    return 0;
}

bool Dialog::ReturnsResultDirectly(UINT msg) {
    switch (msg) {
    case WM_INITDIALOG:
    case WM_CHARTOITEM:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_QUERYDRAGICON:
        return true;
    default:
        return IsCtlColor(msg);
    }
}

INT_PTR CALLBACK Dialog::StaticDialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    Dialog* self = nullptr;
    if (msg == WM_INITDIALOG) {
        self = reinterpret_cast<Dialog*>(lp);
        self->m_hWnd = hwnd;
        SetWindowLongPtrW(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<Dialog*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    }
    if (!self) return FALSE;

    bool defaulted = false;
    bool* outer = self->m_defaulted;
    self->m_defaulted = &defaulted;
    LRESULT result = self->Dispatch(msg, wp, lp);
    self->m_defaulted = outer;

    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, DWLP_USER, 0);
        self->m_hWnd = nullptr;
        self->PostNcDestroy();  // may delete self
        return FALSE;
    }
    if (defaulted) return FALSE;
    if (ReturnsResultDirectly(msg)) return static_cast<INT_PTR>(result);
    SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, result);
    return TRUE;
}

}  // namespace fw
