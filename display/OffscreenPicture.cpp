#include "display/OffscreenPicture.h"

#include <utility>

HDC OffscreenPicture::dc() {
    if (!m_dc) m_dc.reset(CreateCompatibleDC(nullptr));
    return m_dc.get();
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
    fw::Bitmap bitmap(CreateDIBSection(m_dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap) return false;
    HGDIOBJ displaced = SelectObject(m_dc.get(), bitmap.get());
    if (!displaced || displaced == HGDI_ERROR) return false;
    m_bitmap = std::move(bitmap);
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
        SelectObject(m_dc.get(), m_displaced);
        m_bitmap.reset();
    }
    m_displaced = nullptr;
    m_pixels = nullptr;
    m_width = 0;
    m_height = 0;
}

void OffscreenPicture::reset() {
    releaseBitmap();
    m_dc.reset();
}
