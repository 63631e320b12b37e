#pragma once
// How the appearance settings reach the caption window: the colours of a colour choice, the
// font of a size choice, and the scroll step actually used.
#include <windows.h>

// A COLORREF's high byte selects palette entries instead of red, green and blue: colours the
// operator chooses keep only their red, green and blue bytes.
constexpr COLORREF kRgbMask = 0x00FFFFFF;
constexpr COLORREF rgbOnly(COLORREF color) { return color & kRgbMask; }

struct CaptionColors {
    COLORREF text;
    COLORREF shadow;
};

// Choices 0 to 3 are fixed pairs, 4 the user's own colours (only their red, green and blue
// bytes); any other value (only a hand-edited settings file holds one) gives the pair of
// choice 0, white on black.
CaptionColors captionColorsFor(int colorChoice, COLORREF userTextColor, COLORREF userShadowColor);

// The tallest caption font, in pixels either way: a taller one (only a hand-edited settings file
// holds one) would make strip and caption pictures of hundreds of megabytes.
constexpr LONG kMaxFontHeight = 1000;

// Prepares `logFont` for the caption font: sizes 0, 1 and 2 replace it with the default caption
// font at a height of -12, -16 or -21; any other size keeps the operator's font, its height
// held within +-kMaxFontHeight. The weight is always bold and the width 0.
void applyFontChoice(LOGFONTA& logFont, int sizeChoice);

// The number of fixed sizes (choices 0 to kFixedSizeCount - 1) and the character height of
// each; 0 for any other choice.
constexpr int kFixedSizeCount = 3;
LONG fixedFontHeight(int sizeChoice);

// The pixels per scroll tick for a stored speed: kSlowestStep to kFastestStep as they are, any
// other value kNormalStep.
constexpr int kSlowestStep = 1;
constexpr int kNormalStep = 2;
constexpr int kFastestStep = 4;
int scrollStepFor(int deltaX);
