#include <gtest/gtest.h>

#include <windows.h>

#include "app/Glass.h"

namespace {

// A system of the test's own: answers as a given Windows version and counts every call.
struct FakeSystem {
    static int versionCalls, compositionCalls, extendCalls, failuresLeft;
    static DWORD major;
    static BOOL composition;
    static BOOL WINAPI GetVersionEx(OSVERSIONINFOA* info) {
        ++versionCalls;
        if (info->dwOSVersionInfoSize != 148) return FALSE;
        if (failuresLeft > 0) {
            --failuresLeft;
            return FALSE;
        }
        info->dwMajorVersion = major;
        return TRUE;
    }
    static HRESULT WINAPI IsCompositionEnabled(BOOL* enabled) {
        ++compositionCalls;
        *enabled = composition;
        return S_OK;
    }
    static HRESULT WINAPI Extend(HWND, const MARGINS*) {
        ++extendCalls;
        return S_OK;
    }
};
int FakeSystem::versionCalls, FakeSystem::compositionCalls, FakeSystem::extendCalls, FakeSystem::failuresLeft;
DWORD FakeSystem::major;
BOOL FakeSystem::composition;

class GlassGate : public ::testing::Test {
protected:
    void Use(DWORD major, int failures = 0) {
        FakeSystem::versionCalls = FakeSystem::compositionCalls = FakeSystem::extendCalls = 0;
        FakeSystem::major = major;
        FakeSystem::failuresLeft = failures;
        FakeSystem::composition = TRUE;
        SetGlassSystem({FakeSystem::GetVersionEx, FakeSystem::IsCompositionEnabled, FakeSystem::Extend});
    }
    void TearDown() override { SetGlassSystem(DefaultGlassSystem()); }
};

TEST_F(GlassGate, OlderSystemHasNoGlassAndNeverCallsTheWindowManager) {
    Use(5);
    BOOL enabled = TRUE;
    EXPECT_EQ(-1, queryComposition(&enabled));
    EXPECT_FALSE(enabled);
    MARGINS margins{9, 8, 30, 5};
    EXPECT_EQ(-1, extendGlass(nullptr, &margins));
    EXPECT_EQ(-1, queryComposition(nullptr)) << "a null pointer is not written";
    EXPECT_EQ(0, FakeSystem::compositionCalls);
    EXPECT_EQ(0, FakeSystem::extendCalls);
    EXPECT_EQ(1, FakeSystem::versionCalls) << "the version is asked once";
}

TEST_F(GlassGate, VersionSixAsksTheWindowManager) {
    Use(6);
    BOOL enabled = FALSE;
    EXPECT_EQ(S_OK, queryComposition(&enabled));
    EXPECT_TRUE(enabled);
    MARGINS margins{9, 8, 30, 5};
    EXPECT_EQ(S_OK, extendGlass(nullptr, &margins));
    EXPECT_EQ(1, FakeSystem::compositionCalls);
    EXPECT_EQ(1, FakeSystem::extendCalls);
}

TEST_F(GlassGate, FailedVersionQueryCountsAsOlderAndIsAskedAgain) {
    Use(10, 2);
    EXPECT_FALSE(isVistaOrLater());
    EXPECT_FALSE(isVistaOrLater());
    EXPECT_TRUE(isVistaOrLater());
    EXPECT_TRUE(isVistaOrLater());
    EXPECT_EQ(3, FakeSystem::versionCalls);
}

TEST(PixelsToPoints, NinePointDialogFontGivesGlowNine) {
    EXPECT_EQ(9, pixelsToPointsAt(12, 96));
    EXPECT_EQ(9, pixelsToPointsAt(15, 120));
}

TEST(GlassOnWine, RealSystemAnswersWithoutComposition) {
    BOOL enabled = TRUE;
    queryComposition(&enabled);
    EXPECT_FALSE(enabled);
}

}  // namespace
