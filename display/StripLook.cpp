#include "display/StripLook.h"

#include <algorithm>

#include "model/AppearanceRules.h"

StripLook stripLookFor(const AppearanceSettings& settings, HFONT font) {
    const CaptionColors colors =
        captionColorsFor(settings.colorChoice, settings.userTextColor, settings.userShadowColor);
    StripLook look;
    look.m_font = font;
    look.m_textColor = colors.text;
    look.m_shadowColor = colors.shadow;
    look.m_pos = settings.pos;
    look.m_gap = settings.gap;
    look.m_lgap = settings.lgap;
    look.m_rgap = settings.rgap;
    look.m_deltaX = scrollStepFor(settings.deltaX);
    look.m_monitor = settings.monitorName;
    look.m_bandOn = settings.bandOn != 0;
    look.m_bandColor = rgbOnly(settings.bandColor);
    look.m_bandOpacity = std::clamp(settings.bandOpacity, 0, kFullOpacity);
    look.m_outline = settings.outline != 0;
    look.m_separator = settings.separator;
    look.m_smooth = settings.smooth != 0;
    look.m_speedPx = smoothSpeedFor(settings.deltaX, settings.speedPx);
    return look;
}

BYTE glyphQualityFor(StripMode mode, BYTE fontQuality) {
    switch (mode) {
    case StripMode::ColourKeyed: return NONANTIALIASED_QUALITY;
    case StripMode::SmoothAlpha: return ANTIALIASED_QUALITY;
    default: return fontQuality;
    }
}
