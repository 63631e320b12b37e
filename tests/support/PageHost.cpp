#include "PageHost.h"

#include "PageParent.h"

#include "display/KirunWin.h"
#include "display/RunList.h"

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
    m_page = std::make_unique<CControlDlg>(m_start);
    if (!m_page->Create(m_parent) || !m_page->captionWin()) return false;
    HWND strip = m_page->captionWin()->Hwnd();
    for (UINT_PTR id : {CKirunWin::kScrollTimer, CKirunWin::kCountDownTimer, CKirunWin::kLayeredTimer})
        KillTimer(strip, id);
    KillTimer(m_page->Hwnd(), CControlDlg::kFileCheckTimer);
    return true;
}

bool PageHost::Close() {
    if (!m_page) return true;
    bool destroyed = m_page->DestroyWindow();
    m_page.reset();
    return destroyed;
}

void PageHost::Roll(int ticks, int tenths) {
    if (!m_page || !m_page->captionWin()) return;
    if (m_page->captionList().count() > 0) m_page->putOnAir(0);
    else m_page->captionWin()->addKirun(kFileCaptionIndex, kRollText, 1, &m_page->controller());
    for (int i = 0; i < ticks; ++i) m_page->captionWin()->onScrollTick();
    for (int i = 0; i < tenths; ++i) m_page->captionWin()->countDown();
}

StartOptions BatchStart(const std::vector<int>& numbers) {
    StartOptions start;
    start.batchMode = true;
    start.captionNumbers = numbers;
    return start;
}

}  // namespace testing_support
