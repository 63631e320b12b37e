// The caption window itself: creation, placement, timers and painting. The pictures and the
// captions on air belong to the scrolling engine.
#include "display/KirunWin.h"

#include <cstdio>

#include "display/CaptionDrawing.h"
#include "display/MonitorList.h"
#include "display/DesktopComposition.h"
#include "display/SmoothPicture.h"
#include "display/StripPlacement.h"
#include "framework/Gdi.h"

namespace {
const wchar_t kMeasureText[] = L"ABC";
constexpr UINT kClassStyle = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif
}  // namespace

CKirunWin::CKirunWin() {
    const char* className = RegisterWindowClass(kClassStyle);
    RECT empty{0, 0, 0, 0};
    if (className) CreateEx(0, className, "", WS_POPUP | WS_VISIBLE, empty, nullptr, 0);
}

void CKirunWin::setLook(const StripLook& look) {
    // The motion changes from the timer to frames or the other way round.
    const bool switching = look.m_smooth != m_look.m_smooth && (m_scrollTimerOn || m_framesOn);
    if (switching) stopScrollTimer();
    m_look = look;
    takeComposition(desktopCompositor().composing);
    if (m_started) updateLayout();
    if (switching) startScrollTimer();
    if (m_started) followMonitors(true);
}

void CKirunWin::takeComposition(bool composed) {
    m_look.m_alphaComposed = composed;
    applyEngineLook();
    m_presentation = presentationFor(m_engine.mode());
}

void CKirunWin::followComposition() {
    const bool composed = desktopCompositor().composing;
    if (!m_look.m_smooth || composed == m_look.m_alphaComposed) return;
    takeComposition(composed);
    // Laid out again as it is: a strip the operator hid stays hidden.
    if (m_started) layOut(false);
}

HFONT CKirunWin::captionFont() const { return m_scaledFont ? m_scaledFont.get() : m_look.m_font; }

void CKirunWin::applyEngineLook() {
    m_scaledFont.reset();
    LOGFONTA font;
    if (m_look.m_font && GetObjectA(m_look.m_font, sizeof font, &font) == sizeof font) {
        font.lfHeight = scaledFontHeight(font.lfHeight, m_dpi);
        font.lfWidth = scaledFontHeight(font.lfWidth, m_dpi);
        font.lfQuality = glyphQualityFor(m_look.mode(), font.lfQuality);
        m_scaledFont.reset(CreateFontIndirectA(&font));
    }
    m_engine.setLook(m_look, captionFont());
}

void CKirunWin::start() {
    updateLayout();
    SetWindowPos(HWND_TOPMOST, 0, 0, 0, 0, kBringToTop);
    present();
    m_started = true;
    // Scrolling and counting down start with the first caption put on air, unless one already is.
    if (m_engine.rolling()) startScrollTimer();
    if (!m_engine.runList().empty()) startCountDownTimer();
    SetTimer(kLayeredTimer, kLayeredPeriod);
    followMonitors(true);
}

void CKirunWin::followMonitors(bool relaidOut) {
    std::vector<std::string> wanted;
    if (leadsMirrors())
        for (const MonitorInfo& monitor : connectedMonitors())
            if (!monitor.m_primary) wanted.push_back(monitor.m_deviceName);
    // Mirrors of monitors that are gone go; the others follow this strip's look.
    for (size_t i = m_mirrors.size(); i-- > 0;) {
        CKirunWin* mirror = m_mirrors[i];
        bool kept = false;
        for (const std::string& name : wanted) kept = kept || name == mirror->m_look.m_monitor;
        if (kept) continue;
        m_mirrors.erase(m_mirrors.begin() + static_cast<std::ptrdiff_t>(i));
        mirror->DestroyWindow();
    }
    const bool shown = IsWindowVisible(m_hWnd) != FALSE;
    for (const std::string& name : wanted) {
        StripLook look = m_look;
        look.m_monitor = name;
        CKirunWin* mirror = nullptr;
        for (CKirunWin* existing : m_mirrors)
            if (existing->m_look.m_monitor == name) mirror = existing;
        if (mirror) {
            const StripScreen screen = mirror->currentScreen();
            const bool moved = !EqualRect(&screen.m_rect, &mirror->m_screen) || screen.m_dpi != mirror->m_dpi;
            if (!moved && !relaidOut) continue;  // the others do not jump
            mirror->setLook(look);
            mirror->m_engine.follow(m_engine);
            if (!shown) mirror->ShowWindow(SW_HIDE);
            continue;
        }
        mirror = new CKirunWin;
        if (!mirror->Hwnd()) {
            mirror->DestroyWindow();  // deletes an object whose window could not be made
            continue;
        }
        mirror->m_isMirror = true;
        mirror->setLook(look);
        mirror->start();
        mirror->m_engine.follow(m_engine);
        if (!shown) mirror->ShowWindow(SW_HIDE);
        m_mirrors.push_back(mirror);
    }
    presentMirrors();
}

