// Where the strip lies for any offsets a settings file can hold.
#include <gtest/gtest.h>

#include <climits>

#include "display/StripPlacement.h"

namespace {

const RECT kScreen{0, 0, 1024, 768};
const int kHeight = 18;

StripPlacement Place(int pos, int gap, int lgap, int rgap, int height = kHeight) {
    return computeStripPlacement(kScreen, height, pos, gap, lgap, rgap);
}

TEST(StripPlacement, TopAndBottomEdgesWithGapAndInsets) {
    StripPlacement top = Place(0, 5, 10, 20);
    EXPECT_EQ(10, top.x);
    EXPECT_EQ(5, top.y);
    EXPECT_EQ(1024 - 20 - 10, top.width);
    EXPECT_EQ(kHeight, top.height);

    StripPlacement bottom = Place(1, 5, -10, -20);
    EXPECT_EQ(-10, bottom.x);
    EXPECT_EQ(768 - 5 - kHeight, bottom.y);
    EXPECT_EQ(1024 + 30, bottom.width) << "negative insets widen the strip beyond the screen";

    EXPECT_EQ(768 - kHeight, Place(-7, 0, 0, 0).y) << "every pos but 0 is the bottom edge";
    StripPlacement offset = computeStripPlacement(RECT{-100, 50, 900, 850}, kHeight, 0, 0, 0, 0);
    EXPECT_EQ(-100, offset.x);
    EXPECT_EQ(50, offset.y);
    EXPECT_EQ(1000, offset.width);
}

TEST(StripPlacement, ExtremeOffsetsStayWithinWindowCoordinates) {
    const int values[] = {INT_MIN, INT_MIN + 1, -99999, -1, 0, 1, 99999, INT_MAX - 1, INT_MAX};
    for (int pos : {0, 1, INT_MIN, INT_MAX})
        for (int gap : values)
            for (int lgap : values)
                for (int rgap : values) {
                    StripPlacement p = Place(pos, gap, lgap, rgap);
                    ASSERT_GE(p.x, -kMaxWindowCoordinate);
                    ASSERT_LE(p.x, kMaxWindowCoordinate);
                    ASSERT_GE(p.y, -kMaxWindowCoordinate);
                    ASSERT_LE(p.y, kMaxWindowCoordinate);
                    ASSERT_GE(p.width, 0);
                    ASSERT_LE(p.width, kMaxWindowCoordinate);
                    ASSERT_LE(static_cast<long long>(p.x) + p.width, kMaxWindowCoordinate);
                    ASSERT_EQ(kHeight, p.height);
                }
}

TEST(StripPlacement, GapsBeyondReachPutTheStripAtTheFarthestCoordinate) {
    EXPECT_EQ(kMaxWindowCoordinate, Place(0, INT_MAX, 0, 0).y);
    EXPECT_EQ(-kMaxWindowCoordinate, Place(0, INT_MIN, 0, 0).y);
    EXPECT_EQ(-kMaxWindowCoordinate, Place(1, INT_MAX, 0, 0).y);
    EXPECT_EQ(kMaxWindowCoordinate, Place(1, INT_MIN, 0, 0).y);
    EXPECT_EQ(kMaxWindowCoordinate, Place(1, -99999999, 0, 0).y);
}

TEST(StripPlacement, InsetsThatMeetOrCrossGiveAnEmptyStrip) {
    EXPECT_EQ(0, Place(0, 0, 512, 512).width);
    EXPECT_EQ(0, Place(0, 0, 600, 600).width);
    EXPECT_EQ(0, Place(0, 0, INT_MAX, INT_MAX).width);
    EXPECT_EQ(0, Place(0, 0, 0, 5000).width);
    EXPECT_EQ(0, Place(0, 0, 0, 0, -40).height) << "no text height gives no height";
}

TEST(StripPlacement, TooWideAStripKeepsTheRightEdgeWhereCaptionsEnter) {
    StripPlacement p = Place(0, 0, INT_MIN, 0);
    EXPECT_EQ(1024, p.x + p.width);
    EXPECT_EQ(kMaxWindowCoordinate, p.width);
    p = Place(0, 0, -100000, -100000);
    EXPECT_EQ(kMaxWindowCoordinate, p.x + p.width);
    EXPECT_EQ(0, p.x);
}

}  // namespace
