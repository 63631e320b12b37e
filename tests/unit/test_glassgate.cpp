// The version gate in front of the window-manager functions, and the glow-size conversion.
#include <gtest/gtest.h>

#include <windows.h>

#include "app/Glass.h"
#include "framework/App.h"
#include "tests/unit/test_glass_system.h"

namespace {

using Fake = FakeGlassSystem;
const MARGINS kMargins{9, 8, 30, 5};

TEST(GlassGate, OlderSystemHasNoGlassAndNeverCallsTheWindowManager) {
    UseFakeGlassSystem system(5, TRUE);
    BOOL enabled = TRUE;
    EXPECT_EQ(-1, queryComposition(&enabled));
    EXPECT_FALSE(enabled);
    EXPECT_EQ(-1, queryComposition(nullptr)) << "a null pointer is not written";
    EXPECT_EQ(-1, extendGlass(nullptr, &kMargins));
    EXPECT_FALSE(isVistaOrLater());
    EXPECT_EQ(0, Fake::compositionCalls);
    EXPECT_EQ(0, Fake::extendCalls);
    EXPECT_EQ(1, Fake::versionCalls) << "a version once known is not asked again";
}

TEST(GlassGate, VersionSixPassesTheWindowManagerThrough) {
    UseFakeGlassSystem system(6, TRUE);
    BOOL enabled = FALSE;
    EXPECT_EQ(S_OK, queryComposition(&enabled));
    EXPECT_TRUE(enabled);
    HWND window = reinterpret_cast<HWND>(0x1234);
    EXPECT_EQ(S_OK, extendGlass(window, &kMargins));
    EXPECT_EQ(1, Fake::compositionCalls);
    EXPECT_EQ(1, Fake::extendCalls);
    EXPECT_EQ(window, Fake::extendedWindow);
    EXPECT_EQ(30, Fake::extendedMargins.cyTopHeight);
}

TEST(GlassGate, FailedVersionQueryCountsAsOlderAndIsAskedAgain) {
    UseFakeGlassSystem system(10, TRUE, 2);
    BOOL enabled = TRUE;
    EXPECT_EQ(-1, queryComposition(&enabled)) << "first failure";
    EXPECT_FALSE(enabled);
    EXPECT_EQ(-1, extendGlass(nullptr, &kMargins)) << "second failure";
    EXPECT_EQ(0, Fake::compositionCalls + Fake::extendCalls);
    EXPECT_TRUE(isVistaOrLater());
    EXPECT_TRUE(isVistaOrLater());
    EXPECT_EQ(S_OK, queryComposition(&enabled));
    EXPECT_EQ(3, Fake::versionCalls) << "asked until it answered, then never again";
}

TEST(GlassGate, VersionIsAskedAgainAfterTheSystemIsReplaced) {
    {
        UseFakeGlassSystem newer(6);
        EXPECT_TRUE(isVistaOrLater());
    }
    UseFakeGlassSystem older(5);
    EXPECT_FALSE(isVistaOrLater());
}

TEST(PixelsToPoints, NinePointDialogFontGivesGlowNine) {
    EXPECT_EQ(9, fw::PixelsToPointsAt(12, 96));
    EXPECT_EQ(9, fw::PixelsToPointsAt(15, 120));
    EXPECT_EQ(10, fw::PixelsToPointsAt(13, 96)) << "rounded, not truncated";
}

TEST(GlassOnWine, RealWindowManagerAnswersWithoutComposition) {
    BOOL enabled = TRUE;
    EXPECT_EQ(S_OK, queryComposition(&enabled));
    EXPECT_FALSE(enabled);
}

}  // namespace
