#include "display/OffscreenPicture.h"

HDC OffscreenPicture::dc() {
    if (!m_dc) m_dc = CreateCompatibleDC(nullptr);
    return m_dc;
}

bool OffscreenPicture::create(int width, int height) {
    releaseBitmap();
    if (width <= 0 || height <= 0 || !dc()) return false;

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down: row 0 is the top row
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;     // exact 8-bit channels: the key colour stays the key
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap) return false;
    HGDIOBJ displaced = SelectObject(m_dc, bitmap);
    if (!displaced || displaced == HGDI_ERROR) {
        DeleteObject(bitmap);
        return false;
    }
    m_bitmap = bitmap;
    m_displaced = displaced;
    m_pixels = static_cast<DWORD*>(bits);
    m_width = width;
    m_height = height;
    return true;
}

DWORD* OffscreenPicture::pixels() {
    if (m_pixels) GdiFlush();
    return m_pixels;
}

void OffscreenPicture::releaseBitmap() {
    if (m_bitmap) {
        // A bitmap still selected into a device context cannot be deleted.
        SelectObject(m_dc, m_displaced);
        DeleteObject(m_bitmap);
    }
    m_bitmap = nullptr;
    m_displaced = nullptr;
    m_pixels = nullptr;
    m_width = 0;
    m_height = 0;
}

void OffscreenPicture::reset() {
    releaseBitmap();
    if (m_dc) DeleteDC(m_dc);
    m_dc = nullptr;
}
