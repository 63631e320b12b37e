#include "display/CaptionDrawing.h"

#include <climits>

#include "framework/Gdi.h"

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

SIZE measureCaptionText(HDC dc, HFONT font, const std::string& text) {
    fw::SelectGuard selectFont(dc, font);
    SIZE size{0, 0};
    if (!GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size))
        size = SIZE{0, 0};
    return size;
}

int captionOutlineWidth(bool outline) { return outline ? 1 : 0; }

void drawCaption(HDC dc, HFONT font, const std::string& text, COLORREF textColor,
                 COLORREF shadowColor, int width, int height, bool outline) {
    fw::SelectGuard selectFont(dc, font);
    const int left = captionOutlineWidth(outline);
    RECT textRect{left, 1, width, height - 1};
    const UINT format = DT_SINGLELINE | DT_NOPREFIX;
    const int length = static_cast<int>(text.size());
    const int previousMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF previousColor = SetTextColor(dc, shadowColor);
    forEachShadowOffset(outline, [&](int dx, int dy) {
        RECT shadowRect = textRect;
        OffsetRect(&shadowRect, dx, dy);
        DrawTextA(dc, text.data(), length, &shadowRect, format);
    });
    SetTextColor(dc, textColor);
    DrawTextA(dc, text.data(), length, &textRect, format);
    SetTextColor(dc, previousColor);
    SetBkMode(dc, previousMode);
}

namespace {
// The runs drawn at their columns, clipped as drawCaption's one text call with `area` clips.
void drawRuns(HDC dc, const CaptionText& text, const std::vector<CaptionRun>& runs, int textLeft,
              const RECT& area) {
    if (SaveDC(dc) == 0) return;
    IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
    for (const CaptionRun& run : runs) {
        // Not clipped by its rectangle: a glyph may reach left of its advance into the clip area.
        RECT at{textLeft + run.column, area.top, textLeft + run.column + SHRT_MAX, area.bottom};
        DrawTextA(dc, text.text().data() + run.offset, static_cast<int>(run.length), &at,
                  DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
    }
    RestoreDC(dc, -1);
}
}  // namespace

void drawCaptionColumns(HDC dc, HFONT font, const CaptionText& text, int firstColumn, int width,
                        int captionWidth, int height, COLORREF textColor, COLORREF shadowColor,
                        bool outline) {
    fw::SelectGuard selectFont(dc, font);
    // Caption column c is column c - firstColumn here; the text starts after the outline.
    const int textLeft = captionOutlineWidth(outline) - firstColumn;
    const std::vector<CaptionRun> runs = text.runsReaching(-textLeft, width - textLeft);
    const RECT textRect{textLeft, 1, captionWidth - firstColumn, height - 1};
    const int previousMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF previousColor = SetTextColor(dc, shadowColor);
    forEachShadowOffset(outline, [&](int dx, int dy) {
        RECT shadowRect = textRect;
        OffsetRect(&shadowRect, dx, dy);
        drawRuns(dc, text, runs, textLeft + dx, shadowRect);
    });
    SetTextColor(dc, textColor);
    drawRuns(dc, text, runs, textLeft, textRect);
    SetTextColor(dc, previousColor);
    SetBkMode(dc, previousMode);
}

void drawCaptionTextColumns(HDC dc, HFONT font, const CaptionText& text, int textLeft, int top, int width,
                            COLORREF color) {
    fw::SelectGuard selectFont(dc, font);
    const std::vector<CaptionRun> runs = text.runsReaching(-textLeft, width - textLeft);
    const int previousMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF previousColor = SetTextColor(dc, color);
    drawRuns(dc, text, runs, textLeft, RECT{0, top, width, top + SHRT_MAX});
    SetTextColor(dc, previousColor);
    SetBkMode(dc, previousMode);
}
