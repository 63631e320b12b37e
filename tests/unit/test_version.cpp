#include <gtest/gtest.h>

#include <string>

#include "app/VersionString.h"

namespace {

TEST(VersionString, ReadsTheProductVersionOfThisProgram) {
    EXPECT_STREQ("Ver.:1, 0, 1, 115", versionString());
}

TEST(VersionString, IsComputedOnceAndStaysPut) {
    const char* first = versionString();
    const char* second = versionString();
    EXPECT_EQ(first, second);
    EXPECT_STREQ(first, second);
}

TEST(VersionString, AboutLineReplacesCommasAndSemicolons) {
    EXPECT_EQ("Kirunner Ver.:1- 0- 1- 115", aboutVersionLine("Ver.:1, 0, 1, 115"));
    EXPECT_EQ("Kirunner Ver.:2.0-beta.3", aboutVersionLine("Ver.:2;0,beta;3"));
    EXPECT_EQ("Kirunner ", aboutVersionLine(""));
}

}  // namespace
