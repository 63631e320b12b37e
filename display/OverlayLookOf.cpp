#include "display/OverlayLookOf.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "display/KirunWin.h"
#include "display/ScrollGeometry.h"
#include "display/SmoothMotion.h"
#include "display/StripPlacement.h"
#include "display/StripSet.h"
#include "framework/Gdi.h"
#include "framework/WideText.h"

namespace {
constexpr int kLightest = 100;
constexpr int kBoldest = 900;

// The font's face, weight and slant as it was made, and its em height and the strip's height
// as a strip at 96 DPI measures them.
void takeFont(HFONT font, bool smoothPicture, OverlayLook& overlay) {
    LOGFONTA made{};
    if (!font || GetObjectA(font, sizeof made, &made) != sizeof made) return;
    overlay.fontFace = fw::WideFromCodePage932(std::string(made.lfFaceName, strnlen(made.lfFaceName, LF_FACESIZE)));
    overlay.fontWeight = made.lfWeight == FW_DONTCARE ? FW_NORMAL : std::clamp<int>(made.lfWeight, kLightest, kBoldest);
    overlay.italic = made.lfItalic != 0;
    fw::MemoryDC dc(nullptr);
    if (!dc) return;
    TEXTMETRICW metrics{};
    bool measured = false;
    {
        fw::SelectGuard select(dc.get(), font);
        measured = GetTextMetricsW(dc.get(), &metrics) != FALSE;
    }
    if (measured) overlay.fontPx = metrics.tmHeight - metrics.tmInternalLeading;
    overlay.stripHeight = stripHeightFor(dc.get(), font, smoothPicture);
}
}  // namespace

OverlayLook overlayLookFor(const StripLook& look, const RECT& primaryScreen) {
    OverlayLook overlay;
    overlay.textColor = rgbOnly(look.m_textColor);
    overlay.shadowColor = rgbOnly(look.m_shadowColor);
    overlay.outline = look.m_outline;
    overlay.bandOn = look.m_bandOn;
    overlay.bandColor = rgbOnly(look.m_bandColor);
    overlay.bandOpacity = std::clamp(look.m_bandOpacity, 0, kFullOpacity);
    overlay.separator = fw::WideFromCodePage932(look.m_separator);
    // The smooth look moves at its speed; the others a step every 50 ms.
    overlay.speedPx = look.m_smooth && look.m_speedPx > 0 ? look.m_speedPx
                                                          : effectiveScrollStep(look.m_deltaX) * kSpeedPerStep;
    takeFont(look.m_font, look.mode() == StripMode::SmoothAlpha, overlay);
    overlay.stripWidth =
        computeStripPlacement(primaryScreen, overlay.stripHeight, look.m_pos, look.m_gap, look.m_lgap, look.m_rgap).width;
    return overlay;
}

OverlayLook overlayLookOf(const StripSet& strips) {
    // The first strip's look knows whether the screen composes alpha (the smooth picture's height).
    const StripLook& look = strips.first() ? strips.first()->look() : strips.look();
    RECT primary{};
    if (!GetWindowRect(GetDesktopWindow(), &primary)) SetRectEmpty(&primary);
    return overlayLookFor(look, primary);
}
