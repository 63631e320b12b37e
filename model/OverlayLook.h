#pragma once
// A lane's look as a page outside the program draws it (an overlay in a video mixer's browser
// source): what the lane's strip on the primary monitor shows, in plain values, at 96 DPI.
// Colours are 0x00BBGGRR, as a COLORREF holds them.
#include <cstdint>
#include <string>

struct OverlayLook {
    std::wstring fontFace;         // the face the strip's font was made with
    int fontPx = 16;               // the em height (character height) in pixels
    int fontWeight = 700;          // 100 ... 900, as a font weight
    bool italic = false;
    std::uint32_t textColor = 0xFFFFFF;
    std::uint32_t shadowColor = 0x000000;
    bool outline = false;          // the shadow colour all around each glyph, not one pixel down-right
    bool bandOn = false;           // captions on a band
    std::uint32_t bandColor = 0x000000;
    int bandOpacity = 100;         // percent
    std::wstring separator;        // drawn before a caption that follows another
    int speedPx = 40;              // pixels a second, as the strip moves
    int stripWidth = 0;            // the strip's size on the primary monitor, in pixels
    int stripHeight = 0;

    bool operator==(const OverlayLook& o) const {
        return fontFace == o.fontFace && fontPx == o.fontPx && fontWeight == o.fontWeight && italic == o.italic &&
               textColor == o.textColor && shadowColor == o.shadowColor && outline == o.outline &&
               bandOn == o.bandOn && bandColor == o.bandColor && bandOpacity == o.bandOpacity &&
               separator == o.separator && speedPx == o.speedPx && stripWidth == o.stripWidth &&
               stripHeight == o.stripHeight;
    }
    bool operator!=(const OverlayLook& o) const { return !(*this == o); }
};
