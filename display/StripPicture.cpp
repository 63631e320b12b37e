#include "display/StripPicture.h"

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

void fillColor(HDC dc, COLORREF color, int x, int y, int width, int height) {
    fw::Brush brush(CreateSolidBrush(color));
    RECT area{x, y, x + width, y + height};
    if (brush) FillRect(dc, &area, brush.get());
}
}  // namespace

void StripPicture::setLook(const StripLook& look, HFONT font) {
    m_look = look;
    m_font = font;
    m_mode = look.mode();
    m_bandAlpha = bandAlphaFor(look.m_bandOpacity);
}

int StripPicture::stepWidth() const {
    return effectiveScrollStep(m_look.m_deltaX);
}

void StripPicture::layout(int width, int height) {
    m_scrollX = 0;
    m_followsCaption = false;  // the current caption starts again on a blank strip
    const int stripWidth = smoothPicture() && width > 0 ? width + 1 : width;
    if (m_strip.create(stripWidth, height)) fillGround(m_strip, 0, 0, stripWidth, height);
    if (!smoothPicture() || !m_frame.create(width, height)) m_frame.reset();
    renderCaption();
}

int StripPicture::enter(const std::wstring& text, bool followsCaption, bool fromBlank) {
    m_currentText = text;
    m_scrollX = 0;
    m_followsCaption = followsCaption && !text.empty();
    if (fromBlank && m_strip) fillGround(m_strip, 0, 0, m_strip.width(), m_strip.height());
    renderCaption();
    return m_captionSize.cx;
}

int StripPicture::restyle() {
    const int entered = m_scrollX;
    renderCaption();
    showEntered(entered);
    return m_captionSize.cx;
}

void StripPicture::showEntered(int columns) {
    columns = std::min(std::max(columns, 0), static_cast<int>(m_captionSize.cx));
    if (!m_strip) return;
    fillGround(m_strip, 0, 0, m_strip.width(), m_strip.height());
    // Scrolled in a piece at a time, as the other strips did, without drawing the pieces in
    // between: only the last strip-width of columns stays in sight.
    const int hidden = std::max(0, columns - m_strip.width());
    m_scrollX = hidden;
    for (int left = columns - hidden; left > 0;) {
        const int step = std::min(left, kPieceMargin);
        scroll(step);
        left -= step;
    }
}

OffscreenPicture& StripPicture::framePicture(int fraction) {
    if (!smoothPicture() || !m_frame) return m_strip;
    blendNeighbourColumns(m_strip, fraction, SmoothMotion::kFractionSteps, m_frame);
    return m_frame;
}

void StripPicture::renderCaption() {
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

int StripPicture::trailingGap() {
    // The step + 1 columns right of the text; in the smooth look at least a full-width space
    // unless a separator keeps the captions apart, so that two of them never read as one.
    const int gap = stepWidth() + 1;
    if (!m_look.m_smooth || !m_look.m_separator.empty()) return gap;
    return std::max<int>(gap, measureCaptionText(m_caption.dc(), m_font, kFullWidthSpace).cx);
}

void StripPicture::drawPiece(int x) {
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

void StripPicture::scroll(int step) {
    if (step <= 0) return;
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
}

DWORD StripPicture::smoothGround() const {
    return m_look.m_bandOn ? premultipliedPixel(m_look.m_bandColor, m_bandAlpha) : 0;
}

void StripPicture::fillGround(OffscreenPicture& picture, int x, int y, int width, int height) const {
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
