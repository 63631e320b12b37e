#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>

#include "TempDir.h"
#include "framework/FolderIdentity.h"
#include "framework/Mbcs.h"
#include "framework/WideText.h"

using namespace testing_support;

namespace {

TEST(FolderIdentity, EveryPathToAFolderGivesItsVolumeSerialAndFileIndex) {
    TempDir dir;
    const std::string folder = dir.file("sub");
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    WriteFileBytes(dir.file("file"), "x");
    std::string identity, other;
    ASSERT_TRUE(fw::FolderIdentity(fw::WideFromCodePage932(folder), identity));
    EXPECT_TRUE(identity.size() == 25 && identity[8] == '-' &&
                (identity.substr(0, 8) + identity.substr(9)).find_first_not_of("0123456789ABCDEF") == std::string::npos)
        << identity;
    DWORD serial = 0;
    ASSERT_TRUE(GetVolumeInformationA(dir.path().substr(0, 3).c_str(), nullptr, 0, &serial, nullptr, nullptr, nullptr, 0));
    EXPECT_EQ(serial, std::strtoul(identity.substr(0, 8).c_str(), nullptr, 16)) << identity;

    const struct {
        std::string path;
        bool same;
    } cases[] = {{fw::UpperAscii(folder), true}, {PathByDriveZ(folder), true}, {folder + "\\", true}, {dir.path(), false}};
    for (const auto& c : cases) {
        EXPECT_TRUE(fw::FolderIdentity(fw::WideFromCodePage932(c.path), other)) << c.path;
        EXPECT_EQ(c.same, other == identity) << c.path;
    }
    for (const std::string& path : {dir.file("missing"), dir.file("file")})
        EXPECT_FALSE(fw::FolderIdentity(fw::WideFromCodePage932(path), other)) << path << " is no folder";

    // A folder whose name code page 932 cannot hold has an identity of its own.
    const std::wstring named = dir.wideFile(L"Z\u00fcrich-\ud55c\uad6d");
    ASSERT_TRUE(CreateDirectoryW(named.c_str(), nullptr));
    EXPECT_TRUE(fw::FolderIdentity(named, other));
    EXPECT_NE(identity, other);
}

}  // namespace
