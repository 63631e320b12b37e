// What the strip shows for stored settings, hostile values among them: each value is held within
// its bounds once, and the band settings give one of the three strips.
#include <gtest/gtest.h>

#include <climits>

#include "display/StripLook.h"

namespace {

struct LookCase {
    const char* name;
    LaneLook settings;
    COLORREF text, shadow, band;
    int step, opacity;
    StripMode mode;
};

LaneLook With(void (*change)(LaneLook&)) {
    LaneLook settings;
    change(settings);
    return settings;
}

TEST(StripLookFor, HoldsEveryValueWithinItsBoundsAndDecidesTheStripOnce) {
    using M = StripMode;
    const LookCase cases[] = {
        {"defaults", LaneLook{}, RGB(255, 255, 255), RGB(0, 0, 0), 0, 2, 100, M::ColourKeyed},
        {"palette bytes", With([](LaneLook& s) {
             s.colorChoice = 4, s.userTextColor = 0x01123456, s.userShadowColor = 0xFF654321;
             s.bandOn = 1, s.bandColor = 0x02A0B0C0;
         }), 0x123456, 0x654321, 0xA0B0C0, 2, 100, M::OpaqueBand},
        {"any band flag, opacity beyond", With([](LaneLook& s) {
             s.bandOn = -7, s.bandOpacity = INT_MAX, s.deltaX = 4;
         }), RGB(255, 255, 255), RGB(0, 0, 0), 0, 4, 100, M::OpaqueBand},
        {"just below full",
         With([](LaneLook& s) { s.bandOn = 1, s.bandOpacity = 99, s.deltaX = 1; }),
         RGB(255, 255, 255), RGB(0, 0, 0), 0, 1, 99, M::TranslucentBand},
        {"opacity below 0",
         With([](LaneLook& s) { s.bandOn = 1, s.bandOpacity = INT_MIN, s.deltaX = 5; }),
         RGB(255, 255, 255), RGB(0, 0, 0), 0, 2, 0, M::TranslucentBand},
        {"band off at any opacity",
         With([](LaneLook& s) { s.bandOpacity = 10, s.deltaX = INT_MIN; }),
         RGB(255, 255, 255), RGB(0, 0, 0), 0, 2, 10, M::ColourKeyed},
    };
    for (const LookCase& c : cases) {
        SCOPED_TRACE(c.name);
        const StripLook look = stripLookFor(c.settings, nullptr);
        EXPECT_EQ(c.text, look.m_textColor);
        EXPECT_EQ(c.shadow, look.m_shadowColor);
        EXPECT_EQ(c.band, look.m_bandColor);
        EXPECT_EQ(c.step, look.m_deltaX);
        EXPECT_EQ(c.opacity, look.m_bandOpacity);
        EXPECT_EQ(c.mode, look.mode());
    }
}

}  // namespace
