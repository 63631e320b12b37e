#include "model/AppearanceSettings.h"

#include <cstring>

#include "framework/App.h"

namespace {
const char kDefaultFaceName[] = "ＭＳ Ｐゴシック";
static_assert(sizeof kDefaultFaceName <= LF_FACESIZE, "the face name must fit LOGFONTA");
}  // namespace

LOGFONTA defaultCaptionFont() {
    LOGFONTA font;
    std::memset(&font, 0, sizeof font);
    font.lfHeight = -fw::PointsToPixels(12);
    font.lfWeight = FW_BOLD;
    font.lfCharSet = SHIFTJIS_CHARSET;
    std::memcpy(font.lfFaceName, kDefaultFaceName, sizeof kDefaultFaceName);
    return font;
}
