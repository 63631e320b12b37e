#include "framework/OpenModals.h"

#include <algorithm>
#include <cwchar>
#include <vector>

#include "framework/Dialog.h"

namespace fw {
namespace {
std::vector<Dialog*> g_open;  // innermost last
bool g_ending = false;

const wchar_t kDialogClass[] = L"#32770";

BOOL CALLBACK CollectDialogWindow(HWND hwnd, LPARAM windows) {
    wchar_t name[16] = {};
    if (GetClassNameW(hwnd, name, static_cast<int>(sizeof name / sizeof name[0])) > 0 &&
        std::wcscmp(name, kDialogClass) == 0)
        reinterpret_cast<std::vector<HWND>*>(windows)->push_back(hwnd);
    return TRUE;
}

bool isOpenDialog(HWND hwnd) {
    return std::any_of(g_open.begin(), g_open.end(), [hwnd](const Dialog* d) { return d->Hwnd() == hwnd; });
}

// The button that changes nothing: Cancel, else a question's No, else the only OK. (Cancel
// first: a common dialog may hold a control whose id is that of No.)
int safestButton(HWND box) {
    for (int id : {IDCANCEL, IDNO, IDOK})
        if (GetDlgItem(box, id)) return id;
    return 0;
}
}  // namespace

OpenModal::OpenModal(Dialog& dialog) : m_dialog(dialog) { g_open.push_back(&dialog); }

OpenModal::~OpenModal() {
    const auto found = std::find(g_open.rbegin(), g_open.rend(), &m_dialog);
    if (found != g_open.rend()) g_open.erase(std::next(found).base());
    if (g_open.empty()) g_ending = false;
}

void EndOpenModals() {
    g_ending = true;
    EndMenu();
    std::vector<HWND> windows;
    EnumThreadWindows(GetCurrentThreadId(), CollectDialogWindow, reinterpret_cast<LPARAM>(&windows));
    for (HWND box : windows) {
        if (isOpenDialog(box)) continue;
        const int button = safestButton(box);
        if (button)
            SendMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, button)));
    }
    // Each loop returns once the loops inside it have: the innermost is ended first.
    const std::vector<Dialog*> open = g_open;
    for (auto dialog = open.rbegin(); dialog != open.rend(); ++dialog) (*dialog)->EndDialog(IDCANCEL);
}

bool OpenModalsEnding() { return g_ending; }

}  // namespace fw
