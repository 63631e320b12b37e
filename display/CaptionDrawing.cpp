#include "display/CaptionDrawing.h"

#include "framework/Gdi.h"

SIZE measureCaptionText(HDC dc, HFONT font, const std::string& text) {
    fw::SelectGuard selectFont(dc, font);
    SIZE size{0, 0};
    if (!GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size))
        size = SIZE{0, 0};
    return size;
}

void drawCaption(HDC dc, HFONT font, const std::string& text, COLORREF textColor,
                 COLORREF shadowColor, int width, int height) {
    fw::SelectGuard selectFont(dc, font);
    RECT textRect{0, 1, width, height - 1};
    RECT shadowRect{1, 2, width + 1, height};
    const UINT format = DT_SINGLELINE | DT_NOPREFIX;
    const int length = static_cast<int>(text.size());
    const int previousMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF previousColor = SetTextColor(dc, shadowColor);
    DrawTextA(dc, text.data(), length, &shadowRect, format);
    SetTextColor(dc, textColor);
    DrawTextA(dc, text.data(), length, &textRect, format);
    SetTextColor(dc, previousColor);
    SetBkMode(dc, previousMode);
}
