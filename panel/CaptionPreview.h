#pragma once
// A sample caption drawn as the strip would show it with the appearance settings: text and
// shadow colours, font and size, band and outline, over a grey that stands for the desktop.
#include <windows.h>

#include "model/AppearanceSettings.h"

// The text of the sample.
extern const char kCaptionPreviewText[];
// The grey behind a sample without a band.
constexpr COLORREF kPreviewDesktop = RGB(128, 128, 128);

// Draws the sample into `area` of `dc`; the font is scaled from 96 DPI to `dpi`.
void drawCaptionPreview(HDC dc, const RECT& area, const AppearanceSettings& settings, int dpi);
