#include "app/KirunDlg.h"

#include <commctrl.h>

#include <algorithm>

#include "app/AboutDlg.h"
#include "app/Glass.h"
#include "app/HomePage.h"
#include "app/StatusLine.h"
#include "app/KirunApp.h"
#include "framework/App.h"
#include "framework/Gdi.h"
#include "framework/OpenModals.h"
#include "model/StartupState.h"
#include "resource.h"

namespace {
const char kTitle[] = "Kirunner";
const MARGINS kGlassMargins = {9, 8, 30, 5};  // left, right, top, bottom, in pixels at 96 DPI
#ifndef WM_DWMCOMPOSITIONCHANGED
const UINT WM_DWMCOMPOSITIONCHANGED = 0x031E;
#endif
#ifndef WM_DPICHANGED
const UINT WM_DPICHANGED = 0x02E0;
#endif

// The glass margins at the window's resolution.
MARGINS glassMarginsFor(HWND hwnd) {
    return {fw::ScaledForWindow(hwnd, kGlassMargins.cxLeftWidth), fw::ScaledForWindow(hwnd, kGlassMargins.cxRightWidth),
            fw::ScaledForWindow(hwnd, kGlassMargins.cyTopHeight),
            fw::ScaledForWindow(hwnd, kGlassMargins.cyBottomHeight)};
}
}  // namespace

CKirunDlg::CKirunDlg(AppHost& host, HWND parent, const std::string& commandChannel)
    : fw::Dialog(IDD_KIRUNNER_DIALOG, parent), m_host(host), m_commandChannel(commandChannel),
      m_icon(LoadIconA(fw::Instance(), MAKEINTRESOURCEA(IDR_MAINFRAME))), m_page(host.controller()) {
    // The system's modal loop destroys the window itself; this one's DestroyWindow must run
    // first, while the control page is still there, to stop the strips, the watched file and
    // the command surfaces and to undo the glass subclass.
    UseOwnModalLoop();
}

void CKirunDlg::DoDataExchange(fw::DataExchange& dx) {
    int checked = m_host.controller().autoExit();
    dx.Check(IDC_AUTO_EXIT, checked);
    m_host.controller().setAutoExit(checked);
}

BOOL CKirunDlg::OnInitDialog() {
    fw::SetMainWindow(m_hWnd);
    fw::Dialog::OnInitDialog();

    if (HMENU systemMenu = GetSystemMenu(m_hWnd, FALSE)) {
        char aboutText[256] = {};
        if (LoadStringA(fw::Instance(), IDS_ABOUTBOX, aboutText, sizeof aboutText) > 0) {
            AppendMenuA(systemMenu, MF_SEPARATOR, 0, nullptr);
            AppendMenuA(systemMenu, MF_STRING, IDM_ABOUTBOX, aboutText);
        }
    }

    Send(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_icon));
    Send(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_icon));
    SetWindowTextA(m_hWnd, kTitle);

    // Closing the main window ends the program.
    m_host.setCloseRequested([this] { Send(WM_CLOSE, 0, 0); });
    // The page is made whole, with the list read, before the strips: a strip on screen means
    // the page can be used.
    m_host.controller().loadSettings();
    m_page.Create(m_hWnd);
    m_host.start();
    m_host.startSurfaces(m_commandChannel);
    SetTimer(kStatusTimer, kStatusPeriod);
    refreshStatusLine();

    // Automatic exit is on from the start in batch mode: the controller set it so.
    if (m_host.controller().batchMode()) {
        setVisible(FALSE);
    } else {
        makeResizable();
        CenterWindow();
        m_page.ShowWindow(SW_SHOW);
        setVisible(TRUE);
    }

    queryComposition(&m_glassEnabled);
    m_glassMargins = glassMarginsFor(m_hWnd);
    applyGlass();
    if (m_visible) {
        // The operator starts in the caption list, where the keys work the captions; a key
        // pressed at once must not tick automatic exit.
        Send(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(m_page.listCtrl().Hwnd()), TRUE);
    }
    // The start is over (the command channel is taken) and no message has been handled yet:
    // a settings file that could not be read is told of now, before anything the operator
    // does can open a dialog or a box of its own.
    m_host.controller().reportUnreadableSettings();
    return m_visible ? FALSE : TRUE;
}

