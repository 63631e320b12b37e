#pragma once
// How the caption window hands each kind of strip to the window system: a colour-keyed strip
// and an opaque band are painted and shown through layered attributes; a translucent band
// carries its alpha in its pixels and is handed over whole with UpdateLayeredWindow.
#include <windows.h>

#include "display/StripLook.h"

// The alpha of the colour-keyed strip as a whole.
constexpr BYTE kKeyedStripAlpha = 200;

struct StripPresentation {
    bool m_perPixelAlpha = false;  // UpdateLayeredWindow with every picture; no layered attributes
    // The layered attributes otherwise, with kStripKeyColor as the key: LWA_* flags and the
    // alpha of the whole window.
    DWORD m_flags = 0;
    BYTE m_alpha = kOpaqueAlpha;
};

StripPresentation presentationFor(StripMode mode);
