#include "panel/QrPicture.h"

#include <algorithm>

#include "framework/Gdi.h"
#include "qrcodegen.h"

namespace {
const int kQuietModules = 4;
}

QrPicture::QrPicture() : m_code(qrcodegen_BUFFER_LEN_MAX) {}

bool QrPicture::encode(const std::string& text) {
    m_size = 0;
    if (text.empty()) return false;
    std::vector<std::uint8_t> work(qrcodegen_BUFFER_LEN_MAX);
    if (!qrcodegen_encodeText(text.c_str(), work.data(), m_code.data(), qrcodegen_Ecc_MEDIUM, qrcodegen_VERSION_MIN,
                              qrcodegen_VERSION_MAX, qrcodegen_Mask_AUTO, true))
        return false;
    m_size = qrcodegen_getSize(m_code.data());
    return true;
}

bool QrPicture::dark(int x, int y) const { return m_size > 0 && qrcodegen_getModule(m_code.data(), x, y); }

int QrPicture::modulePixels(const RECT& area) const {
    if (m_size == 0) return 0;
    const int side = std::min(area.right - area.left, area.bottom - area.top);
    return std::max(1, side / (m_size + 2 * kQuietModules));
}

bool QrPicture::draw(HDC dc, const RECT& area) const {
    fw::Brush white(CreateSolidBrush(RGB(255, 255, 255)));
    fw::Brush black(CreateSolidBrush(RGB(0, 0, 0)));
    if (!white || !black || !FillRect(dc, &area, white.get())) return false;
    if (m_size == 0) return true;
    const int module = modulePixels(area);
    const int left = area.left + (area.right - area.left - m_size * module) / 2;
    const int top = area.top + (area.bottom - area.top - m_size * module) / 2;
    for (int y = 0; y < m_size; ++y) {
        for (int x = 0; x < m_size; ++x) {
            if (!dark(x, y)) continue;
            const RECT cell{left + x * module, top + y * module, left + (x + 1) * module, top + (y + 1) * module};
            if (!FillRect(dc, &cell, black.get())) return false;
        }
    }
    return true;
}
