#include "panel/CaptionPreview.h"

#include <cstring>

#include "framework/Gdi.h"
#include "model/AppearanceRules.h"

const char kCaptionPreviewText[] = "キルンの見本 Kirunner 123";

void drawCaptionPreview(HDC dc, const RECT& area, const AppearanceSettings& settings, int dpi) {
    const COLORREF ground = settings.bandOn ? settings.bandColor & 0x00FFFFFF : kPreviewDesktop;
    fw::Brush groundBrush(CreateSolidBrush(ground));
    FillRect(dc, &area, groundBrush.get());

    LOGFONTA logFont = settings.logFont;
    applyFontChoice(logFont, settings.sizeChoice);
    logFont.lfHeight = MulDiv(logFont.lfHeight, dpi, 96);
    logFont.lfQuality = NONANTIALIASED_QUALITY;  // pure colours, as the colour-keyed strip shows them
    fw::Font font(CreateFontIndirectA(&logFont));
    if (!font) return;
    const int saved = SaveDC(dc);
    SelectObject(dc, font.get());
    SetBkMode(dc, TRANSPARENT);
    IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);

    const int length = static_cast<int>(std::strlen(kCaptionPreviewText));
    SIZE size{0, 0};
    GetTextExtentPoint32A(dc, kCaptionPreviewText, length, &size);
    const int x = area.left + 4;
    const int y = area.top + (area.bottom - area.top - size.cy) / 2;
    const CaptionColors colors = captionColorsFor(settings.colorChoice, settings.userTextColor, settings.userShadowColor);
    SetTextColor(dc, colors.shadow);
    if (settings.outline) {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (dx || dy) TextOutA(dc, x + dx, y + dy, kCaptionPreviewText, length);
    } else {
        TextOutA(dc, x + 1, y + 1, kCaptionPreviewText, length);
    }
    SetTextColor(dc, colors.text);
    TextOutA(dc, x, y, kCaptionPreviewText, length);
    RestoreDC(dc, saved);
}