void CKirunWin::destroyMirrors() {
    std::vector<CKirunWin*> mirrors;
    mirrors.swap(m_mirrors);
    for (CKirunWin* mirror : mirrors) mirror->DestroyWindow();
}

void CKirunWin::presentMirrors() {
    for (CKirunWin* mirror : m_mirrors) {
        mirror->m_fraction = m_fraction;
        mirror->present();
    }
}

void CKirunWin::dropEndedFromMirrors() {
    for (CKirunWin* mirror : m_mirrors) {
        const RunList& theirs = mirror->m_engine.runList();
        for (int i = theirs.count(); i-- > 0;) {
            const int index = theirs.at(i).index;
            if (!m_engine.runList().find(index)) mirror->m_engine.remove(index);
        }
    }
}

void CKirunWin::showStrip(bool shown) {
    ShowWindow(shown ? SW_SHOWNA : SW_HIDE);
    for (CKirunWin* mirror : m_mirrors) mirror->ShowWindow(shown ? SW_SHOWNA : SW_HIDE);
}

void CKirunWin::startScrollTimer() {
    if (!m_started || m_isMirror || m_scrollTimerOn || m_framesOn) return;
    if (!m_look.m_smooth) {
        m_scrollTimerOn = SetTimer(kScrollTimer, kScrollPeriod) != 0;
        return;
    }
    m_motion.start(performanceCounter(), performanceFrequency(), m_look.m_speedPx);
    m_framesOn = m_pacer.start(m_hWnd, kFrameMessage, refreshRateOf(m_look.m_monitor));
}

void CKirunWin::stopScrollTimer() {
    if (m_scrollTimerOn) KillTimer(kScrollTimer);
    m_scrollTimerOn = false;
    m_pacer.stop();
    m_motion.stop();
    m_framesOn = false;
}

void CKirunWin::startCountDownTimer() {
    if (m_started && !m_isMirror && !m_countDownTimerOn)
        m_countDownTimerOn = SetTimer(kCountDownTimer, kCountDownPeriod) != 0;
}

void CKirunWin::stopCountDownTimer() {
    if (m_countDownTimerOn) KillTimer(kCountDownTimer);
    m_countDownTimerOn = false;
}

BOOL CKirunWin::DestroyWindow() {
    if (!m_hWnd) {
        // The window was never created, so PostNcDestroy will not come: the owner hands the
        // object over with this call all the same.
        delete this;
        return FALSE;
    }
    destroyMirrors();
    stopScrollTimer();
    stopCountDownTimer();
    KillTimer(kLayeredTimer);
    m_started = false;  // nothing may start a timer on a window on its way out
    return fw::Window::DestroyWindow();
}

void CKirunWin::PostNcDestroy() {
    fw::Window::PostNcDestroy();
    if (m_owner) m_owner->onKirunWinGone();
    delete this;
}

