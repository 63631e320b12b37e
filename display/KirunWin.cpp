// The caption window itself: creation, placement, the two off-screen pictures and painting.
#include "display/KirunWin.h"

#include <cstdio>

#include "display/StripPlacement.h"
#include "framework/Gdi.h"

namespace {
const char kBlankCaption[] = "  ";
const char kMeasureText[] = "ABC";
constexpr UINT kClassStyle = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;

SIZE MeasureText(HDC dc, HFONT font, const std::string& text) {
    fw::SelectGuard selectFont(dc, font);
    SIZE size{0, 0};
    if (!GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size))
        size = SIZE{0, 0};
    return size;
}
}  // namespace

CKirunWin::CKirunWin() {
    const char* className = RegisterWindowClass(kClassStyle);
    RECT empty{0, 0, 0, 0};
    if (className) CreateEx(0, className, "", WS_POPUP | WS_VISIBLE, empty, nullptr, 0);
}

void CKirunWin::start() {
    updateLayout();
    SetWindowPos(HWND_TOPMOST, 0, 0, 0, 0, kBringToTop);
    Invalidate(TRUE);
    m_started = true;
    // Scrolling and counting down start with the first caption put on air, unless one already is.
    if (m_rolling) startScrollTimer();
    if (!m_runList.empty()) startCountDownTimer();
    SetTimer(kLayeredTimer, kLayeredPeriod);
}

void CKirunWin::startScrollTimer() {
    if (m_started && !m_scrollTimerOn) m_scrollTimerOn = SetTimer(kScrollTimer, kScrollPeriod) != 0;
}

void CKirunWin::stopScrollTimer() {
    if (m_scrollTimerOn) KillTimer(kScrollTimer);
    m_scrollTimerOn = false;
}

void CKirunWin::startCountDownTimer() {
    if (m_started && !m_countDownTimerOn)
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
    case WM_CLOSE: return 0;  // only the owner ends the strip, with DestroyWindow()
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
    if (!paint.get() || !m_strip) return 0;
    // The strip bitmap has the client area's size since the last layout.
    const int width = m_strip.width();
    const int height = m_strip.height();
    SetStretchBltMode(paint.get(), HALFTONE);
    StretchBlt(paint.get(), 0, 0, width, height, m_strip.dc(), 0, 0, width, height, SRCCOPY);
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

void CKirunWin::applyLayeredAttributes() {
    SetLayeredWindowAttributes(m_hWnd, m_keyColor, m_alpha, LWA_COLORKEY | LWA_ALPHA);
}

void CKirunWin::updateLayout() {
    // The whole primary screen, not the work area: at the bottom edge the strip may lie over
    // the taskbar.
    RECT screen{0, 0, 0, 0};
    GetWindowRect(GetDesktopWindow(), &screen);
    int height = 2;
    {
        fw::WindowDC dc(m_hWnd);
        if (dc) height = MeasureText(dc.get(), m_font, kMeasureText).cy + 2;
    }
    const StripPlacement place = ComputeStripPlacement(screen, height, m_pos, m_gap, m_lgap, m_rgap);
    SetWindowPos(HWND_TOPMOST, place.x, place.y, place.width, place.height,
                 SWP_SHOWWINDOW | SWP_NOACTIVATE);

    m_alpha = 200;
    applyLayeredAttributes();

    m_scrollX = 0;
    m_next = 0;
    createStrip();
    renderCaption();
    // A caption draining out starts again at the right edge: it needs the whole way out anew.
    if (m_rolling && m_runList.empty() && !m_currentText.empty()) resetDrain();
}

void CKirunWin::createStrip() {
    RECT client = ClientRect();
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    if (!m_strip.create(width, height)) return;
    fillKeyColor(m_strip.dc(), 0, 0, width, height);
}

void CKirunWin::renderCaption() {
    const std::string text = m_currentText.empty() ? kBlankCaption : m_currentText;
    // The memory DC is compatible with the screen, so the text measures as it would on the
    // window's own DC.
    HDC dc = m_caption.dc();
    const SIZE textSize = dc ? MeasureText(dc, m_font, text) : SIZE{0, 0};
    // The step + 1 columns right of the text are the gap before the next caption.
    const int width = textSize.cx + scrollStepWidth() + 1;
    const int height = textSize.cy + 2;
    m_captionSize = SIZE{width, height};
    if (!m_currentText.empty()) m_lastWidth = width;

    // Without a picture, scrolling shows the key colour for this pass.
    if (!m_caption.create(width, height)) return;
    fw::SelectGuard selectFont(dc, m_font);
    fillKeyColor(dc, 0, 0, width, height);

    // The shadow is the text moved one pixel right and down, drawn first so the text stands
    // on it. Captions are shown verbatim: "&" is no mnemonic prefix here.
    RECT textRect{0, 1, width, height - 1};
    RECT shadowRect{1, 2, width + 1, height};
    const UINT format = DT_SINGLELINE | DT_NOPREFIX;
    const int length = static_cast<int>(text.size());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, m_shadowColor);
    DrawTextA(dc, text.data(), length, &shadowRect, format);
    SetTextColor(dc, m_textColor);
    DrawTextA(dc, text.data(), length, &textRect, format);
}

void CKirunWin::fillKeyColor(HDC dc, int x, int y, int width, int height) const {
    fw::Brush key(CreateSolidBrush(m_keyColor));
    RECT area{x, y, x + width, y + height};
    if (key) FillRect(dc, &area, key.get());
}
