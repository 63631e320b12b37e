#include "display/StripPlacement.h"

#include <algorithm>

namespace {
int clampCoordinate(long long value) {
    return static_cast<int>(std::clamp<long long>(value, -kMaxWindowCoordinate, kMaxWindowCoordinate));
}

int clampSize(long long value) {
    return static_cast<int>(std::clamp<long long>(value, 0, kMaxWindowCoordinate));
}
}  // namespace

StripPlacement computeStripPlacement(const RECT& screen, int stripHeight, int pos, int gap, int lgap,
                                     int rgap) {
    const long long height = std::max(0, stripHeight);
    long long top = 0;
    if (pos == 0) {
        top = static_cast<long long>(screen.top) + gap;
    } else {
        top = static_cast<long long>(screen.bottom) - gap - height;
    }
    const long long left = static_cast<long long>(screen.left) + lgap;
    const long long right = static_cast<long long>(screen.right) - rgap;

    StripPlacement placement;
    placement.y = clampCoordinate(top);
    placement.height = clampSize(height);
    // Captions enter at the right edge, so a strip too wide for a window keeps that edge.
    const int rightEdge = clampCoordinate(right);
    const int leftEdge = std::max(clampCoordinate(left), rightEdge - kMaxWindowCoordinate);
    placement.x = leftEdge;
    placement.width = clampSize(static_cast<long long>(rightEdge) - leftEdge);
    return placement;
}
