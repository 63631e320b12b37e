#include "model/AppearanceRules.h"

#include "model/LaneLook.h"

namespace {
const CaptionColors kPresetColors[] = {
    {RGB(255, 255, 255), RGB(0, 0, 0)},        // white
    {RGB(50, 50, 50), RGB(205, 205, 205)},     // black
    {RGB(255, 255, 120), RGB(0, 0, 135)},      // yellow
    {RGB(255, 0, 0), RGB(0, 255, 255)},        // red
};
const int kPresetColorCount = sizeof kPresetColors / sizeof kPresetColors[0];
const int kUserColorChoice = 4;

const LONG kPresetHeights[kFixedSizeCount] = {-12, -16, -21};  // small, normal, large
}  // namespace

CaptionColors captionColorsFor(int colorChoice, COLORREF userTextColor, COLORREF userShadowColor) {
    if (colorChoice == kUserColorChoice) return {rgbOnly(userTextColor), rgbOnly(userShadowColor)};
    if (colorChoice >= 0 && colorChoice < kPresetColorCount) return kPresetColors[colorChoice];
    return kPresetColors[0];
}

LONG fixedFontHeight(int sizeChoice) {
    return sizeChoice >= 0 && sizeChoice < kFixedSizeCount ? kPresetHeights[sizeChoice] : 0;
}

void applyFontChoice(LOGFONTA& logFont, int sizeChoice) {
    if (sizeChoice >= 0 && sizeChoice < kFixedSizeCount) {
        logFont = defaultCaptionFont();
        logFont.lfHeight = kPresetHeights[sizeChoice];
    }
    if (logFont.lfHeight > kMaxFontHeight) logFont.lfHeight = kMaxFontHeight;
    if (logFont.lfHeight < -kMaxFontHeight) logFont.lfHeight = -kMaxFontHeight;
    logFont.lfWeight = FW_BOLD;
    logFont.lfWidth = 0;
}

int scrollStepFor(int deltaX) {
    return deltaX >= kSlowestStep && deltaX <= kFastestStep ? deltaX : kNormalStep;
}
