// The import's read of a CSV file when memory runs out at any one of its allocations. A program
// of its own: its allocator refuses the allocation it is told to.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "framework/TextCodec.h"
#include "framework/WideText.h"
#include "model/CaptionCsvFile.h"
#include "tests/support/TempDir.h"

namespace {
int g_largeUntilRefusal = 0;  // above 0: the allocation of 16 KiB or more that brings it to 0 fails
bool g_refused = false;
}  // namespace

void* operator new(std::size_t size) {
    if (g_largeUntilRefusal > 0 && size >= 16 * 1024 && --g_largeUntilRefusal == 0) {
        g_refused = true;
        throw std::bad_alloc();
    }
    if (void* block = std::malloc(size ? size : 1)) return block;
    throw std::bad_alloc();
}

TEST(CaptionCsvFile, AnAllocationThatFailsIsToldAndReadsNothing) {
    testing_support::TempDir dir;
    std::wstring text = L"\xFEFFテキスト,分\r\n";
    for (int row = 0; row < 3000; ++row) text += L"お知らせ " + std::to_wstring(row) + L",5\r\n";
    const std::wstring path = fw::WideFromCodePage932(dir.file("list.csv"));
    ASSERT_TRUE(testing_support::WriteFileBytes(path, fw::Narrow(text, CP_UTF8)));
    int refusals = 0;
    for (bool refused = true; refused && refusals < 100;) {
        CaptionCsvImport read;
        g_refused = false;
        g_largeUntilRefusal = refusals + 1;
        const CaptionCsvFileRead result = readCaptionCsvFile(path, kMaxCaptionCsvBytes, read);
        g_largeUntilRefusal = 0;
        refused = g_refused;
        refusals += refused ? 1 : 0;
        EXPECT_EQ(refused ? CaptionCsvFileRead::NoMemory : CaptionCsvFileRead::Read, result) << refusals;
        EXPECT_EQ(refused ? 0u : 3000u, read.items.size()) << refusals;
    }
    EXPECT_GE(refusals, 4);  // the bytes, their text and the rows take one at least each
}
