#pragma once
// A sample caption as the strip will show it with the appearance settings: drawn by the strip's
// own picture code (display/StripPicture) in the look the settings describe, with the strip's
// font, separator and trailing gap, over a grey that stands for the desktop. What the desktop
// would show through the strip shows the grey here: the key colour of the colour-keyed strip
// (a text or shadow of that colour is hollow), a translucent band and the smooth look's glyph
// edges blended over it. A caption taller than the sample's area is scaled down to fit it, whole.
#include <windows.h>

#include "model/LaneLook.h"

// The text of the sample.
extern const char kCaptionPreviewText[];
// The grey behind the sample.
constexpr COLORREF kPreviewDesktop = RGB(128, 128, 128);
// Room left of the sample's first caption, in the area's pixels.
constexpr int kPreviewMargin = 4;

// Draws the sample into `area` of `dc`; the font is scaled from 96 DPI to `dpi`. `alphaComposed`:
// the desktop composes pixels of partial alpha, which the smooth look needs for its picture
// (without it the strip shows the colour-keyed one).
void drawCaptionPreview(HDC dc, const RECT& area, const LaneLook& settings, int dpi, bool alphaComposed);

// What the operator is told when the strip would show a chosen colour as the desktop: the
// colour-keyed strip's text or shadow in its key colour. Null when every colour shows.
const char* keyColourWarning(const LaneLook& settings, bool alphaComposed);
