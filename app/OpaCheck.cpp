#include "app/OpaCheck.h"

#include <vsstyle.h>

#include <string>
#include <vector>

#include "app/Glass.h"
#include "app/LateBound.h"
#include "framework/App.h"
#include "framework/DataExchange.h"
#include "framework/Gdi.h"

namespace {
const DWORD kLabelFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;
const DWORD kLabelOptions = DTT_COMPOSITED | DTT_GLOWSIZE;

// The description of the font of the window that holds the control (the dialog font).
bool parentFontOf(HWND control, LOGFONTA& font) {
    HFONT parentFont =
        reinterpret_cast<HFONT>(SendMessageA(GetParent(control), WM_GETFONT, 0, 0));
    return parentFont && GetObjectA(parentFont, sizeof font, &font) == sizeof font;
}
}  // namespace

DTTOPTS glowLabelOptions(int glowSize) {
    DTTOPTS options{};
    options.dwSize = sizeof options;
    options.dwFlags = kLabelOptions;
    options.iGlowSize = glowSize;
    return options;
}

LRESULT GlassLabel::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_PAINT) {
        OnPaint();
        return 0;
    }
    return fw::Window::HandleMessage(msg, wp, lp);
}

void GlassLabel::OnPaint() {
    fw::PaintDC paint(m_hWnd);
    fw::WindowDC target(m_hWnd);
    RECT client = ClientRect();

    fw::Font font;  // deleted only once the buffer has ended
    HDC buffer = nullptr;
    // Without the control's image the buffer starts clear: the glass shows through around the text.
    BP_PAINTPARAMS params{};
    params.cbSize = sizeof params;
    params.dwFlags = BPPF_ERASE;
    const late::PaintBuffer paintBuffer(late::BeginBufferedPaint(target.get(), &client, BPBF_TOPDOWNDIB,
                                                                 m_withControlImage ? nullptr : &params, &buffer));
    if (!paintBuffer) return;

    if (m_withControlImage) Send(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(buffer), PRF_CLIENT);

    std::wstring label = fw::GetWindowTextWide(m_hWnd);
    if (!label.empty()) {
        const late::ThemeHandle theme(late::OpenThemeData(m_hWnd, L"Button"));
        LOGFONTA described{};
        if (parentFontOf(m_hWnd, described)) font.reset(CreateFontIndirectA(&described));
        fw::SelectGuard selectFont(buffer, font.get());

        SIZE extent{};
        GetTextExtentPoint32W(buffer, label.c_str(), static_cast<int>(label.size()), &extent);
        RECT text;
        text.left = client.left + m_labelLeft;
        text.right = text.left + extent.cx;
        text.top = (client.bottom - extent.cy) / 2 + 1;
        text.bottom = text.top + extent.cy;

        DTTOPTS options = glowLabelOptions(fw::PixelsToPoints(-described.lfHeight));
        late::DrawThemeTextEx(theme.get(), buffer, BP_CHECKBOX, 0, label.c_str(),
                              static_cast<int>(label.size()), kLabelFormat, &text, &options);
    }  // the font is selected out of the buffer before the buffer goes
}
