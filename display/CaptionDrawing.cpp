#include "display/CaptionDrawing.h"

#include <climits>

#include "display/ShapedText.h"
#include "framework/Gdi.h"
#include "framework/TextCodec.h"

namespace {
// Calls draw(dx, dy) for every offset of the shadow: right and down, or with the outline all
// eight one-pixel directions.
template <typename Draw>
void forEachShadowOffset(bool outline, Draw draw) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (!(dx == 0 && dy == 0) && (outline || (dx == 1 && dy == 1))) draw(dx, dy);
}
}  // namespace

SIZE measureCaptionText(HDC dc, HFONT font, const std::wstring& text) {
    fw::SelectGuard selectFont(dc, font);
    if (ShapedText::needed(dc, text)) {
        CaptionText shaped;
        shaped.measure(dc, font, text);
        return shaped.size();
    }
    SIZE size{0, 0};
    if (!GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size))
        size = SIZE{0, 0};
    return size;
}

SIZE measureCaptionText(HDC dc, HFONT font, const std::string& text) {
    return measureCaptionText(dc, font, fw::Widen(text, 932));
}

int captionOutlineWidth(bool outline) { return outline ? 1 : 0; }

void drawCaption(HDC dc, HFONT font, const std::wstring& text, COLORREF textColor,
                 COLORREF shadowColor, int width, int height, bool outline) {
    fw::SelectGuard selectFont(dc, font);
    if (ShapedText::needed(dc, text)) {
        CaptionText shaped;
        shaped.measure(dc, font, text);
        drawCaptionColumns(dc, font, shaped, 0, width, width, height, textColor, shadowColor, outline);
        return;
    }
    const int left = captionOutlineWidth(outline);
    RECT textRect{left, 1, width, height - 1};
    const UINT format = DT_SINGLELINE | DT_NOPREFIX;
    const int length = static_cast<int>(text.size());
    const int previousMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF previousColor = SetTextColor(dc, shadowColor);
    forEachShadowOffset(outline, [&](int dx, int dy) {
        RECT shadowRect = textRect;
        OffsetRect(&shadowRect, dx, dy);
        DrawTextW(dc, text.data(), length, &shadowRect, format);
    });
    SetTextColor(dc, textColor);
    DrawTextW(dc, text.data(), length, &textRect, format);
    SetTextColor(dc, previousColor);
    SetBkMode(dc, previousMode);
}

void drawCaption(HDC dc, HFONT font, const std::string& text, COLORREF textColor, COLORREF shadowColor, int width,
                 int height, bool outline) {
    drawCaption(dc, font, fw::Widen(text, 932), textColor, shadowColor, width, height, outline);
}

namespace {
// The characters that reach text columns [from, to) drawn at their columns, clipped as
// drawCaption's one text call with `area` clips.
void drawReaching(HDC dc, HFONT font, const CaptionText& text, int from, int to, int textLeft, const RECT& area) {
    if (SaveDC(dc) == 0) return;
    IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
    text.drawReaching(dc, font, textLeft, area.top, from, to);
    RestoreDC(dc, -1);
}
}  // namespace

void drawCaptionColumns(HDC dc, HFONT font, const CaptionText& text, int firstColumn, int width,
                        int captionWidth, int height, COLORREF textColor, COLORREF shadowColor,
                        bool outline) {
    fw::SelectGuard selectFont(dc, font);
    // Caption column c is column c - firstColumn here; the text starts after the outline.
    const int textLeft = captionOutlineWidth(outline) - firstColumn;
    const RECT textRect{textLeft, 1, captionWidth - firstColumn, height - 1};
    const int previousMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF previousColor = SetTextColor(dc, shadowColor);
    forEachShadowOffset(outline, [&](int dx, int dy) {
        RECT shadowRect = textRect;
        OffsetRect(&shadowRect, dx, dy);
        drawReaching(dc, font, text, -textLeft, width - textLeft, textLeft + dx, shadowRect);
    });
    SetTextColor(dc, textColor);
    drawReaching(dc, font, text, -textLeft, width - textLeft, textLeft, textRect);
    SetTextColor(dc, previousColor);
    SetBkMode(dc, previousMode);
}

void drawCaptionTextColumns(HDC dc, HFONT font, const CaptionText& text, int textLeft, int top, int width,
                            COLORREF color) {
    fw::SelectGuard selectFont(dc, font);
    const int previousMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF previousColor = SetTextColor(dc, color);
    drawReaching(dc, font, text, -textLeft, width - textLeft, textLeft, RECT{0, top, width, top + SHRT_MAX});
    SetTextColor(dc, previousColor);
    SetBkMode(dc, previousMode);
}
