// The scrolling engine of the caption window: the run list, the scroll tick, the countdown
// and the end of rolling.
#include <cstdio>

#include "display/KirunWin.h"
#include "display/ScrollGeometry.h"

namespace {
// Extra pixels scrolled after the last caption, beyond its width and the strip's.
constexpr int kDrainMargin = 50;
}

int CKirunWin::scrollStepWidth() const {
    return EffectiveScrollStep(m_deltaX);
}

void CKirunWin::addKirun(int index, const char* text, int minutes, CKirunListener* listener) {
    std::printf("CKirunWin::addKirun() index=%d\n", index);
    std::fflush(stdout);
    const std::string caption = text ? text : "";
    m_rolling = TRUE;
    m_runList.add(index, caption, minutes, listener);
    startScrollTimer();
    startCountDownTimer();
    if (m_currentText.empty()) {
        // Nothing is being shown: this caption enters at the right edge from the next tick on.
        m_currentText = caption;
        m_scrollX = 0;
        renderCaption();
    }
    // Should the list empty again before the next tick, the caption that entered still has to
    // leave the strip before rolling stops.
    resetDrain();
    SetWindowPos(HWND_TOPMOST, 0, 0, 0, 0, kBringToTop);
}

void CKirunWin::resetDrain() {
    m_drain = m_lastWidth + m_strip.width() + kDrainMargin;
}

BOOL CKirunWin::removeKirun(int index) {
    // The caption being shown finishes its pass; an emptied list drains on the scroll ticks.
    const bool removed = m_runList.remove(index, m_next);
    if (m_runList.empty()) stopCountDownTimer();
    return removed ? TRUE : FALSE;
}

void CKirunWin::shiftIndicesAfter(int position) {
    m_runList.shiftIndicesAfter(position);
}

void CKirunWin::countDown() {
    m_runList.countDown(m_next);
    if (m_runList.empty()) stopCountDownTimer();
}

void CKirunWin::onScrollTick() {
    if (!m_rolling) return;
    scrollStep();
    Invalidate(TRUE);
    if (!m_runList.empty()) {
        resetDrain();
        return;
    }
    m_drain -= scrollStepWidth();
    if (m_drain < 0) {
        m_drain = m_strip.width();
        // Stopped before the listener hears of it: the listener may close the program or put
        // a caption on air again, and neither may be undone here afterwards.
        m_rolling = FALSE;
        stopScrollTimer();
        if (m_endListener) m_endListener->onAllRollEnd();
    }
}

void CKirunWin::scrollStep() {
    const int step = scrollStepWidth();
    const ScrollSlice slice = ComputeSlice(m_strip.width(), m_captionSize.cx, m_scrollX, step);
    if (m_strip) {
        // Both pictures stay selected into their own memory DCs: a tick is two block copies.
        HDC strip = m_strip.dc();
        const int height = m_strip.height();
        if (slice.moveWidth > 0)
            BitBlt(strip, 0, 0, slice.moveWidth, height, strip, step, 0, SRCCOPY);
        int blankX = slice.blankX;
        if (slice.copyWidth > 0) {
            const int copyHeight = height < m_captionSize.cy ? height : m_captionSize.cy;
            if (!m_caption || !BitBlt(strip, slice.destX, 0, slice.copyWidth, copyHeight,
                                      m_caption.dc(), slice.sourceX, 0, SRCCOPY))
                blankX = slice.destX;
        }
        // Entering columns that got nothing from the caption (past its end, or no caption
        // picture) must not keep what scrolled through them before.
        if (blankX < m_strip.width())
            fillKeyColor(strip, blankX, 0, m_strip.width() - blankX, height);
    }

    m_scrollX += step;
    if (m_scrollX > m_captionSize.cx) {
        m_scrollX = 0;
        selectNextCaption();
        renderCaption();
    }
}

void CKirunWin::selectNextCaption() {
    const RunItem* item = m_runList.selectNext(m_next);
    m_currentText = item ? item->text : std::string();
}
