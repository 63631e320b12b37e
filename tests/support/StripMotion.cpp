#include "StripMotion.h"

namespace testing_support {
namespace {
std::vector<bool> LitColumns(const PixelImage& strip, COLORREF colour) {
    std::vector<bool> lit(static_cast<size_t>(strip.width), false);
    for (int x = 0; x < strip.width; ++x)
        for (int y = 0; y < strip.height && !lit[static_cast<size_t>(x)]; ++y) lit[static_cast<size_t>(x)] = strip.at(x, y) == colour;
    return lit;
}
}  // namespace

std::vector<TextRun> TextRuns(const PixelImage& strip, COLORREF colour) {
    std::vector<TextRun> runs;
    const std::vector<bool> lit = LitColumns(strip, colour);
    for (int x = 0; x < strip.width; ++x) {
        if (!lit[static_cast<size_t>(x)]) continue;
        if (!runs.empty() && runs.back().right == x - 1) runs.back().right = x;
        else runs.push_back({x, x});
    }
    return runs;
}

std::vector<int> WholeRunWidths(const PixelImage& strip, COLORREF colour) {
    std::vector<int> widths;
    for (const TextRun& run : TextRuns(strip, colour))
        if (run.left > 0 && run.right < strip.width - 1) widths.push_back(run.width());
    return widths;
}

int ScrolledOn(const PixelImage& earlier, const PixelImage& later, COLORREF colour, int maxShift, int mismatches) {
    if (earlier.width != later.width || earlier.width == 0) return -1;
    const std::vector<bool> before = LitColumns(earlier, colour);
    const std::vector<bool> after = LitColumns(later, colour);
    bool anyText = false;
    for (bool column : before) anyText = anyText || column;
    if (!anyText) return -1;  // nothing to follow
    const int width = earlier.width;
    for (int shift = 0; shift <= maxShift && shift < width; ++shift) {
        int differing = 0;
        int compared = 0;
        for (int x = 0; x + shift < width && differing <= mismatches; ++x, ++compared)
            if (before[static_cast<size_t>(x + shift)] != after[static_cast<size_t>(x)]) ++differing;
        if (differing <= mismatches && compared > width / 2) return shift;
    }
    return -1;
}

}  // namespace testing_support