LRESULT CKirunWin::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_CREATE: return OnCreate(wp, lp);
    case WM_PAINT: return OnPaint();
    case WM_TIMER: return OnTimer(wp, lp);
    case WM_FONTCHANGE: return OnFontChange(wp, lp);
    case WM_DISPLAYCHANGE: return OnDisplayChange(msg, wp, lp);
    case WM_DPICHANGED:
        // The strip places and sizes itself: the rectangle the system suggests is not taken.
        if (m_started) followScreen();
        return 0;
    case WM_CLOSE: return 0;  // only the owner ends the strip, with DestroyWindow()
    case kFrameMessage:
        onFrame();
        return 0;
    case WM_DWMCOMPOSITIONCHANGED:
        followComposition();  // on or off (Windows 7): the smooth look's picture follows
        return Default(msg, wp, lp);
    default: return Default(msg, wp, lp);
    }
}

LRESULT CKirunWin::OnCreate(WPARAM wp, LPARAM lp) {
    if (Default(WM_CREATE, wp, lp) == -1) return -1;
    LONG style = GetWindowLongA(m_hWnd, GWL_STYLE);
    SetWindowLongA(m_hWnd, GWL_STYLE, style & ~static_cast<LONG>(WS_BORDER));
    LONG exStyle = GetWindowLongA(m_hWnd, GWL_EXSTYLE);
    SetWindowLongA(m_hWnd, GWL_EXSTYLE,
                   exStyle | WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_TRANSPARENT);
    return 0;
}

LRESULT CKirunWin::OnPaint() {
    fw::PaintDC paint(m_hWnd);
    if (!paint.get() || !m_engine.strip() || m_perPixelAlpha) return 0;
    // The strip picture has the client area's size since the last layout.
    const int width = m_engine.strip().width();
    const int height = m_engine.strip().height();
    SetStretchBltMode(paint.get(), HALFTONE);
    StretchBlt(paint.get(), 0, 0, width, height, m_engine.stripDC(), 0, 0, width, height, SRCCOPY);
    return 0;
}

LRESULT CKirunWin::OnTimer(WPARAM wp, LPARAM lp) {
    switch (wp) {
    case kScrollTimer: onScrollTick(); break;
    case kCountDownTimer: countDown(); break;
    case kLayeredTimer: applyLayeredAttributes(); break;
    default: break;
    }
    return Default(WM_TIMER, wp, lp);
}

LRESULT CKirunWin::OnFontChange(WPARAM wp, LPARAM lp) {
    LRESULT result = Default(WM_FONTCHANGE, wp, lp);
    std::printf("OnFontChange\n");
    std::fflush(stdout);
    return result;
}

LRESULT CKirunWin::OnDisplayChange(UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT result = Default(msg, wp, lp);
    // A mirror is laid out by its leader, which follows the monitors as a whole.
    if (m_started && !m_isMirror) followMonitors(followScreen());
    return result;
}

CKirunWin::StripScreen CKirunWin::currentScreen() const {
    StripScreen screen;
    if (!m_look.m_monitor.empty()) {
        const std::vector<MonitorInfo> monitors = connectedMonitors();
        const MonitorInfo* monitor = stripMonitor(monitors, m_look.m_monitor);
        if (monitor && !monitor->m_primary) {
            screen.m_rect = monitor->m_rect;
            screen.m_dpi = monitorDpi(monitor->m_handle);
            return screen;
        }
    }
    // The whole primary screen, not the work area: at the bottom edge the strip may lie over
    // the taskbar.
    GetWindowRect(GetDesktopWindow(), &screen.m_rect);
    screen.m_dpi = monitorDpi(MonitorFromWindow(GetDesktopWindow(), MONITOR_DEFAULTTOPRIMARY));
    return screen;
}

bool CKirunWin::followScreen() {
    const StripScreen screen = currentScreen();
    if (EqualRect(&screen.m_rect, &m_screen) && screen.m_dpi == m_dpi) return false;
    // Following the screen never puts a strip the operator hid back on air.
    layOut(false);
    return true;
}

