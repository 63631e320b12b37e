#pragma once
// The font a strip draws its captions in, made the same way wherever a caption is drawn as the
// strip shows it (the strip itself, the appearance dialog's sample).
#include <windows.h>

#include "display/StripLook.h"

// `font` (heights in pixels at 96 DPI) at `dpi`, its glyphs smoothed or not as the pictures of
// `mode` can show them (glyphQualityFor).
LOGFONTA stripFontAt(const LOGFONTA& font, UINT dpi, StripMode mode);
