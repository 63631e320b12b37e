#include "display/CaptionDrawing.h"

#include "framework/Gdi.h"

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
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            // Without the outline only the shadow's own direction, right and down, is drawn.
            if ((dx == 0 && dy == 0) || (!outline && (dx != 1 || dy != 1))) continue;
            RECT shadowRect = textRect;
            OffsetRect(&shadowRect, dx, dy);
            DrawTextA(dc, text.data(), length, &shadowRect, format);
        }
    }
    SetTextColor(dc, textColor);
    DrawTextA(dc, text.data(), length, &textRect, format);
    SetTextColor(dc, previousColor);
    SetBkMode(dc, previousMode);
}
