#include "display/ScrollGeometry.h"

#include <algorithm>

int effectiveScrollStep(int deltaX) {
    if (deltaX < kSlowestStep) return kDefaultScrollStep;
    return std::min(deltaX, kMaxScrollStep);
}

ScrollSlice computeSlice(int stripWidth, int captionWidth, int scrollX, int step) {
    ScrollSlice slice;
    if (stripWidth <= 0 || step <= 0) return slice;
    slice.moveWidth = std::max(0, stripWidth - step);
    // The entering columns start at stripWidth - step; those left of the strip have already
    // scrolled past it.
    slice.destX = slice.moveWidth;
    slice.sourceX = std::max(0, scrollX) + (slice.destX - (stripWidth - step));
    const int sourceEnd = std::min(captionWidth, std::max(0, scrollX) + step);
    slice.copyWidth = std::max(0, sourceEnd - slice.sourceX);
    slice.blankX = slice.destX + slice.copyWidth;
    return slice;
}
