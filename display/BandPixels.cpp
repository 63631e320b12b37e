#include "display/BandPixels.h"

#include <algorithm>

#include "model/AppearanceRules.h"

namespace {
constexpr DWORD kOpaque = 0xFF000000;

// COLORREF is 0x00BBGGRR; a pixel is 0x00RRGGBB.
DWORD pixelRgb(COLORREF color) {
    return static_cast<DWORD>(GetRValue(color)) << 16 | static_cast<DWORD>(GetGValue(color)) << 8 |
           GetBValue(color);
}

DWORD premultiplied(BYTE channel, BYTE alpha) { return (channel * alpha + 127) / 255; }
}  // namespace

BYTE bandAlphaFor(int opacityPercent) {
    const int percent = std::clamp(opacityPercent, 0, 100);
    return static_cast<BYTE>((percent * 255 + 50) / 100);
}

DWORD premultipliedPixel(COLORREF color, BYTE alpha) {
    return static_cast<DWORD>(alpha) << 24 | premultiplied(GetRValue(color), alpha) << 16 |
           premultiplied(GetGValue(color), alpha) << 8 | premultiplied(GetBValue(color), alpha);
}

void makeBandTranslucent(OffscreenPicture& picture, COLORREF band, BYTE alpha) {
    DWORD* pixels = picture.pixels();
    if (!pixels) return;
    const DWORD bandRgb = pixelRgb(band);
    const DWORD bandPixel = premultipliedPixel(band, alpha);
    const size_t count = static_cast<size_t>(picture.width()) * static_cast<size_t>(picture.height());
    for (size_t i = 0; i < count; ++i)
        pixels[i] = (pixels[i] & kRgbMask) == bandRgb ? bandPixel : (pixels[i] | kOpaque);
}

void fillPixels(OffscreenPicture& picture, int x, int y, int width, int height, DWORD pixel) {
    DWORD* pixels = picture.pixels();
    if (!pixels) return;
    const int left = std::max(0, x);
    const int right = std::min(picture.width(), x + width);
    const int top = std::max(0, y);
    const int bottom = std::min(picture.height(), y + height);
    if (left >= right) return;
    for (int row = top; row < bottom; ++row) {
        DWORD* line = pixels + static_cast<size_t>(row) * static_cast<size_t>(picture.width());
        std::fill(line + left, line + right, pixel);
    }
}
