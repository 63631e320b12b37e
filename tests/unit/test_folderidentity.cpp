#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <cstring>

#include "TempDir.h"
#include "framework/FolderIdentity.h"
#include "framework/Mbcs.h"

using namespace testing_support;

namespace {

TEST(FolderIdentity, IsTheVolumeSerialThenTheFileIndexInUpperCaseHex) {
    TempDir dir;
    std::string identity;
    ASSERT_TRUE(fw::FolderIdentity(dir.path(), identity));
    ASSERT_EQ(25u, identity.size()) << identity;
    for (size_t i = 0; i < identity.size(); ++i)
        EXPECT_TRUE(i == 8 ? identity[i] == '-' : std::strchr("0123456789ABCDEF", identity[i]) != nullptr) << identity;
    DWORD serial = 0;
    ASSERT_TRUE(GetVolumeInformationA(dir.path().substr(0, 3).c_str(), nullptr, 0, &serial, nullptr, nullptr, nullptr, 0));
    char digits[16];
    std::snprintf(digits, sizeof digits, "%08lX", static_cast<unsigned long>(serial));
    EXPECT_EQ(digits, identity.substr(0, 8));
}

TEST(FolderIdentity, EveryPathToAFolderGivesItsIdentityAndNoOtherPathDoes) {
    TempDir dir;
    ASSERT_TRUE(CreateDirectoryA(dir.file("\x83\x67").c_str(), nullptr));  // "ト"
    ASSERT_TRUE(CreateDirectoryA(dir.file("\x83\x47").c_str(), nullptr));  // "エ": upper-cased "ト" when folded bytewise
    WriteFileBytes(dir.file("file"), "x");
    std::string folder, other;
    ASSERT_TRUE(fw::FolderIdentity(dir.file("\x83\x67"), folder));
    ASSERT_FALSE(PathByDriveZ(dir.path()).empty());
    for (const std::string& path : {fw::UpperAscii(dir.file("\x83\x67")), PathByDriveZ(dir.file("\x83\x67")),
                                    dir.file("\x83\x67\\")}) {
        EXPECT_TRUE(fw::FolderIdentity(path, other)) << path;
        EXPECT_EQ(folder, other) << path;
    }
    for (const std::string& path : {dir.file("\x83\x47"), dir.path()}) {
        EXPECT_TRUE(fw::FolderIdentity(path, other)) << path;
        EXPECT_NE(folder, other) << path;
    }
    for (const std::string& path : {dir.file("missing"), dir.file("file")})
        EXPECT_FALSE(fw::FolderIdentity(path, other)) << path << ": no folder";
}

}  // namespace
