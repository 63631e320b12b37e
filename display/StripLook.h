#pragma once
// How the caption strip looks and moves: everything its owner chooses, in one value. The
// fields keep the names the caption window has always given them.
#include <windows.h>

#include <string>

#include "display/SmoothMotion.h"
#include "model/LaneLook.h"

// The strips there are: transparent but for the captions (pixels of kStripKeyColor show the
// desktop), a band of one colour, a band the desktop shows through, or the smooth look's
// picture, whose every pixel carries its own alpha (smoothed glyph edges over the desktop or
// over a band of any opacity).
enum class StripMode { ColourKeyed, OpaqueBand, TranslucentBand, SmoothAlpha };

constexpr COLORREF kStripKeyColor = RGB(200, 200, 200);
constexpr BYTE kOpaqueAlpha = 255;
constexpr int kFullOpacity = 100;  // percent

struct StripLook {
    // Not owned: the owner keeps it alive. Its height is in pixels at 96 DPI; the strip draws
    // with a copy scaled to the resolution of its monitor.
    HFONT m_font = nullptr;
    COLORREF m_textColor = RGB(255, 255, 255);
    COLORREF m_shadowColor = RGB(0, 0, 0);
    int m_pos = 0;     // 0: top edge of the monitor; otherwise the bottom edge
    int m_gap = 0;     // distance from that edge
    int m_lgap = 0;    // inset from the monitor's left edge
    int m_rgap = 0;    // inset from the monitor's right edge
    int m_deltaX = 1;  // pixels per scroll tick, as the owner chose it
    // Device name of the monitor the strip lies on; empty, or a monitor that is not connected:
    // the primary monitor.
    std::string m_monitor;
    // Off by default: the transparent strip with the one-pixel shadow.
    bool m_bandOn = false;             // captions on a band of m_bandColor, not transparent
    COLORREF m_bandColor = RGB(0, 0, 0);
    int m_bandOpacity = kFullOpacity;  // percent; below 100 the band is translucent
    bool m_outline = false;            // the shadow colour all around every glyph
    std::string m_separator;           // drawn between consecutive captions
    // The smooth look: a frame at every display refresh, the position from the time elapsed.
    bool m_smooth = false;
    int m_speedPx = 0;                 // its speed, pixels a second
    // The screen composes pixels of partial alpha (a fact of the system, not a choice: the
    // caption window fills it in). Without it the smooth look moves the colour-keyed picture.
    bool m_alphaComposed = false;

    // Which strip this look gives; the only place that tells them apart.
    StripMode mode() const {
        if (m_smooth && m_alphaComposed) return StripMode::SmoothAlpha;
        if (!m_bandOn) return StripMode::ColourKeyed;
        return m_bandOpacity < kFullOpacity ? StripMode::TranslucentBand : StripMode::OpaqueBand;
    }
};

// What a new look asks of strips that show the old one: nothing; a new style in place (colours,
// band, outline, separator, speed: the caption on the strip keeps its point); or a new layout
// (font, size, edge, distance, offsets, monitor, the smooth look switched: the strip is placed
// anew and its caption starts again).
enum class LookChange { None, Restyle, Relayout };
LookChange lookChangeBetween(const StripLook& before, const StripLook& after);

// The glyph quality the strip's font is made with for a mode: a colour key can show a pixel
// only as text, shadow or desktop, so the colour-keyed strip draws glyphs without smoothing
// (smoothed edges would blend with the key colour into a fringe); the smooth look's picture
// smooths them; the bands keep the font's own.
BYTE glyphQualityFor(StripMode mode, BYTE fontQuality);

// What the strip shows for the settings, every value held within its bounds here: the colours
// of the colour choice, the band colour's red, green and blue bytes, the opacity 0 ... 100, the
// scroll step 1 ... 4, the smooth look's speed (smoothSpeedFor). The font is `font` (not
// owned), made from the settings' font as applyFontChoice prepares it.
StripLook stripLookFor(const LaneLook& settings, HFONT font);
