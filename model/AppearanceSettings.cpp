#include "model/AppearanceSettings.h"

#include <cstring>

namespace {
const char kDefaultFaceName[] = "ＭＳ Ｐゴシック";
static_assert(sizeof kDefaultFaceName <= LF_FACESIZE, "the face name must fit LOGFONTA");
const int kDefaultPoints = 12;
}  // namespace

LOGFONTA defaultCaptionFont() {
    LOGFONTA font;
    std::memset(&font, 0, sizeof font);
    font.lfHeight = -fw::PointsToPixelsAt(kDefaultPoints, kStoredFontDpi);
    font.lfWeight = FW_BOLD;
    font.lfCharSet = SHIFTJIS_CHARSET;
    std::memcpy(font.lfFaceName, kDefaultFaceName, sizeof kDefaultFaceName);
    return font;
}
