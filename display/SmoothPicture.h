#pragma once
// The smooth look's pictures, premultiplied 32-bit pixels as UpdateLayeredWindow takes them:
// a caption composed from the coverage of its smoothed glyphs (GDI writes no alpha, so the
// text is drawn white on black and its grey levels are the coverage), layer by layer over the
// ground: shadow or outline in the shadow colour, then the text. And the frame the strip shows
// at a fraction of a pixel: neighbouring columns blended by that fraction, so the glyphs'
// centre of mass moves by the same amount at every frame.
#include <windows.h>

#include "display/CaptionText.h"
#include "display/OffscreenPicture.h"

// The shadow's offset and the outline's width for a text of that height: about a fifteenth of
// it, at least one pixel, so that both stay visible beside large text.
int smoothEdgeFor(int textHeight);

// The height of a caption picture (and of the strip) for a text of that height: room for the
// one-pixel shadow, or in the smooth picture for an edge above and below.
int captionHeightFor(bool smoothPicture, int textHeight);

struct SmoothCaptionStyle {
    COLORREF text = RGB(255, 255, 255);
    COLORREF shadow = RGB(0, 0, 0);
    bool outline = false;
    int edge = 1;      // smoothEdgeFor the text's height
    DWORD ground = 0;  // premultiplied pixel under the caption: transparent, or the band
};

// Columns [firstColumn, firstColumn + piece.width()) of the caption whose text starts at
// column style.edge and row style.edge, into `piece`. `mask` is scratch space, kept by the
// caller so that its memory is reused.
void drawSmoothCaption(OffscreenPicture& piece, OffscreenPicture& mask, HFONT font, const CaptionText& text,
                       int firstColumn, const SmoothCaptionStyle& style);

// Every pixel of `frame` becomes column x of `strip` blended with column x + 1 by
// fraction / fractionSteps (the strip is a column wider than the frame and as high).
void blendNeighbourColumns(OffscreenPicture& strip, int fraction, int fractionSteps, OffscreenPicture& frame);
