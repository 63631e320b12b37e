#pragma once
// Reading pixels back: from a bitmap (GetDIBits) or from the screen.
#include <windows.h>

#include <vector>

namespace testing_support {

struct PixelImage {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> pixels;  // row by row from the top, as COLORREF (0x00BBGGRR)

    COLORREF at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
    bool empty() const { return pixels.empty(); }
    int count(COLORREF colour) const;
    // Columns (left to right) that hold at least one pixel of the colour; -1 when none.
    int firstColumnWith(COLORREF colour) const;
    int lastColumnWith(COLORREF colour) const;
};

PixelImage ReadBitmap(HBITMAP bitmap);
// The stored 32-bit values of a DIB section (0xAARRGGBB, alpha included), row by row from the
// top as the picture shows them; empty for any other bitmap.
std::vector<DWORD> ReadRawPixels(HBITMAP dibSection);
// A rectangle of the screen as it is shown now.
PixelImage CaptureScreen(const RECT& area);

}  // namespace testing_support
