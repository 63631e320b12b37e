#pragma once
// Where the strip lies on the screen: pure arithmetic over the screen rectangle, the strip's
// height and the operator's edge, distance and insets. Any int the settings file holds is
// accepted: the sums are taken in 64 bits and the result is clamped to what SetWindowPos and
// the window system can take, so no offset can overflow or place the window beyond reach.
#include <windows.h>

// The largest coordinate or size a window may have.
constexpr int kMaxWindowCoordinate = 32767;

struct StripPlacement {
    int x = 0;
    int y = 0;
    int width = 0;   // never negative: insets that cross give an empty strip
    int height = 0;  // never negative
};

// pos 0 puts the strip `gap` pixels below the screen's top edge, any other value `gap` pixels
// above its bottom edge; the strip runs from `lgap` right of the screen's left edge to `rgap`
// left of its right edge.
StripPlacement computeStripPlacement(const RECT& screen, int stripHeight, int pos, int gap, int lgap,
                                     int rgap);
