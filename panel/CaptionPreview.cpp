#include "panel/CaptionPreview.h"

#include <algorithm>
#include <vector>

#include "display/CaptionDrawing.h"
#include "display/SmoothPicture.h"
#include "display/StripFont.h"
#include "display/StripLook.h"
#include "display/StripPicture.h"
#include "framework/Gdi.h"
#include "framework/WideText.h"
#include "model/AppearanceRules.h"
#include "show/Lane.h"

const char kCaptionPreviewText[] = "キルンの見本 Kirunner 123";

namespace {
const char kTextHidden[] = "文字の色（200,200,200）は透明になり表示されません";
const char kShadowHidden[] = "影の色（200,200,200）は透明になり表示されません";
const char kBothHidden[] = "文字と影の色（200,200,200）は透明になり表示されません";
// What the strip measures its height by.
const wchar_t kMeasureText[] = L"ABC";
// The most strip columns drawn for the sample: a font far taller than the area (a hand-edited
// settings file may hold one of 1000 pixels) shows the part of the sample these columns hold.
const int kMostColumns = 4096;

// Pixels as the strip pictures hold them: 0xAARRGGBB, row by row from the top.
struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<DWORD> values;
};

DWORD channel(DWORD pixel, int shift) { return (pixel >> shift) & 0xFF; }

// A pixel of the strip's picture as the desktop shows it over the grey: the key colour is the
// desktop, a band or glyph edge of partial alpha (premultiplied) is blended over it.
DWORD overDesktop(DWORD pixel, StripMode mode) {
    const DWORD desktop = GetRValue(kPreviewDesktop);  // a grey: every channel alike
    const DWORD rgb = pixel & 0xFFFFFF;
    switch (mode) {
    case StripMode::ColourKeyed: {
        const DWORD key = GetRValue(kStripKeyColor) << 16 | GetGValue(kStripKeyColor) << 8 | GetBValue(kStripKeyColor);
        return rgb == key ? (desktop << 16 | desktop << 8 | desktop) : rgb;
    }
    case StripMode::OpaqueBand: return rgb;
    default: {
        const DWORD rest = 255 - channel(pixel, 24);
        DWORD out = 0;
        for (int shift : {16, 8, 0})
            out |= std::min<DWORD>(255, channel(pixel, shift) + (desktop * rest + 127) / 255) << shift;
        return out;
    }
    }
}

// One line of `count` values `stride` apart scaled from `from` to `to` (<= from) values: each is
// the mean of the source values it covers, weighted by how much of each it covers.
void shrinkLine(const DWORD* source, int from, DWORD* target, int to, int stride) {
    for (int i = 0; i < to; ++i) {
        // In units of 1 / (from * to): target i covers [i * from, (i + 1) * from), source j
        // covers [j * to, (j + 1) * to).
        const long long begin = static_cast<long long>(i) * from;
        const long long end = begin + from;
        DWORD sums[3] = {0, 0, 0};
        for (int j = static_cast<int>(begin / to); j < from && static_cast<long long>(j) * to < end; ++j) {
            const long long overlap = std::min<long long>(end, static_cast<long long>(j + 1) * to) -
                                      std::max<long long>(begin, static_cast<long long>(j) * to);
            const DWORD value = source[static_cast<size_t>(j) * stride];
            for (int c = 0; c < 3; ++c) sums[c] += channel(value, 16 - 8 * c) * static_cast<DWORD>(overlap);
        }
        DWORD out = 0;
        for (int c = 0; c < 3; ++c) out |= ((sums[c] + from / 2) / static_cast<DWORD>(from)) << (16 - 8 * c);
        target[static_cast<size_t>(i) * stride] = out;
    }
}

Pixels shrunk(const Pixels& source, int width, int height) {
    Pixels across{width, source.height, std::vector<DWORD>(static_cast<size_t>(width) * source.height)};
    for (int y = 0; y < source.height; ++y)
        shrinkLine(&source.values[static_cast<size_t>(y) * source.width], source.width,
                   &across.values[static_cast<size_t>(y) * width], width, 1);
    Pixels result{width, height, std::vector<DWORD>(static_cast<size_t>(width) * height)};
    for (int x = 0; x < width; ++x) shrinkLine(&across.values[x], source.height, &result.values[x], height, width);
    return result;
}

// The sample's strip: one strip picture as the only strip of a lane, which moves it as the
// strip's own lane moves the strip, with no clock and no one to hear of ends.
class SampleStrip : public StripPort, public LaneListener, public MonotonicClock {
public:
    explicit SampleStrip(StripPicture& picture) : m_picture(picture) {}
    int enter(const std::wstring& text, bool followsCaption, bool fromBlank) override {
        return m_picture.enter(text, followsCaption, fromBlank);
    }
    void scroll(int columns) override { m_picture.scroll(columns); }
    int drainColumns() override { return m_picture.drainColumns(); }
    void present() override {}
    void setMoving(bool) override {}
    void setCounting(bool) override {}
    void raise() override {}
    void setShown(bool) override {}
    void captionEnded(CaptionId) override {}
    void rollingEnded() override {}
    long long nowMs() const override { return 0; }

private:
    StripPicture& m_picture;
};

