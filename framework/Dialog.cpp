#include "framework/Dialog.h"

#include "framework/App.h"

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
    HWND owner = ModalOwner();
    bool reenableOwner = owner && IsWindowEnabled(owner);
    if (reenableOwner) EnableWindow(owner, FALSE);

    m_modal = true;
    m_ended = false;
    m_result = -1;
    HWND hwnd = CreateDialogParamA(Instance(), MAKEINTRESOURCEA(m_templateId), owner,
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
    m_modal = false;
    return m_result;
}

void Dialog::RunModalLoop() {
    // Like the system's modal loop: a dialog that is not visible is shown once the queue is
    // first empty (a window may still refuse to be shown, see WM_WINDOWPOSCHANGING).
    bool showWhenIdle = !(GetWindowLongA(m_hWnd, GWL_STYLE) & WS_VISIBLE);
    MSG msg;
    while (!m_ended && m_hWnd) {
        if (showWhenIdle && !PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            showWhenIdle = false;
            ::ShowWindow(m_hWnd, SW_SHOWNORMAL);
            UpdateWindow(m_hWnd);
        }
        BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0) {  // WM_QUIT: leave it for the outer loop
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (got == -1) break;
        if (!IsDialogMessageA(m_hWnd, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
}

bool Dialog::Create(HWND parent) {
    m_modal = false;
    m_parent = parent;
    return CreateDialogParamA(Instance(), MAKEINTRESOURCEA(m_templateId), parent,
                              StaticDialogProc, reinterpret_cast<LPARAM>(this)) != nullptr;
}

BOOL Dialog::UpdateData(BOOL saveAndValidate) {
    if (!m_hWnd) return FALSE;
    DataExchange dx(m_hWnd, saveAndValidate != FALSE);
    DoDataExchange(dx);
    return TRUE;
}

void Dialog::EndDialog(INT_PTR result) {
    m_result = result;
    m_ended = true;
    if (m_hWnd) PostMessageA(m_hWnd, WM_NULL, 0, 0);  // wakes the modal loop
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

LRESULT Dialog::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_INITDIALOG:
        return OnInitDialog();
    case WM_COMMAND:
        if (HIWORD(wp) == BN_CLICKED) {
            if (LOWORD(wp) == IDOK) { OnOK(); return 0; }
            if (LOWORD(wp) == IDCANCEL) { OnCancel(); return 0; }
        }
        break;
    }
    return Default(msg, wp, lp);
}

LRESULT Dialog::Default(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg >= WM_CTLCOLORMSGBOX && msg <= WM_CTLCOLORSTATIC)
        return DefWindowProcA(m_hWnd, msg, wp, lp);  // the brush the dialog would get
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
        return msg >= WM_CTLCOLORMSGBOX && msg <= WM_CTLCOLORSTATIC;
    }
}

INT_PTR CALLBACK Dialog::StaticDialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    Dialog* self = nullptr;
    if (msg == WM_INITDIALOG) {
        self = reinterpret_cast<Dialog*>(lp);
        self->m_hWnd = hwnd;
        SetWindowLongPtrA(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<Dialog*>(GetWindowLongPtrA(hwnd, DWLP_USER));
    }
    if (!self) return FALSE;

    bool defaulted = false;
    bool* outer = self->m_defaulted;
    self->m_defaulted = &defaulted;
    LRESULT result = self->Dispatch(msg, wp, lp);
    self->m_defaulted = outer;

    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, DWLP_USER, 0);
        self->m_hWnd = nullptr;
        self->PostNcDestroy();  // may delete self
        return FALSE;
    }
    if (defaulted) return FALSE;
    if (ReturnsResultDirectly(msg)) return static_cast<INT_PTR>(result);
    SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, result);
    return TRUE;
}

}  // namespace fw
