#include "display/ScrollEngine.h"

#include <algorithm>

#include "display/BandPixels.h"
#include "display/CaptionDrawing.h"
#include "display/ScrollGeometry.h"
#include "display/SmoothMotion.h"
#include "display/SmoothPicture.h"
#include "framework/Gdi.h"
#include "framework/WideText.h"

namespace {
const wchar_t kBlankCaption[] = L"  ";
const wchar_t kFullWidthSpace[] = L"\x3000";
// Extra pixels scrolled after the last caption, beyond its width and the strip's.
constexpr int kDrainMargin = 50;

void fillColor(HDC dc, COLORREF color, int x, int y, int width, int height) {
    fw::Brush brush(CreateSolidBrush(color));
    RECT area{x, y, x + width, y + height};
    if (brush) FillRect(dc, &area, brush.get());
}
}  // namespace

void ScrollEngine::setLook(const StripLook& look, HFONT font) {
    m_look = look;
    m_font = font;
    m_mode = look.mode();
    m_bandAlpha = bandAlphaFor(look.m_bandOpacity);
}

int ScrollEngine::stepWidth() const {
    return effectiveScrollStep(m_look.m_deltaX);
}

void ScrollEngine::layout(int width, int height) {
    m_scrollX = 0;
    m_next = 0;
    m_followsCaption = false;  // the current caption starts again on a blank strip
    const int stripWidth = smoothPicture() && width > 0 ? width + 1 : width;
    if (m_strip.create(stripWidth, height)) fillGround(m_strip, 0, 0, stripWidth, height);
    if (!smoothPicture() || !m_frame.create(width, height)) m_frame.reset();
    renderCaption();
    // A caption draining out starts again at the right edge: it needs the whole way out anew.
    if (m_rolling && m_runList.empty() && !m_currentText.empty()) resetDrain();
}

void ScrollEngine::add(int index, const std::wstring& text, int minutes, CKirunListener* listener) {
    m_rolling = true;
    m_runList.add(index, text, minutes, listener);
    if (m_currentText.empty()) {
        // Nothing is being shown: this caption enters at the right edge from the next tick on.
        m_currentIndex = index;
        m_currentText = text;
        m_scrollX = 0;
        m_followsCaption = false;
        renderCaption();
    }
    // Should the list empty again before the next tick, the caption that entered still has to
    // leave the strip before rolling stops.
    resetDrain();
}

void ScrollEngine::cutIn(const std::wstring& text, int minutes, CKirunListener* listener, bool afterCurrent) {
    const bool showing = !m_currentText.empty();
    add(kCutInIndex, text, minutes, listener);
    if (!showing || afterCurrent) return;
    const int interrupted = m_runList.positionOf(m_currentIndex);
    if (m_currentIndex != kCutInIndex && interrupted >= 0) m_next = interrupted;
    showFromStart(kCutInIndex, text);
}

void ScrollEngine::showFromStart(int index, const std::wstring& text) {
    m_currentIndex = index;
    m_currentText = text;
    m_scrollX = 0;
    m_followsCaption = false;
    if (m_strip) fillGround(m_strip, 0, 0, m_strip.width(), m_strip.height());
    renderCaption();
    resetDrain();
}

bool ScrollEngine::remove(int index) {
    // The caption being shown finishes its pass; an emptied list drains on the ticks.
    return m_runList.remove(index, m_next);
}

void ScrollEngine::follow(const ScrollEngine& leader) {
    m_runList = RunList();
    for (int i = 0; i < leader.m_runList.count(); ++i) {
        const RunItem& item = leader.m_runList.at(i);
        m_runList.add(item.index, item.text, item.minutes, nullptr);
    }
    showFromStart(leader.m_currentIndex, leader.m_currentText);
    m_followsCaption = leader.m_followsCaption;
    if (m_followsCaption) renderCaption();  // with the separator the leader drew
    m_scrollX = leader.m_scrollX;
    m_next = leader.m_next;
    m_rolling = leader.m_rolling;
    m_drain = leader.m_drain;
}

bool ScrollEngine::blank() {
    if (!m_runList.empty()) return false;
    showFromStart(-1, std::wstring());
    m_next = 0;
    m_rolling = false;
    return true;
}

void ScrollEngine::shiftIndicesAfter(int position) {
    m_runList.shiftIndicesAfter(position);
}

void ScrollEngine::countDown() {
    m_runList.countDown(m_next);
}

ScrollEngine::Tick ScrollEngine::tick() {
    if (!m_rolling) return Tick::kIdle;
    scrollStep(stepWidth());
    return afterMove(stepWidth());
}

ScrollEngine::Tick ScrollEngine::advance(int pixels) {
    if (!m_rolling) return Tick::kIdle;
    for (int left = pixels; left > 0;) {
        const int step = std::min(left, std::max(1, static_cast<int>(m_captionSize.cx) + 1 - m_scrollX));
        scrollStep(step);
        left -= step;
    }
    return afterMove(std::max(pixels, 0));
}

OffscreenPicture& ScrollEngine::framePicture(int fraction) {
    if (!smoothPicture() || !m_frame) return m_strip;
    blendNeighbourColumns(m_strip, fraction, SmoothMotion::kFractionSteps, m_frame);
    return m_frame;
}

ScrollEngine::Tick ScrollEngine::afterMove(int pixels) {
    if (!m_runList.empty()) {
        resetDrain();
        return Tick::kMoved;
    }
    m_drain -= pixels;
    if (m_drain >= 0) return Tick::kMoved;
    m_drain = m_strip.width();
    m_rolling = false;
    return Tick::kEnded;
}

