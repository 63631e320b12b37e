#include "model/LaneLook.h"

#include <algorithm>
#include <cctype>
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

std::string speedPxText(int speedPx) {
    return speedPx >= kMinSpeedPx && speedPx <= kMaxSpeedPx ? std::to_string(speedPx) : std::string();
}

int speedPxFromText(const std::string& text) {
    if (text.empty()) return 0;
    int speed = 0;
    for (char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c))) return 0;
        speed = std::min(speed * 10 + (c - '0'), kMaxSpeedPx);
    }
    return speed;
}
