// The caption window itself: creation, placement, timers and presenting its pictures.
#include "display/KirunWin.h"

#include <algorithm>
#include <climits>
#include <cstdio>

#include "display/CaptionDrawing.h"
#include "display/DesktopComposition.h"
#include "display/MonitorDpi.h"
#include "display/MonitorList.h"
#include "display/SmoothPicture.h"
#include "display/StripFont.h"
#include "display/StripPlacement.h"
#include "framework/Gdi.h"

namespace {
const wchar_t kMeasureText[] = L"ABC";
constexpr UINT kClassStyle = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif
}  // namespace

CKirunWin::CKirunWin(StripOwner* owner) : m_owner(owner) {
    const char* className = RegisterWindowClass(kClassStyle);
    RECT empty{0, 0, 0, 0};
    if (className) CreateEx(0, className, "", WS_POPUP | WS_VISIBLE, empty, nullptr, 0);
}

CKirunWin::~CKirunWin() { DestroyWindow(); }

void CKirunWin::setLook(const StripLook& look) {
    m_look = look;
    takeComposition(desktopCompositor().composing);
    if (m_started) updateLayout();
}

void CKirunWin::takeComposition(bool composed) {
    m_look.m_alphaComposed = composed;
    applyPictureLook();
    m_presentation = presentationFor(m_picture.mode());
}

void CKirunWin::followComposition() {
    const bool composed = desktopCompositor().composing;
    if (!m_look.m_smooth || composed == m_look.m_alphaComposed) return;
    takeComposition(composed);
    // Laid out again as it is: a strip the operator hid stays hidden.
    if (!m_started) return;
    layOut(false);
    if (m_owner) m_owner->onStripLaidOut(*this);
}

int CKirunWin::restyle(const StripLook& look) {
    m_look = look;
    takeComposition(desktopCompositor().composing);
    if (!m_started) return m_picture.captionSize().cx;
    matchLayeredMode();
    matchActivationStyle();
    applyLayeredAttributes();
    showAsWanted();
    const int width = m_picture.restyle();
    present(m_fraction);
    return width;
}

void CKirunWin::setBandOpacity(BYTE opacity) {
    if (opacity == m_bandOpacity) return;
    m_bandOpacity = opacity;
    if (!m_look.m_bandOn) return;
    // A band with nothing on it is no window at all: no system draws a window of alpha 0 the
    // same way, and none must show an empty band.
    showAsWanted();
    applyLayeredAttributes();
    if (m_perPixelAlpha) present(m_fraction);
}

BYTE CKirunWin::windowAlpha(BYTE presentationAlpha) const {
    if (!m_look.m_bandOn) return presentationAlpha;
    return static_cast<BYTE>(presentationAlpha * m_bandOpacity / 255);
}

HFONT CKirunWin::captionFont() const { return m_scaledFont ? m_scaledFont.get() : m_look.m_font; }

void CKirunWin::applyPictureLook() {
    m_scaledFont.reset();
    LOGFONTA font;
    if (m_look.m_font && GetObjectA(m_look.m_font, sizeof font, &font) == sizeof font) {
        const LOGFONTA scaled = stripFontAt(font, m_dpi, m_look.mode());
        m_scaledFont.reset(CreateFontIndirectA(&scaled));
    }
    m_picture.setLook(m_look, captionFont());
}

void CKirunWin::start(bool shown) {
    m_shown = shown;
    layOut(shown);
    raise();
    present();
    m_started = true;
    SetTimer(kLayeredTimer, kLayeredPeriod);
}

void CKirunWin::showStrip(bool shown) {
    m_shown = shown;
    showAsWanted();
}

bool CKirunWin::visibleNow() const { return m_shown && (!m_look.m_bandOn || m_bandOpacity > 0); }

void CKirunWin::showAsWanted() {
    if (!m_hWnd) return;
    const bool visible = IsWindowVisible(m_hWnd) != FALSE;
    if (visible == visibleNow()) return;
    ShowWindow(visibleNow() ? SW_SHOWNA : SW_HIDE);
    // Shown, a painted strip shows its picture at once, not once the program's queue is empty.
    if (visibleNow() && !m_perPixelAlpha) UpdateWindow(m_hWnd);
}

void CKirunWin::raise() { SetWindowPos(HWND_TOPMOST, 0, 0, 0, 0, kBringToTop); }

void CKirunWin::runTimer(UINT_PTR id, bool run) {
    bool& on = id == kScrollTimer ? m_scrollTimerOn : m_countDownTimerOn;
    const UINT period = id == kScrollTimer ? kScrollPeriod : kCountDownPeriod;
    if (run && !on && m_started) on = SetTimer(id, period) != 0;
    if (!run && on) {
        KillTimer(id);
        on = false;
    }
}

bool CKirunWin::timerRuns(UINT_PTR id) const {
    return id == kScrollTimer ? m_scrollTimerOn : id == kCountDownTimer && m_countDownTimerOn;
}

