// The file reader: what its sharing lets others do meanwhile, and how it fails.
#include <gtest/gtest.h>

#include "framework/FileBytes.h"
#include "framework/WideText.h"
#include "tests/support/HeldFile.h"
#include "tests/support/TempDir.h"

using fw::FileBytesResult;
using fw::FileSharing;
using testing_support::HeldFile;
using testing_support::TempDir;

namespace {
const DWORD kNoHold = 0;
const DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

struct Case {
    const char* name;
    const char* file;  // in a folder that holds "ten.txt" and the folder "sub"
    FileSharing sharing;
    DWORD holdAccess, holdShare;  // another handle's hold on the file while it is read
    size_t maxBytes;
    FileBytesResult result;
    const char* bytes;
};

const Case kCases[] = {
    {"alone", "ten.txt", FileSharing::NoWriters, kNoHold, 0, 100, FileBytesResult::Read, "0123456789"},
    {"cut at the limit", "ten.txt", FileSharing::Writers, kNoHold, 0, 4, FileBytesResult::Read, "0123"},
    {"a writer kept out", "ten.txt", FileSharing::NoWriters, GENERIC_WRITE, kShareAll, 100, FileBytesResult::CouldNotOpen, ""},
    {"a writer let in", "ten.txt", FileSharing::Writers, GENERIC_WRITE, kShareAll, 100, FileBytesResult::Read, "0123456789"},
    {"a holder sharing nothing", "ten.txt", FileSharing::Writers, GENERIC_READ, 0, 100, FileBytesResult::CouldNotOpen, ""},
    {"no such file", "none.txt", FileSharing::Writers, kNoHold, 0, 100, FileBytesResult::Missing, ""},
    {"a folder", "sub", FileSharing::NoWriters, kNoHold, 0, 100, FileBytesResult::CouldNotOpen, ""},
};
}  // namespace

TEST(FileBytes, SharingAndFailures) {
    TempDir dir;
    ASSERT_TRUE(testing_support::WriteFileBytes(dir.file("ten.txt"), "0123456789"));
    ASSERT_TRUE(CreateDirectoryA(dir.file("sub").c_str(), nullptr));
    for (const Case& c : kCases) {
        const std::string path = dir.file(c.file);
        HeldFile hold(c.holdAccess == kNoHold ? std::string() : path, c.holdAccess, c.holdShare);
        std::string bytes = "left over";
        EXPECT_EQ(c.result, fw::ReadFileStart(fw::WideFromCodePage932(path), c.sharing, c.maxBytes, bytes)) << c.name;
        EXPECT_EQ(c.bytes, bytes) << c.name;
    }
}