void CKirunWin::applyLayeredAttributes() {
    // A window updated with UpdateLayeredWindow gets its alpha with every picture.
    if (m_perPixelAlpha) return;
    // Applying them costs a reshaping of the whole window under some window systems: once a
    // second they are only read back, and set again only when something changed them.
    const DWORD flags = m_presentation.m_flags;
    const BYTE wanted = m_presentation.m_alpha;
    const bool keyed = (flags & LWA_COLORKEY) != 0;
    COLORREF key = 0;
    BYTE alpha = 0;
    DWORD current = 0;
    if (GetLayeredWindowAttributes(m_hWnd, &key, &alpha, &current) && alpha == wanted &&
        current == flags && (!keyed || key == kStripKeyColor))
        return;
    SetLayeredWindowAttributes(m_hWnd, kStripKeyColor, wanted, flags);
}

void CKirunWin::matchLayeredMode() {
    if (m_presentation.m_perPixelAlpha == m_perPixelAlpha) return;
    const LONG exStyle = GetWindowLongA(m_hWnd, GWL_EXSTYLE);
    SetWindowLongA(m_hWnd, GWL_EXSTYLE, exStyle & ~static_cast<LONG>(WS_EX_LAYERED));
    SetWindowLongA(m_hWnd, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
    m_perPixelAlpha = m_presentation.m_perPixelAlpha;
}

void CKirunWin::matchActivationStyle() {
    const LONG exStyle = GetWindowLongA(m_hWnd, GWL_EXSTYLE);
    const LONG noActivate = static_cast<LONG>(WS_EX_NOACTIVATE);
    const LONG wanted = m_look.m_smooth ? (exStyle | noActivate) : (exStyle & ~noActivate);
    if (wanted != exStyle) SetWindowLongA(m_hWnd, GWL_EXSTYLE, wanted);
}

void CKirunWin::present() {
    if (!m_perPixelAlpha) {
        Invalidate(TRUE);
        // A frame of the smooth look is shown at once, not whenever the queue is empty.
        if (m_framesOn) UpdateWindow(m_hWnd);
        return;
    }
    // One call hands the whole picture over: no frame is shown half drawn.
    OffscreenPicture& strip = m_engine.framePicture(m_fraction);
    if (!strip) return;
    SIZE size{strip.width(), strip.height()};
    POINT origin{0, 0};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, kOpaqueAlpha, AC_SRC_ALPHA};
    UpdateLayeredWindow(m_hWnd, nullptr, nullptr, &size, strip.dc(), &origin, 0, &blend, ULW_ALPHA);
}

void CKirunWin::updateLayout() { layOut(true); }

void CKirunWin::layOut(bool show) {
    // Moving to a monitor of another resolution brings WM_DPICHANGED within SetWindowPos: this
    // layout already is for that monitor.
    if (m_layingOut) return;
    m_layingOut = true;
    const StripScreen screen = currentScreen();
    m_screen = screen.m_rect;
    if (screen.m_dpi != m_dpi) {
        m_dpi = screen.m_dpi;
        applyEngineLook();
    }
    int height = 2;
    {
        fw::WindowDC dc(m_hWnd);
        if (dc) {
            const int textHeight = measureCaptionText(dc.get(), captionFont(), kMeasureText).cy;
            height = captionHeightFor(m_engine.smoothPicture(), textHeight);
        }
    }
    const StripPlacement place =
        computeStripPlacement(m_screen, height, m_look.m_pos, m_look.m_gap, m_look.m_lgap, m_look.m_rgap);
    SetWindowPos(HWND_TOPMOST, place.x, place.y, place.width, place.height,
                 (show ? SWP_SHOWWINDOW : 0) | SWP_NOACTIVATE);
    m_layingOut = false;

    matchLayeredMode();
    matchActivationStyle();
    applyLayeredAttributes();

    RECT client = ClientRect();
    m_engine.layout(client.right - client.left, client.bottom - client.top);
    m_fraction = 0;
    if (m_framesOn) {
        // The caption starts again at the right edge, its motion with it, at the refresh rate
        // of the monitor the strip now lies on.
        stopScrollTimer();
        startScrollTimer();
    }
    if (m_perPixelAlpha) present();  // such a window shows nothing until it is handed a picture
}