void ScrollEngine::resetDrain() {
    m_drain = m_lastWidth + m_strip.width() + kDrainMargin;
}

void ScrollEngine::renderCaption() {
    std::wstring text = m_currentText.empty() ? kBlankCaption : m_currentText;
    if (m_followsCaption && !m_currentText.empty()) text = fw::WideFromCodePage932(m_look.m_separator) + text;
    // The memory DC is compatible with the screen, so the text measures as it would on the
    // window's own DC.
    m_captionText.measure(m_caption.dc(), m_font, text);
    const SIZE textSize = m_captionText.size();
    m_edge = smoothEdgeFor(textSize.cy);
    // The smooth picture has an edge of shadow or outline either side of the text; the
    // colour-keyed one the outline's column left of it (its shadow falls into the gap).
    const int sides = smoothPicture() ? 2 * m_edge : captionOutlineWidth(m_look.m_outline);
    const int width = sides + textSize.cx + trailingGap();
    const int height = captionHeightFor(smoothPicture(), textSize.cy);
    m_captionSize = SIZE{width, height};
    if (!m_currentText.empty()) m_lastWidth = width;

    // Without a picture, scrolling shows the ground for this pass.
    if (!m_caption.create(std::min(width, m_strip.width() + kPieceMargin), height)) return;
    drawPiece(0);
}

int ScrollEngine::trailingGap() {
    // The step + 1 columns right of the text; in the smooth look at least a full-width space
    // unless a separator keeps the captions apart, so that two of them never read as one.
    const int gap = stepWidth() + 1;
    if (!m_look.m_smooth || !m_look.m_separator.empty()) return gap;
    return std::max<int>(gap, measureCaptionText(m_caption.dc(), m_font, kFullWidthSpace).cx);
}

void ScrollEngine::drawPiece(int x) {
    m_pieceX = x;
    if (smoothPicture()) {
        const SmoothCaptionStyle style{m_look.m_textColor, m_look.m_shadowColor, m_look.m_outline, m_edge,
                                       smoothGround()};
        drawSmoothCaption(m_caption, m_mask, m_font, m_captionText, x, style);
        return;
    }
    HDC dc = m_caption.dc();
    // A translucent band gets its alpha once the caption is drawn on it: the pixels still of
    // the band's colour are the band.
    fillColor(dc, groundColor(), 0, 0, m_caption.width(), m_caption.height());
    drawCaptionColumns(dc, m_font, m_captionText, x, m_caption.width(), m_captionSize.cx,
                       m_caption.height(), m_look.m_textColor, m_look.m_shadowColor, m_look.m_outline);
    if (translucent()) makeBandTranslucent(m_caption, m_look.m_bandColor, m_bandAlpha);
}

void ScrollEngine::scrollStep(int step) {
    const ScrollSlice slice = computeSlice(m_strip.width(), m_captionSize.cx, m_scrollX, step);
    if (m_strip) {
        // Both pictures stay selected into their own memory DCs: a tick is two block copies.
        HDC strip = m_strip.dc();
        const int height = m_strip.height();
        if (slice.moveWidth > 0)
            BitBlt(strip, 0, 0, slice.moveWidth, height, strip, step, 0, SRCCOPY);
        int blankX = slice.blankX;
        if (slice.copyWidth > 0) {
            // A new piece only when the slice leaves the one drawn: most ticks draw no text.
            if (m_caption && (slice.sourceX < m_pieceX ||
                              slice.sourceX + slice.copyWidth > m_pieceX + m_caption.width()))
                drawPiece(slice.sourceX);
            const int copyHeight = height < m_captionSize.cy ? height : m_captionSize.cy;
            if (!m_caption || !BitBlt(strip, slice.destX, 0, slice.copyWidth, copyHeight,
                                      m_caption.dc(), slice.sourceX - m_pieceX, 0, SRCCOPY))
                blankX = slice.destX;
        }
        // Entering columns that got nothing from the caption (past its end, or no caption
        // picture) must not keep what scrolled through them before.
        if (blankX < m_strip.width())
            fillGround(m_strip, blankX, 0, m_strip.width() - blankX, height);
    }

    m_scrollX += step;
    if (m_scrollX > m_captionSize.cx) {
        m_scrollX = 0;
        m_followsCaption = !m_currentText.empty();
        selectNextCaption();
        renderCaption();
    }
}

void ScrollEngine::selectNextCaption() {
    const RunItem* item = m_runList.selectNext(m_next);
    m_currentIndex = item ? item->index : -1;
    m_currentText = item ? item->text : std::wstring();
}

DWORD ScrollEngine::smoothGround() const {
    return m_look.m_bandOn ? premultipliedPixel(m_look.m_bandColor, m_bandAlpha) : 0;
}

void ScrollEngine::fillGround(OffscreenPicture& picture, int x, int y, int width, int height) const {
    if (smoothPicture()) {
        fillPixels(picture, x, y, width, height, smoothGround());
        return;
    }
    if (translucent()) {
        // GDI would leave the alpha byte 0: the premultiplied band goes in directly.
        fillPixels(picture, x, y, width, height, premultipliedPixel(m_look.m_bandColor, m_bandAlpha));
        return;
    }
    fillColor(picture.dc(), groundColor(), x, y, width, height);
}