// The strip `width` columns wide once the sample caption, on air alone, has scrolled in up to
// `left` columns from the strip's left edge, followed by itself as the lane brings it again:
// moved a scroll step at a time, or in the smooth look by frames. As the desktop shows it.
Pixels stripSample(StripPicture& picture, bool smooth, int width, int height, int left) {
    const int step = picture.stepWidth();
    picture.layout(width + step, height);
    SampleStrip strip(picture);
    Lane lane(strip, strip, strip);
    lane.addKirun(caption_ids::kFirstGiven, fw::WideFromCodePage932(kCaptionPreviewText), 1);
    const int wanted = width - left;
    int moved = 0;
    if (smooth) {
        lane.advance(wanted);
        moved = wanted;
    }
    for (; moved < wanted; moved += step) lane.tick(step);
    Pixels sample;
    OffscreenPicture& shown = picture.framePicture(0);
    const DWORD* values = shown.pixels();
    // The sample's first column: `left` columns before where the caption entered.
    const int first = shown.width() - moved - left;
    if (!values || first < 0) return sample;
    sample.width = std::min(width, shown.width() - first);
    sample.height = shown.height();
    sample.values.resize(static_cast<size_t>(sample.width) * sample.height);
    for (int y = 0; y < sample.height; ++y)
        for (int x = 0; x < sample.width; ++x)
            sample.values[static_cast<size_t>(y) * sample.width + x] =
                overDesktop(values[static_cast<size_t>(y) * shown.width() + first + x], picture.mode());
    return sample;
}
}  // namespace

void drawCaptionPreview(HDC dc, const RECT& area, const LaneLook& settings, int dpi, bool alphaComposed) {
    const int areaWidth = area.right - area.left;
    const int areaHeight = area.bottom - area.top;
    if (areaWidth <= 0 || areaHeight <= 0) return;
    fw::Brush desktop(CreateSolidBrush(kPreviewDesktop));
    FillRect(dc, &area, desktop.get());

    StripLook look = stripLookFor(settings, nullptr);
    look.m_alphaComposed = alphaComposed;
    LOGFONTA logFont = settings.logFont;
    applyFontChoice(logFont, settings.sizeChoice);
    const LOGFONTA stripFont = stripFontAt(logFont, static_cast<UINT>(dpi), look.mode());
    fw::Font font(CreateFontIndirectA(&stripFont));
    if (!font) return;
    look.m_font = font.get();
    StripPicture picture;
    picture.setLook(look, font.get());

    // The strip's height for this font, measured as the strip measures it.
    OffscreenPicture measuring;
    const int textHeight = measureCaptionText(measuring.dc(), font.get(), std::wstring(kMeasureText)).cy;
    const int height = captionHeightFor(picture.smoothPicture(), textHeight);
    if (height <= 0) return;
    // Taller than the area: the strip's pixels are shrunk by areaHeight / height.
    const bool scaled = height > areaHeight;
    const int stripWidth = scaled ? std::min(MulDiv(areaWidth, height, areaHeight), kMostColumns) : areaWidth;
    const int left = scaled ? MulDiv(kPreviewMargin, height, areaHeight) : kPreviewMargin;
    Pixels sample = stripSample(picture, settings.smooth != 0, stripWidth, height, left);
    if (sample.values.empty()) return;
    if (scaled) sample = shrunk(sample, std::max(1, MulDiv(sample.width, areaHeight, height)), areaHeight);

    OffscreenPicture shown;
    if (!shown.create(sample.width, sample.height)) return;
    std::copy(sample.values.begin(), sample.values.end(), shown.pixels());
    BitBlt(dc, area.left, area.top + (areaHeight - sample.height) / 2, sample.width, sample.height, shown.dc(), 0, 0,
           SRCCOPY);
}

const char* keyColourWarning(const LaneLook& settings, bool alphaComposed) {
    StripLook look = stripLookFor(settings, nullptr);
    look.m_alphaComposed = alphaComposed;
    // Bands and the smooth look's picture carry no colour key: every colour shows there.
    if (look.mode() != StripMode::ColourKeyed) return nullptr;
    const bool text = look.m_textColor == kStripKeyColor;
    const bool shadow = look.m_shadowColor == kStripKeyColor;
    if (text && shadow) return kBothHidden;
    if (text) return kTextHidden;
    return shadow ? kShadowHidden : nullptr;
}
