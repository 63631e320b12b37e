#pragma once
// What the strip shows, read from its pixels: the captions as runs of text columns (captions of
// one repeated joining glyph, such as "━━━", are one run each, told apart by their width), and
// whether one picture is the one before it scrolled on, or the strip started over.
#include <windows.h>

#include <vector>

#include "Pixels.h"

namespace testing_support {

struct TextRun {
    int left;
    int right;
    int width() const { return right - left + 1; }
};

// Runs of columns that hold a pixel of `colour`, left to right.
std::vector<TextRun> TextRuns(const PixelImage& strip, COLORREF colour);
// The widths of the runs that lie wholly inside the strip (not touching either edge).
std::vector<int> WholeRunWidths(const PixelImage& strip, COLORREF colour);

// The columns `later` has scrolled on from `earlier`: the shift of at most `maxShift` columns
// to the left under which the text columns of both agree, leaving out the columns that entered
// at the right edge meanwhile; -1 when no shift makes them agree (the strip started over, or a
// caption jumped). `mismatches` columns may differ (a glyph edge).
int ScrolledOn(const PixelImage& earlier, const PixelImage& later, COLORREF colour, int maxShift, int mismatches = 2);

}  // namespace testing_support
