#pragma once
// An off-screen picture of the caption window: a 32-bit top-down DIB section that stays
// selected into its own memory device context (compatible with the screen) for as long as the
// picture lives. Drawing into it and copying from it then need no device context to be made
// or a bitmap to be selected first, which is what a scroll tick would otherwise spend most of
// its time on.
#include <windows.h>

#include "framework/Gdi.h"

class OffscreenPicture {
public:
    OffscreenPicture() = default;
    ~OffscreenPicture() { reset(); }
    OffscreenPicture(const OffscreenPicture&) = delete;
    OffscreenPicture& operator=(const OffscreenPicture&) = delete;

    // Replaces the picture with a new one of that size, its pixels undefined. False, with no
    // picture left, when the size is empty or the bitmap cannot be made.
    bool create(int width, int height);
    // Deselects and deletes the bitmap and deletes the device context.
    void reset();

    // The memory device context, made on first use and kept (null only when it cannot be made):
    // text can be measured in it before there is a picture.
    HDC dc();
    HBITMAP bitmap() const { return m_bitmap.get(); }
    // The pixels, row 0 first, each 0xAARRGGBB, after every drawing call still pending in GDI
    // has reached them; null without a picture.
    DWORD* pixels();
    int width() const { return m_width; }
    int height() const { return m_height; }
    explicit operator bool() const { return static_cast<bool>(m_bitmap); }

private:
    void releaseBitmap();

    // In acquisition order: the device context, the bitmap, the bitmap it displaced.
    fw::CreatedDC m_dc;
    fw::Bitmap m_bitmap;
    HGDIOBJ m_displaced = nullptr;
    DWORD* m_pixels = nullptr;
    int m_width = 0;
    int m_height = 0;
};
