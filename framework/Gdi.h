#pragma once
// Move-only owners, one per release function: DeleteObject, DeleteDC, ReleaseDC, EndPaint,
// and selecting the previous object back. Declare them in acquisition order (DC, bitmap,
// selection) so that destruction deselects before it deletes.
#include <windows.h>

#include "framework/UniqueHandle.h"

namespace fw {

template <class H>
struct GdiObjectTraits : NullIsNone<H> {
    static void close(H h) { DeleteObject(h); }
};

struct CreatedDCTraits : NullIsNone<HDC> {
    static void close(HDC h) { DeleteDC(h); }
};

template <class Handle>
using GdiObject = UniqueHandle<GdiObjectTraits<Handle>>;
using Brush = GdiObject<HBRUSH>;
using Font = GdiObject<HFONT>;
using Bitmap = GdiObject<HBITMAP>;
// A device context of CreateDC or CreateCompatibleDC.
using CreatedDC = UniqueHandle<CreatedDCTraits>;

// A memory device context compatible with `compatibleWith` (the screen when null).
class MemoryDC : public CreatedDC {
public:
    explicit MemoryDC(HDC compatibleWith) : CreatedDC(CreateCompatibleDC(compatibleWith)) {}
};

// GetDC / ReleaseDC of a window (the screen when hwnd is null).
class WindowDC {
public:
    explicit WindowDC(HWND hwnd) : m_hwnd(hwnd), m_dc(GetDC(hwnd)) {}
    ~WindowDC() { if (m_dc) ReleaseDC(m_hwnd, m_dc); }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC get() const { return m_dc; }
    explicit operator bool() const { return m_dc != nullptr; }

private:
    HWND m_hwnd;
    HDC m_dc;
};

// BeginPaint / EndPaint.
class PaintDC {
public:
    explicit PaintDC(HWND hwnd) : m_hwnd(hwnd), m_dc(BeginPaint(hwnd, &m_ps)) {}
    ~PaintDC() { EndPaint(m_hwnd, &m_ps); }
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;
    HDC get() const { return m_dc; }
    const PAINTSTRUCT& paint() const { return m_ps; }

private:
    HWND m_hwnd;
    PAINTSTRUCT m_ps{};
    HDC m_dc;
};

// Selects an object into a DC and selects the previous one back when it goes.
class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ obj) : m_dc(dc), m_old(dc && obj ? SelectObject(dc, obj) : nullptr) {}
    ~SelectGuard() { if (m_old) SelectObject(m_dc, m_old); }
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_old;
};

}  // namespace fw