void CKirunDlg::makeResizable() {
    const RECT client = ClientRect();
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrA(m_hWnd, GWL_STYLE)) | WS_THICKFRAME | WS_MAXIMIZEBOX;
    const DWORD exStyle = static_cast<DWORD>(GetWindowLongPtrA(m_hWnd, GWL_EXSTYLE));
    SetWindowLongPtrA(m_hWnd, GWL_STYLE, static_cast<LONG_PTR>(style));
    RECT frame = client;
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    SetWindowPos(nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    m_anchors.record(m_hWnd, m_page.Hwnd());
    m_leastSize = SIZE{frame.right - frame.left, frame.bottom - frame.top};

    const WindowSize& stored = m_host.controller().settings().windowSize();
    if (stored.width <= 0 || stored.height <= 0) return;
    // Stored at 96 DPI; never smaller than the window opens, never larger than its monitor's work area.
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromWindow(m_hWnd, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& work = monitor.rcWork;
    auto bounded = [](int value, int least, int most) { return value < least ? least : value > most ? most : value; };
    const int width = bounded(fw::ScaledForWindow(m_hWnd, stored.width), m_leastSize.cx,
                              std::max<int>(m_leastSize.cx, work.right - work.left));
    const int height = bounded(fw::ScaledForWindow(m_hWnd, stored.height), m_leastSize.cy,
                               std::max<int>(m_leastSize.cy, work.bottom - work.top));
    SetWindowPos(nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CKirunDlg::OnExitSizeMove() {
    if (!m_sizing) return;  // moved, not resized
    m_sizing = false;
    RECT window{};
    if (IsZoomed(m_hWnd) || !GetWindowRect(m_hWnd, &window)) return;
    const int dpi = fw::ScaledForWindow(m_hWnd, 96);
    m_host.controller().setWindowSize(MulDiv(window.right - window.left, 96, dpi),
                                           MulDiv(window.bottom - window.top, 96, dpi));
}

void CKirunDlg::setVisible(BOOL show) {
    m_visible = show;
    ShowWindow(show ? SW_SHOW : SW_HIDE);
    if (show) ShowWindow(SW_SHOWNORMAL);
}

BOOL CKirunDlg::DestroyWindow() {
    if (m_hWnd) KillTimer(kStatusTimer);
    m_host.stop();
    m_page.DestroyWindow();
    m_host.setCloseRequested(nullptr);
    detachGlassCheck();
    BOOL destroyed = fw::Dialog::DestroyWindow();
    fw::SetMainWindow(nullptr);
    return destroyed;
}

LRESULT CKirunDlg::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_SYSCOMMAND:
        return OnSysCommand(wp, lp);
    case WM_PAINT:
        return OnPaint(wp, lp);
    case WM_QUERYDRAGICON:
        return reinterpret_cast<LRESULT>(OnQueryDragIcon());
    case WM_WINDOWPOSCHANGING:
        OnWindowPosChanging(wp, lp);
        return 0;
    case WM_TIMER:
        if (wp == kStatusTimer) refreshStatusLine();
        break;
    case WM_CLOSE:
        OnClose();
        return 0;
    case WM_TIMECHANGE:
        m_host.wallClockChanged();
        break;
    case WM_POWERBROADCAST:
        if (wp == PBT_APMRESUMEAUTOMATIC || wp == PBT_APMRESUMESUSPEND) m_host.wallClockChanged();
        break;
    case WM_DWMCOMPOSITIONCHANGED:
        return OnCompositionChanged(wp, lp);
    case WM_SIZE:
        m_anchors.follow(m_hWnd);
        break;
    case WM_SIZING:
        m_sizing = true;
        break;
    case WM_EXITSIZEMOVE:
        OnExitSizeMove();
        break;
    case WM_GETMINMAXINFO:
        if (m_leastSize.cx > 0) reinterpret_cast<MINMAXINFO*>(lp)->ptMinTrackSize = POINT{m_leastSize.cx, m_leastSize.cy};
        break;
    case WM_DPICHANGED:
        // Moved to a monitor of another resolution: the system scales the dialog, the glass
        // follows here.
        m_glassMargins = glassMarginsFor(m_hWnd);
        applyGlass();
        break;
    }
    return fw::Dialog::HandleMessage(msg, wp, lp);
}

LRESULT CKirunDlg::OnSysCommand(WPARAM command, LPARAM lp) {
    if ((command & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutDlg about;
        about.DoModal();
        return 0;
    }
    return Default(WM_SYSCOMMAND, command, lp);
}

LRESULT CKirunDlg::OnPaint(WPARAM wp, LPARAM lp) {
    if (!IsIconic(m_hWnd)) return Default(WM_PAINT, wp, lp);
    fw::PaintDC dc(m_hWnd);
    Send(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.get()), 0);
    RECT client = ClientRect();
    int x = (client.right - client.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
    int y = (client.bottom - client.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(dc.get(), x, y, m_icon);
    return 0;
}

HICON CKirunDlg::OnQueryDragIcon() { return m_icon; }

// Enter and Esc reach the main window as OK and Cancel: pressed on the list or anywhere in the
// window they must not end the show. Only closing the window ends it.
void CKirunDlg::OnOK() {}
void CKirunDlg::OnCancel() {}

// The close box, the system menu's close, Alt+F4, WM_CLOSE from another program and automatic
// exit all arrive here. Whatever dialog or box is open ends with the window, as if cancelled: its
// modal loop would keep the program running.
void CKirunDlg::OnClose() {
    fw::EndOpenModals();
    EndDialog(IDCANCEL);
}

bool CKirunDlg::OnButtonClicked(int id) {
    if (id != IDC_AUTO_EXIT) return fw::Dialog::OnButtonClicked(id);
    OnAutoExitClicked();
    return true;
}

void CKirunDlg::OnAutoExitClicked() {
    UpdateData(TRUE);  // the check box's state goes to the controller
}

// Keeps the window hidden in batch mode, although the modal loop shows a hidden dialog once it
// is idle; while it may be seen, every position change also shows it.
void CKirunDlg::OnWindowPosChanging(WPARAM wp, LPARAM lp) {
    DefWindowProcW(m_hWnd, WM_WINDOWPOSCHANGING, wp, lp);
    WINDOWPOS* pos = reinterpret_cast<WINDOWPOS*>(lp);
    if (m_visible) pos->flags |= SWP_SHOWWINDOW;
    else pos->flags &= ~SWP_SHOWWINDOW;
}

bool CKirunDlg::OnNotify(int id, NMHDR* header, LRESULT& result) {
    if (id != IDC_HOME_LINK || header->code != NM_CLICK) return false;
    openHomePage(m_hWnd);
    result = 0;
    return true;
}

LRESULT CKirunDlg::OnCompositionChanged(WPARAM wp, LPARAM lp) {
    queryComposition(&m_glassEnabled);
    applyGlass();
    return Default(WM_DWMCOMPOSITIONCHANGED, wp, lp);
}

HBRUSH CKirunDlg::OnCtlColor(HDC dc, HWND, UINT) {
    if (!m_glassEnabled) return nullptr;
    SetBkMode(dc, TRANSPARENT);
    return static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
}

void CKirunDlg::applyGlass() {
    if (m_glassEnabled) {
        extendGlass(m_hWnd, &m_glassMargins);
        attachGlassCheck();
    } else {
        detachGlassCheck();
    }
    InvalidateRect(m_hWnd, nullptr, TRUE);
}

void CKirunDlg::attachGlassCheck() {
    if (m_glassCheckAttached) return;
    m_glassCheckAttached = TRUE;
    m_glassCheck.SubclassDlgItem(IDC_AUTO_EXIT, m_hWnd);
    m_statusOnGlass.SubclassDlgItem(IDC_STATUS_LINE, m_hWnd);
}

void CKirunDlg::detachGlassCheck() {
    if (!m_glassCheckAttached) return;
    m_glassCheckAttached = FALSE;
    m_glassCheck.UnsubclassWindow();
    m_statusOnGlass.UnsubclassWindow();
}

void CKirunDlg::refreshStatusLine() {
    StatusFacts facts;
    facts.stripShown = m_host.show().shown(1);
    facts.lanes = m_host.show().laneStates();
    facts.oscRetrying = m_host.osc().state() == OscReceiver::State::Retrying;
    facts.oscEndpoint = m_host.osc().endpoint();
    facts.settingsUnsaved = m_host.controller().settingsUnsaved();
    const std::wstring line = statusLineText(facts);
    if (line == m_statusLine) return;
    m_statusLine = line;
    SetDlgItemTextW(m_hWnd, IDC_STATUS_LINE, line.c_str());
    InvalidateRect(GetDlgItem(IDC_STATUS_LINE), nullptr, TRUE);
}
