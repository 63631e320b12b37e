#pragma once
// A caption as the strip shows it, drawn into any device context: the text on its shadow one
// pixel right and down, or inside an outline of the shadow colour, over whatever the context
// already holds.
#include <windows.h>

#include <string>

#include "display/CaptionText.h"

// The size of `text` in `font`, shaped as the strip draws it; empty when it cannot be measured.
SIZE measureCaptionText(HDC dc, HFONT font, const std::wstring& text);
// Text in code page 932.
SIZE measureCaptionText(HDC dc, HFONT font, const std::string& text);

// The columns an outline adds to a caption: one left of the text (the one right of it falls in
// the shadow's column).
int captionOutlineWidth(bool outline);

// Draws `text` into the area (0, 0, width, height): the shadow first, one pixel right and down,
// then the text on it. With `outline` the shadow is drawn in all eight one-pixel directions
// around the text, which then starts one column further right. Captions are shown verbatim:
// "&" is no mnemonic prefix here.
void drawCaption(HDC dc, HFONT font, const std::wstring& text, COLORREF textColor,
                 COLORREF shadowColor, int width, int height, bool outline = false);
// Text in code page 932.
void drawCaption(HDC dc, HFONT font, const std::string& text, COLORREF textColor,
                 COLORREF shadowColor, int width, int height, bool outline = false);

// Draws columns [firstColumn, firstColumn + width) of the caption that drawCaption draws for
// the measured text into an area captionWidth wide, pixel for pixel, into the area (0, 0,
// width, height): only the characters that reach those columns, so a caption of any length
// costs no more than the piece drawn.
void drawCaptionColumns(HDC dc, HFONT font, const CaptionText& text, int firstColumn, int width,
                        int captionWidth, int height, COLORREF textColor, COLORREF shadowColor,
                        bool outline);

// Draws in `color` the characters of `text` that reach columns [0, width) of `dc`, the text's
// column 0 at x = textLeft and its top at y = top: the text alone, no shadow.
void drawCaptionTextColumns(HDC dc, HFONT font, const CaptionText& text, int textLeft, int top, int width,
                            COLORREF color);
