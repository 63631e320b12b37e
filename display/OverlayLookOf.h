#pragma once
// A lane's look as an overlay page draws it (model/OverlayLook), read from the look its strips
// show: the caption font at 96 DPI, the colours after the colour choice, the band, outline and
// separator, the speed the strips move at, and the strip's size on the primary monitor.
#include <windows.h>

#include "display/StripLook.h"
#include "model/OverlayLook.h"

class StripSet;

// What a strip in `look` shows on a primary monitor of `primaryScreen`, at 96 DPI. The look's
// font is measured as it is (no font is made).
OverlayLook overlayLookFor(const StripLook& look, const RECT& primaryScreen);
// What the lane's strips show now, on the primary monitor as it is.
OverlayLook overlayLookOf(const StripSet& strips);