void CKirunWin::addKirun(int index, const wchar_t* text, int minutes, CKirunListener* listener) {
    std::printf("CKirunWin::addKirun() index=%d\n", index);
    std::fflush(stdout);
    m_engine.add(index, text ? text : L"", minutes, listener);
    for (CKirunWin* mirror : m_mirrors) mirror->m_engine.add(index, text ? text : L"", minutes, nullptr);
    startRolling();
}

void CKirunWin::cutInKirun(const wchar_t* text, int minutes, CKirunListener* listener, bool afterCurrent) {
    std::printf("CKirunWin::cutInKirun() index=%d\n", kCutInIndex);
    std::fflush(stdout);
    m_engine.cutIn(text ? text : L"", minutes, listener, afterCurrent);
    for (CKirunWin* mirror : m_mirrors) mirror->m_engine.cutIn(text ? text : L"", minutes, nullptr, afterCurrent);
    startRolling();
}

void CKirunWin::startRolling() {
    startScrollTimer();
    startCountDownTimer();
    SetWindowPos(HWND_TOPMOST, 0, 0, 0, 0, kBringToTop);
}

BOOL CKirunWin::removeKirun(int index) {
    const bool removed = m_engine.remove(index);
    for (CKirunWin* mirror : m_mirrors) mirror->m_engine.remove(index);
    if (m_engine.runList().empty()) stopCountDownTimer();
    return removed ? TRUE : FALSE;
}

bool CKirunWin::blankNow() {
    const bool wasRolling = m_engine.rolling();
    if (!m_engine.blank()) return false;
    stopScrollTimer();
    m_fraction = 0;
    present();
    for (CKirunWin* mirror : m_mirrors) mirror->m_engine.blank();
    presentMirrors();
    return wasRolling;
}

void CKirunWin::shiftIndicesAfter(int position) {
    m_engine.shiftIndicesAfter(position);
    for (CKirunWin* mirror : m_mirrors) mirror->m_engine.shiftIndicesAfter(position);
}

void CKirunWin::countDown() {
    m_engine.countDown();
    dropEndedFromMirrors();
    if (m_engine.runList().empty()) stopCountDownTimer();
}

void CKirunWin::onScrollTick() {
    const ScrollEngine::Tick tick = m_engine.tick();
    if (tick == ScrollEngine::Tick::kIdle) return;
    for (CKirunWin* mirror : m_mirrors) mirror->m_engine.tick();
    present();
    presentMirrors();
    if (tick == ScrollEngine::Tick::kEnded) {
        // Stopped before the listener hears of it: the listener may close the program or put
        // a caption on air again, and neither may be undone here afterwards.
        stopScrollTimer();
        if (m_endListener) m_endListener->onAllRollEnd();
    }
}

void CKirunWin::onFrame() {
    m_pacer.frameTaken();
    if (!m_framesOn) return;  // posted before the frames stopped
    const SmoothMotion::Frame frame = m_motion.frameAt(performanceCounter());
    const ScrollEngine::Tick tick = m_engine.advance(frame.pixels);
    if (tick == ScrollEngine::Tick::kIdle) return;
    for (CKirunWin* mirror : m_mirrors) mirror->m_engine.advance(frame.pixels);
    // The colour-keyed picture moves by whole pixels only: a frame that moved none is not
    // painted again (each repaint of a colour-keyed window reshapes it).
    const bool moved = frame.pixels > 0 || (m_perPixelAlpha && frame.fraction != m_fraction);
    m_fraction = frame.fraction;
    if (moved) {
        present();
        presentMirrors();
    }
    if (tick == ScrollEngine::Tick::kEnded) {
        // As with the timer: stopped before the listener may start or end anything.
        stopScrollTimer();
        if (m_endListener) m_endListener->onAllRollEnd();
    }
}
