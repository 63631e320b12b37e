#include "Pixels.h"

#include "framework/Gdi.h"

namespace testing_support {

int PixelImage::count(COLORREF colour) const {
    int n = 0;
    for (COLORREF p : pixels) n += (p == colour);
    return n;
}

int PixelImage::firstColumnWith(COLORREF colour) const {
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < height; ++y)
            if (at(x, y) == colour) return x;
    return -1;
}

int PixelImage::lastColumnWith(COLORREF colour) const {
    for (int x = width - 1; x >= 0; --x)
        for (int y = 0; y < height; ++y)
            if (at(x, y) == colour) return x;
    return -1;
}

PixelImage ReadBitmap(HBITMAP bitmap) {
    PixelImage image;
    BITMAP info{};
    if (!bitmap || !GetObjectA(bitmap, sizeof info, &info)) return image;
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = info.bmWidth;
    bi.bmiHeader.biHeight = -info.bmHeight;  // top-down
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    std::vector<DWORD> raw(static_cast<size_t>(info.bmWidth) * info.bmHeight);
    fw::WindowDC screen(nullptr);
    if (!GetDIBits(screen.get(), bitmap, 0, info.bmHeight, raw.data(), &bi, DIB_RGB_COLORS))
        return image;
    image.width = info.bmWidth;
    image.height = info.bmHeight;
    image.pixels.reserve(raw.size());
    for (DWORD bgra : raw)  // 0x00RRGGBB in memory order B, G, R
        image.pixels.push_back(RGB((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF));
    return image;
}

std::vector<DWORD> ReadRawPixels(HBITMAP dibSection) {
    DIBSECTION dib{};
    if (!dibSection || GetObjectA(dibSection, sizeof dib, &dib) != sizeof dib || !dib.dsBm.bmBits ||
        dib.dsBm.bmBitsPixel != 32)
        return {};
    GdiFlush();
    const int width = dib.dsBm.bmWidth;
    const int height = dib.dsBm.bmHeight;
    const bool topDown = dib.dsBmih.biHeight < 0;
    const DWORD* bits = static_cast<const DWORD*>(dib.dsBm.bmBits);
    std::vector<DWORD> pixels;
    pixels.reserve(static_cast<size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        const DWORD* row = bits + static_cast<size_t>(topDown ? y : height - 1 - y) * width;
        pixels.insert(pixels.end(), row, row + width);
    }
    return pixels;
}

PixelImage CaptureScreen(const RECT& area) {
    // Wine copies what this thread painted to the X screen when a look into the queue finds
    // nothing; a look for a message that never comes does it without dispatching anything.
    MSG none;
    PeekMessageA(&none, nullptr, WM_APP + 0x3E57, WM_APP + 0x3E57, PM_NOREMOVE);
    int width = area.right - area.left;
    int height = area.bottom - area.top;
    if (width <= 0 || height <= 0) return PixelImage();
    fw::WindowDC screen(nullptr);
    fw::MemoryDC memory(screen.get());
    fw::Bitmap bitmap(CreateCompatibleBitmap(screen.get(), width, height));
    {
        fw::SelectGuard select(memory.get(), bitmap.get());
        BitBlt(memory.get(), 0, 0, width, height, screen.get(), area.left, area.top, SRCCOPY);
    }
    return ReadBitmap(bitmap.get());
}

}  // namespace testing_support
