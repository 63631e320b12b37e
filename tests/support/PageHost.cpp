#include "PageHost.h"

#include "PageParent.h"

#include "display/KirunWin.h"

namespace testing_support {
namespace {
const wchar_t kRollText[] = L"ロールテスト";
}  // namespace

PageHost::PageHost() {
    GetCurrentDirectoryA(MAX_PATH, m_savedDirectory);
    m_parent = CreatePageParent();
}

PageHost::~PageHost() {
    Close();
    if (m_parent) DestroyWindow(m_parent);
    SetCurrentDirectoryA(m_savedDirectory);
}

bool PageHost::Open(const std::string& iniBytes) {
    Close();
    return WriteFileBytes(m_dir.file("Kirunner.ini"), iniBytes) && Reopen();
}

bool PageHost::Reopen() {
    Close();
    if (!m_parent) return false;
    if (!SetCurrentDirectoryA(m_dir.path().c_str())) return false;
    m_host = std::make_unique<AppHost>(m_start);
    const HWND parent = m_parent;
    m_host->setCloseRequested([parent] { SendMessageA(parent, WM_CLOSE, 0, 0); });
    m_host->start();
    m_host->stopClocks();
    m_page = std::make_unique<CControlDlg>(m_host->controller());
    if (!m_page->Create(m_parent) || !m_host->strips().first()) return false;
    HWND strip = m_host->strips().first()->Hwnd();
    for (UINT_PTR id : {CKirunWin::kScrollTimer, CKirunWin::kCountDownTimer, CKirunWin::kLayeredTimer})
        KillTimer(strip, id);
    KillTimer(m_page->Hwnd(), CControlDlg::kTimeLeftTimer);
    return true;
}

bool PageHost::Close() {
    if (!m_page) return true;
    m_host->stop();
    bool destroyed = m_page->DestroyWindow();
    m_page.reset();
    m_host.reset();
    return destroyed;
}

void PageHost::Roll(int ticks, int tenths) {
    if (!m_page || !m_host->strips().first()) return;
    if (m_page->captionList().count() > 0) m_page->putOnAir(0);
    else m_host->show().showFileCaption(1, kRollText, 1);
    for (int i = 0; i < ticks; ++i) ScrollTick(*m_host);
    CountDown(*m_host, tenths);
}

void ScrollTick(AppHost& host) {
    if (CKirunWin* strip = host.strips().first()) SendMessageA(strip->Hwnd(), WM_TIMER, CKirunWin::kScrollTimer, 0);
}

void CountDown(AppHost& host, int tenths) {
    for (int i = 0; i < tenths; ++i) host.show().laneOf(1).countDown(100);
}

bool Rolling(AppHost& host) { return host.show().laneOf(1).rolling(); }

StartOptions BatchStart(const std::vector<int>& numbers) {
    StartOptions start;
    start.batchMode = true;
    start.captionNumbers = numbers;
    return start;
}

}  // namespace testing_support
