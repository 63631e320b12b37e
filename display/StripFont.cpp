#include "display/StripFont.h"

#include "display/MonitorDpi.h"

LOGFONTA stripFontAt(const LOGFONTA& font, UINT dpi, StripMode mode) {
    LOGFONTA scaled = font;
    scaled.lfHeight = scaledFontHeight(font.lfHeight, dpi);
    scaled.lfWidth = scaledFontHeight(font.lfWidth, dpi);
    scaled.lfQuality = glyphQualityFor(mode, font.lfQuality);
    return scaled;
}
