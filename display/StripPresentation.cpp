#include "display/StripPresentation.h"

StripPresentation presentationFor(StripMode mode) {
    StripPresentation presentation;
    switch (mode) {
    case StripMode::ColourKeyed:
        presentation.m_flags = LWA_COLORKEY | LWA_ALPHA;
        presentation.m_alpha = kKeyedStripAlpha;
        break;
    case StripMode::OpaqueBand:
        // An opaque window: no colour key, full alpha. The cheapest strip to show.
        presentation.m_flags = LWA_ALPHA;
        break;
    case StripMode::TranslucentBand:
    case StripMode::SmoothAlpha:
        presentation.m_perPixelAlpha = true;
        break;
    }
    return presentation;
}
