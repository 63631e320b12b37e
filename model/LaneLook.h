#pragma once
// How captions look on the strips of one lane: colours, font, screen edge, offsets and scroll
// speed, as the operator sets them and as the settings file stores them.
#include <windows.h>

#include <string>

#include "framework/App.h"

// Caption font heights are stored as pixels at this resolution; the strip scales them to the
// resolution of its monitor, so a settings file means the same on every display.
constexpr int kStoredFontDpi = fw::kDefaultDpi;

// The ticker lanes a show can hold, numbered from 1; lane 1 always exists.
constexpr int kMaxLanes = 4;

// The lane a caption on lane `lane` is on once lane `removed` is gone: its captions go to lane 1,
// and the lanes after it move down one.
constexpr int laneAfterRemoval(int lane, int removed) {
    return lane == removed ? 1 : lane > removed ? lane - 1 : lane;
}

// The font captions start with and the base of the three fixed sizes: 12 points at the stored
// resolution (16 pixels), bold, Shift-JIS, "ＭＳ Ｐゴシック"; every other field 0.
LOGFONTA defaultCaptionFont();

struct LaneLook {
    LOGFONTA logFont = defaultCaptionFont();  // the operator's own font, used with sizeChoice 3
    int colorChoice = 0;                      // 0 white, 1 black, 2 yellow, 3 red, 4 user colours
    COLORREF userTextColor = 0xFFFFFF;
    COLORREF userShadowColor = 0x000000;
    int sizeChoice = 0;  // 0 small, 1 normal, 2 large, anything else the font in logFont
    int pos = 0;         // 0 top edge of the screen, anything else the bottom edge
    int gap = 0;         // pixels between the strip and that edge
    int lgap = 0;        // left offset of the strip in pixels
    int rgap = 0;        // right offset of the strip in pixels
    int deltaX = 2;      // pixels per scroll tick: 1 slow ... 4 fast
    std::string monitorName;  // device name of the strip's monitor; empty: the primary monitor
    // Options that all default to the transparent strip with the one-pixel shadow:
    int bandOn = 0;                 // 1: the strip is a band of bandColor instead of transparent
    COLORREF bandColor = 0x000000;
    int bandOpacity = 100;          // of the band, in percent; the text stays fully opaque
    int outline = 0;                // 1: an outline of the shadow colour around every glyph
    std::string separator;          // drawn between consecutive captions; empty: none
    int smooth = 0;                 // 1: the smooth look (a frame every refresh, smoothed glyphs)
    int speedPx = 0;                // the smooth look's speed in pixels a second; 0: from deltaX
    std::wstring name;              // NAME of lanes 2-4, as the operator gave it; lane 1 has none
};

// The custom speeds the smooth look takes, in pixels a second; a stored value outside them
// leaves the speed to deltaX.
constexpr int kMinSpeedPx = 1;
constexpr int kMaxSpeedPx = 2000;

// The custom speed as the appearance dialog shows it (empty while unset) and as it reads it
// back: digits up to kMaxSpeedPx, more held to it; anything else, or 0, leaves it unset.
std::string speedPxText(int speedPx);
int speedPxFromText(const std::string& text);

// The longest separator kept, in bytes.
constexpr size_t kMaxSeparatorBytes = 64;
