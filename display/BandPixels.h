#pragma once
// The pixels of a translucent band: 32-bit values with premultiplied alpha, as a layered window
// updated with UpdateLayeredWindow takes them. The band shows at its own opacity; everything
// drawn on it (text, shadow, outline) stays fully opaque.
#include <windows.h>

#include "display/OffscreenPicture.h"

// 0 ... 100 percent as 0 ... 255; values beyond are held to the ends.
BYTE bandAlphaFor(int opacityPercent);

// `color` at `alpha`, premultiplied, as a pixel of an OffscreenPicture (0xAARRGGBB).
DWORD premultipliedPixel(COLORREF color, BYTE alpha);

// Every pixel that holds `band` exactly (GDI leaves the alpha byte 0) becomes the band at
// `alpha`; every other pixel becomes fully opaque.
void makeBandTranslucent(OffscreenPicture& picture, COLORREF band, BYTE alpha);

// Sets the pixels of the area, clipped to the picture, to `pixel`.
void fillPixels(OffscreenPicture& picture, int x, int y, int width, int height, DWORD pixel);
