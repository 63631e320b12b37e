#include "display/SmoothPicture.h"

#include <algorithm>
#include <vector>

#include "display/BandPixels.h"
#include "display/CaptionDrawing.h"

namespace {
constexpr int kEdgeDivisor = 15;
constexpr DWORD kFull = 255;

DWORD channel(DWORD pixel, int shift) { return (pixel >> shift) & 0xFF; }

// x * y / 255, rounded: never more than y for x <= 255.
DWORD scaled(DWORD x, DWORD y) { return (x * y + 127) / 255; }

// The coverage of the glyphs drawn white on black: their brightest channel.
std::vector<BYTE> coverageOf(OffscreenPicture& mask) {
    const DWORD* pixels = mask.pixels();
    const size_t count = static_cast<size_t>(mask.width()) * static_cast<size_t>(mask.height());
    std::vector<BYTE> coverage(count, 0);
    if (!pixels) return coverage;
    for (size_t i = 0; i < count; ++i)
        coverage[i] =
            static_cast<BYTE>(std::max({channel(pixels[i], 16), channel(pixels[i], 8), channel(pixels[i], 0)}));
    return coverage;
}

// The coverage grown by `radius` pixels in every direction (the largest value within a square),
// rows first, then columns.
std::vector<BYTE> grown(const std::vector<BYTE>& coverage, int width, int height, int radius) {
    std::vector<BYTE> rows(coverage.size(), 0);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            BYTE most = 0;
            for (int dx = std::max(0, x - radius); dx <= std::min(width - 1, x + radius); ++dx)
                most = std::max(most, coverage[static_cast<size_t>(y) * width + dx]);
            rows[static_cast<size_t>(y) * width + x] = most;
        }
    std::vector<BYTE> result(coverage.size(), 0);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            BYTE most = 0;
            for (int dy = std::max(0, y - radius); dy <= std::min(height - 1, y + radius); ++dy)
                most = std::max(most, rows[static_cast<size_t>(dy) * width + x]);
            result[static_cast<size_t>(y) * width + x] = most;
        }
    return result;
}

// `color` at `coverage` over the premultiplied pixel `below`.
DWORD over(COLORREF color, DWORD coverage, DWORD below) {
    const DWORD rest = kFull - coverage;
    const DWORD alpha = coverage + scaled(channel(below, 24), rest);
    const DWORD red = scaled(GetRValue(color), coverage) + scaled(channel(below, 16), rest);
    const DWORD green = scaled(GetGValue(color), coverage) + scaled(channel(below, 8), rest);
    const DWORD blue = scaled(GetBValue(color), coverage) + scaled(channel(below, 0), rest);
    return alpha << 24 | red << 16 | green << 8 | blue;
}
}  // namespace

int smoothEdgeFor(int textHeight) { return std::max(1, (textHeight + kEdgeDivisor / 2) / kEdgeDivisor); }

int captionHeightFor(bool smoothPicture, int textHeight) {
    return smoothPicture ? textHeight + 2 * smoothEdgeFor(textHeight) : textHeight + 2;
}

void drawSmoothCaption(OffscreenPicture& piece, OffscreenPicture& mask, HFONT font, const CaptionText& text,
                       int firstColumn, const SmoothCaptionStyle& style) {
    const int width = piece.width();
    const int height = piece.height();
    DWORD* out = piece.pixels();
    if (!out) return;
    // The mask reaches `pad` columns beyond the piece either side: the shadow and the outline
    // of glyphs just outside it fall into it.
    const int pad = 2 * style.edge;
    const int maskWidth = width + 2 * pad;
    std::vector<BYTE> textCoverage(static_cast<size_t>(maskWidth) * height, 0);
    if (mask.create(maskWidth, height)) {
        fillPixels(mask, 0, 0, maskWidth, height, 0);
        drawCaptionTextColumns(mask.dc(), font, text, style.edge - firstColumn + pad, style.edge, maskWidth,
                               RGB(255, 255, 255));
        textCoverage = coverageOf(mask);
    }
    const std::vector<BYTE> outlineCoverage =
        style.outline ? grown(textCoverage, maskWidth, height, style.edge) : std::vector<BYTE>();
    const int shift = style.edge;  // the shadow lies this far right and down
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const size_t at = static_cast<size_t>(y) * maskWidth + static_cast<size_t>(x + pad);
            DWORD under = 0;
            if (style.outline) under = outlineCoverage[at];
            else if (y >= shift) under = textCoverage[at - static_cast<size_t>(shift) * maskWidth - shift];
            const DWORD withShadow = over(style.shadow, under, style.ground);
            out[static_cast<size_t>(y) * width + x] = over(style.text, textCoverage[at], withShadow);
        }
}

void blendNeighbourColumns(OffscreenPicture& strip, int fraction, int fractionSteps, OffscreenPicture& frame) {
    const DWORD* source = strip.pixels();
    DWORD* target = frame.pixels();
    if (!source || !target || fractionSteps <= 0 || strip.width() < frame.width() + 1 ||
        strip.height() < frame.height())
        return;
    // Weights in 1/256: two channels at a time, each product below 2^16.
    const DWORD right = static_cast<DWORD>(std::clamp(fraction, 0, fractionSteps)) * 256 / fractionSteps;
    const DWORD left = 256 - right;
    for (int y = 0; y < frame.height(); ++y) {
        const DWORD* row = source + static_cast<size_t>(y) * strip.width();
        DWORD* line = target + static_cast<size_t>(y) * frame.width();
        for (int x = 0; x < frame.width(); ++x) {
            const DWORD p = row[x];
            const DWORD q = row[x + 1];
            const DWORD redBlue = (((p & 0xFF00FF) * left + (q & 0xFF00FF) * right + 0x800080) >> 8) & 0xFF00FF;
            const DWORD alphaGreen =
                ((((p >> 8) & 0xFF00FF) * left + ((q >> 8) & 0xFF00FF) * right + 0x800080)) & 0xFF00FF00;
            line[x] = alphaGreen | redBlue;
        }
    }
}