BOOL CKirunWin::DestroyWindow() {
    runTimer(kScrollTimer, false);
    runTimer(kCountDownTimer, false);
    if (m_hWnd) KillTimer(kLayeredTimer);
    m_started = false;  // nothing may start a timer on a window on its way out
    return fw::Window::DestroyWindow();
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
        if (m_started && followScreen() && m_owner) m_owner->onStripLaidOut(*this);
        return 0;
    case WM_CLOSE: return 0;  // only the owner ends the strip, with DestroyWindow()
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
    SetWindowLongA(m_hWnd, GWL_EXSTYLE, exStyle | WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_TRANSPARENT);
    return 0;
}

LRESULT CKirunWin::OnPaint() {
    fw::PaintDC paint(m_hWnd);
    if (!paint.get() || !m_picture.strip() || m_perPixelAlpha) return 0;
    // The strip picture has the client area's size since the last layout.
    const int width = m_picture.strip().width();
    const int height = m_picture.strip().height();
    SetStretchBltMode(paint.get(), HALFTONE);
    StretchBlt(paint.get(), 0, 0, width, height, m_picture.stripDC(), 0, 0, width, height, SRCCOPY);
    return 0;
}

LRESULT CKirunWin::OnTimer(WPARAM wp, LPARAM lp) {
    if (wp == kLayeredTimer) applyLayeredAttributes();
    else if ((wp == kScrollTimer || wp == kCountDownTimer) && m_owner) m_owner->onStripTimer(*this, wp);
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
    if (!m_started) return result;
    if (m_owner) m_owner->onDisplayChanged();
    else followScreen();
    return result;
}

int stripHeightFor(HDC dc, HFONT font, bool smoothPicture) {
    return captionHeightFor(smoothPicture, measureCaptionText(dc, font, kMeasureText).cy);
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
    const BYTE wanted = windowAlpha(m_presentation.m_alpha);
    const bool keyed = (flags & LWA_COLORKEY) != 0;
    COLORREF key = 0;
    BYTE alpha = 0;
    DWORD current = 0;
    if (GetLayeredWindowAttributes(m_hWnd, &key, &alpha, &current) && alpha == wanted && current == flags &&
        (!keyed || key == kStripKeyColor))
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

void CKirunWin::present(int fraction) {
    m_fraction = fraction;
    if (!m_perPixelAlpha) {
        Invalidate(TRUE);
        // A frame of the smooth look is shown at once, not whenever the queue is empty.
        if (m_look.m_smooth) UpdateWindow(m_hWnd);
        return;
    }
    // One call hands the whole picture over: no frame is shown half drawn.
    OffscreenPicture& strip = m_picture.framePicture(fraction);
    if (!strip) return;
    SIZE size{strip.width(), strip.height()};
    POINT origin{0, 0};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, windowAlpha(kOpaqueAlpha), AC_SRC_ALPHA};
    UpdateLayeredWindow(m_hWnd, nullptr, nullptr, &size, strip.dc(), &origin, 0, &blend, ULW_ALPHA);
}

void CKirunWin::updateLayout() { layOut(true); }

StripPlacement CKirunWin::placementFor(int height) const {
    const long long gap = static_cast<long long>(m_look.m_gap) + m_stackOffset;
    const int distance = static_cast<int>(std::clamp<long long>(gap, INT_MIN, INT_MAX));
    return computeStripPlacement(m_screen, height, m_look.m_pos, distance, m_look.m_lgap, m_look.m_rgap);
}

void CKirunWin::setStackOffset(int pixels) {
    if (pixels == m_stackOffset) return;
    m_stackOffset = pixels;
    if (!m_started || !m_hWnd) return;
    RECT window{};
    if (!GetWindowRect(m_hWnd, &window)) return;
    const StripPlacement place = placementFor(window.bottom - window.top);
    SetWindowPos(nullptr, place.x, place.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CKirunWin::layOut(bool show) {
    // Moving to a monitor of another resolution brings WM_DPICHANGED within SetWindowPos: this
    // layout already is for that monitor.
    if (m_layingOut) return;
    m_layingOut = true;
    const StripScreen screen = currentScreen();
    m_screen = screen.m_rect;
    if (screen.m_dpi != m_dpi) {
        m_dpi = screen.m_dpi;
        applyPictureLook();
    }
    int height = 2;
    {
        fw::WindowDC dc(m_hWnd);
        if (dc) height = stripHeightFor(dc.get(), captionFont(), m_picture.smoothPicture());
    }
    const StripPlacement place = placementFor(height);
    // The window's styles are right before it shows: it never appears activatable or keyed wrong.
    matchLayeredMode();
    matchActivationStyle();
    applyLayeredAttributes();

    if (show) m_shown = true;
    SetWindowPos(HWND_TOPMOST, place.x, place.y, place.width, place.height,
                 (show && visibleNow() ? SWP_SHOWWINDOW : 0) | SWP_NOACTIVATE);
    showAsWanted();
    m_layingOut = false;

    RECT client = ClientRect();
    m_picture.layout(client.right - client.left, client.bottom - client.top);
    m_fraction = 0;
    if (m_perPixelAlpha) present();  // such a window shows nothing until it is handed a picture
}
