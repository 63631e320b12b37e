#pragma once
// Where one scroll tick moves and copies columns: pure arithmetic, so that no step and no
// caption width can lead a copy outside the strip or the caption bitmap.
#include "model/AppearanceRules.h"

// The step a tick really scrolls. Below 1 the strip would freeze (or run backwards), so such a
// step scrolls at the default speed; a step above the maximum (only a hand-edited settings file
// holds one) is capped, which keeps the caption bitmap's blank tail and all arithmetic small.
// The owner's own speeds (scrollStepFor) all lie within these bounds.
constexpr int kDefaultScrollStep = kNormalStep;
constexpr int kMaxScrollStep = 64;
int effectiveScrollStep(int deltaX);

// One tick on a strip `stripWidth` columns wide: the picture moves left by `step`, and the
// `step` columns that enter at the right are columns scrollX .. scrollX + step - 1 of the
// caption. Only the part of that slice that lies in both bitmaps is copied; the rest of the
// entering columns (beyond the caption's last column) is filled with the key colour.
struct ScrollSlice {
    int moveWidth = 0;   // columns moved from x = step to x = 0
    int destX = 0;       // strip column that receives caption column sourceX
    int sourceX = 0;
    int copyWidth = 0;   // caption columns copied
    int blankX = 0;      // strip columns from blankX to the right edge become key colour
};
ScrollSlice computeSlice(int stripWidth, int captionWidth, int scrollX, int step);
