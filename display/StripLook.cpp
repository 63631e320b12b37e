#include "display/StripLook.h"

#include <algorithm>

#include "model/AppearanceRules.h"

StripLook stripLookFor(const LaneLook& settings, HFONT font) {
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

LookChange lookChangeBetween(const StripLook& before, const StripLook& after) {
    if (before.m_font != after.m_font || before.m_pos != after.m_pos || before.m_gap != after.m_gap ||
        before.m_lgap != after.m_lgap || before.m_rgap != after.m_rgap || before.m_monitor != after.m_monitor ||
        before.m_smooth != after.m_smooth || before.m_alphaComposed != after.m_alphaComposed)
        return LookChange::Relayout;
    if (before.m_textColor != after.m_textColor || before.m_shadowColor != after.m_shadowColor ||
        before.m_bandOn != after.m_bandOn || before.m_bandColor != after.m_bandColor ||
        before.m_bandOpacity != after.m_bandOpacity || before.m_outline != after.m_outline ||
        before.m_separator != after.m_separator || before.m_deltaX != after.m_deltaX ||
        before.m_speedPx != after.m_speedPx)
        return LookChange::Restyle;
    return LookChange::None;
}
