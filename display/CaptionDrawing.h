#pragma once
// A caption as the strip shows it, drawn into any device context: the text on its shadow one
// pixel right and down, over whatever the context already holds.
#include <windows.h>

#include <string>

// The size of `text` in `font`; empty when it cannot be measured.
SIZE measureCaptionText(HDC dc, HFONT font, const std::string& text);

// Draws `text` into the area (0, 0, width, height): the shadow first, one pixel right and down,
// then the text on it. Captions are shown verbatim: "&" is no mnemonic prefix here.
void drawCaption(HDC dc, HFONT font, const std::string& text, COLORREF textColor,
                 COLORREF shadowColor, int width, int height);
