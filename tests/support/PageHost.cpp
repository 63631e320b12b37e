#include "PageHost.h"

#include <commctrl.h>

#include "display/KirunWin.h"
#include "display/RunList.h"

namespace testing_support {
namespace {
const char kParentClass[] = "PageHostParent";
const char kRollText[] = "ロールテスト";

// Stays open whatever the page asks of it (the page closes its parent when rolling ends).
LRESULT CALLBACK ParentProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_CLOSE) return 0;
    return DefWindowProcA(hwnd, msg, wp, lp);
}

bool RegisterParent() {
    static const ATOM atom = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = ParentProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = kParentClass;
        return RegisterClassA(&wc);
    }();
    return atom != 0;
}
}  // namespace

PageHost::PageHost() {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
    GetCurrentDirectoryA(MAX_PATH, m_savedDirectory);
    if (RegisterParent())
        m_parent = CreateWindowExA(0, kParentClass, "parent", WS_OVERLAPPEDWINDOW, 0, 0, 700, 500, nullptr,
                                   nullptr, GetModuleHandleA(nullptr), nullptr);
}

PageHost::~PageHost() {
    Close();
    if (m_parent) DestroyWindow(m_parent);
    SetCurrentDirectoryA(m_savedDirectory);
}

bool PageHost::Open(const std::string& iniBytes) {
    Close();
    if (!m_parent) return false;
    if (!WriteFileBytes(m_dir.file("Kirunner.ini"), iniBytes)) return false;
    if (!SetCurrentDirectoryA(m_dir.path().c_str())) return false;
    m_page = std::make_unique<CControlDlg>();
    if (!m_page->Create(m_parent) || !m_page->captionWin) return false;
    HWND strip = m_page->captionWin->Hwnd();
    for (UINT_PTR id : {CKirunWin::kScrollTimer, CKirunWin::kCountDownTimer, CKirunWin::kLayeredTimer})
        KillTimer(strip, id);
    KillTimer(m_page->Hwnd(), CControlDlg::kFileCheckTimer);
    return true;
}

void PageHost::Close() {
    if (!m_page) return;
    m_page->DestroyWindow();
    m_page.reset();
}

void PageHost::Roll(int ticks, int tenths) {
    if (!m_page || !m_page->captionWin) return;
    if (m_page->captionList.count() > 0) m_page->putOnAir(0);
    else m_page->captionWin->addKirun(kFileCaptionIndex, kRollText, 1, m_page.get());
    for (int i = 0; i < ticks; ++i) m_page->captionWin->onScrollTick();
    for (int i = 0; i < tenths; ++i) m_page->captionWin->countDown();
}

}  // namespace testing_support
