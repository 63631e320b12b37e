// The reader's worker takes a save as soon as the watched file's folder reports it, with no
// look started by the page (its once-a-second timer is not running here).
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "HeldFileMirror.h"
#include "KirunnerProcess.h"
#include "TempDir.h"
#include "fileif/TextFileReader.h"
#include "framework/Mbcs.h"
#include "framework/WideText.h"

using testing_support::HeldFileMirror;
using testing_support::TempDir;
using testing_support::WaitUntil;
using testing_support::WriteFileBytes;

namespace {

class FolderNotice : public ::testing::Test {
protected:
    // The file as the page hands it over: switched on, with a baseline taken.
    TextFileLook Watched(const std::string& file, int fileExec = 1) { return Watched(fw::WideFromCodePage932(file), fileExec); }
    TextFileLook Watched(const std::wstring& file, int fileExec = 1) {
        TextFileLook look;
        look.fileExec = fileExec;
        look.filePath = file;
        look.ticket = 7;
        std::wstring text;
        checkTextFile(1, look.filePath, look.watch, text);
        return look;
    }
    // A look of the page's, taken to its end; the worker may be busy with one of its own.
    TextFileLook PageLook(const TextFileLook& look) {
        TextFileLook found;
        EXPECT_TRUE(WaitUntil([&] { return reader.take(found) || reader.start(look); }, 5000, 5));
        EXPECT_TRUE(WaitUntil([&] { return reader.take(found); }, 5000, 5));
        return found;
    }
    // A save of `file` is read by the worker on its own and reported once.
    void ExpectSaveReadOnce(const std::wstring& file) {
        ASSERT_TRUE(WriteFileBytes(file, "first"));
        reader.watch(Watched(file));
        ASSERT_TRUE(WaitUntil([&] { return reader.folderWatched(); }, 5000, 5));

        ASSERT_TRUE(WriteFileBytes(file, "second save"));
        TextFileLook found;
        ASSERT_TRUE(WaitUntil([&] { return reader.take(found); }, 5000, 5));
        EXPECT_TRUE(found.shown);
        EXPECT_EQ(L"second save", found.text);
        EXPECT_EQ(7u, found.ticket);
        // The page's next look starts from the baseline it was handed: the save is not shown again.
        EXPECT_FALSE(PageLook(found).shown);
    }

    TempDir dir;
    std::string path = dir.file("news.txt");
    TextFileReader reader;
};

TEST_F(FolderNotice, ASaveIsReadAndReportedOnceWithoutALookOfThePage) { ExpectSaveReadOnce(fw::WideFromCodePage932(path)); }

TEST_F(FolderNotice, ASaveInAFolderWhoseNameCodePage932CannotHoldIsReadOnceToo) {
    const std::wstring folder = dir.wideFile(L"Z\u00fcrich-\ud55c\uad6d");
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    ExpectSaveReadOnce(folder + L"\\news.txt");
}

TEST_F(FolderNotice, SwitchedOffOrAFolderThatCannotNotifyLeavesOnlyThePagesLooks) {
    ASSERT_TRUE(WriteFileBytes(path, "first"));
    const TextFileLook missing = Watched(dir.file("gone\\news.txt"));
    const TextFileLook off = Watched(path, 0);
    for (const TextFileLook& look : {missing, off}) {
        SCOPED_TRACE(fw::CodePage932FromWide(look.filePath) + (look.fileExec ? " on" : " off"));
        reader.watch(Watched(path));
        ASSERT_TRUE(WaitUntil([&] { return reader.folderWatched(); }, 5000, 5));
        reader.watch(look);
        PageLook(look);  // the worker has taken the new file before this look
        EXPECT_FALSE(reader.folderWatched());

        ASSERT_TRUE(WriteFileBytes(path, "saved " + fw::CodePage932FromWide(look.filePath)));
        TextFileLook found;
        EXPECT_FALSE(WaitUntil([&] { return reader.take(found); }, 300, 5));
    }
}

// A folder deleted and created again (as a sync tool or a script does: moved out of the way,
// then removed) and a folder that is missing when watching starts: once a folder is there, its
// saves are reported again without a look of the page, the second of them by the notification
// alone. The page's looks go on meanwhile.
TEST_F(FolderNotice, AFolderCreatedAgainOrOnlyLaterIsWatchedAgainOnceItIsThere) {
    for (const bool thereAtStart : {true, false}) {
        SCOPED_TRACE(thereAtStart ? "deleted and created again" : "missing at start");
        const std::wstring folder = dir.wideFile(thereAtStart ? L"again" : L"later");
        const std::wstring file = folder + L"\\news.txt";
        if (thereAtStart) {
            ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
            ASSERT_TRUE(WriteFileBytes(file, "first"));
        }
        const TextFileLook look = Watched(file);
        reader.watch(look);
        EXPECT_EQ(thereAtStart, WaitUntil([&] { return reader.folderWatched(); }, 2000, 5));
        if (thereAtStart) {
            const std::wstring away = folder + L".old";
            ASSERT_TRUE(DeleteFileW(file.c_str()));
            ASSERT_TRUE(MoveFileW(folder.c_str(), away.c_str()));
            ASSERT_TRUE(RemoveDirectoryW(away.c_str()));
        }
        EXPECT_FALSE(PageLook(look).shown) << "the page's look goes on without the folder";
        ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
        for (const char* text : {"saved in the folder that came", "saved again"}) {
            ASSERT_TRUE(WriteFileBytes(file, text));
            TextFileLook found;
            ASSERT_TRUE(WaitUntil([&] { return reader.take(found); }, 5000, 5)) << text;
            EXPECT_TRUE(found.shown);
            EXPECT_EQ(fw::WideFromCodePage932(text), found.text);
        }
        EXPECT_TRUE(reader.folderWatched());
    }
}

// A save that lands while a read is under way: the entry looked at before the read is the older
// version's, the bytes read are the newer one's, cut to the older size. The newer version is
// read whole and taken as the baseline, so the next look does not show it a second time.
TEST(SaveDuringARead, TheVersionReadWholeBecomesTheBaselineAndIsShownOnce) {
    HeldFileMirror mirror;
    if (!mirror.unavailable().empty()) GTEST_SKIP() << "no FUSE mirror: " << mirror.unavailable();
    const std::string name = "2s-saved-during-read.txt";
    const std::string backing = mirror.backing(name);
    ASSERT_TRUE(WriteFileBytes(backing, "baseline"));
    TextFileLook look;
    look.fileExec = 1;
    look.filePath = fw::WideFromCodePage932(mirror.shown(name));
    std::wstring text;
    checkTextFile(1, look.filePath, look.watch, text);

    ASSERT_TRUE(WriteFileBytes(backing, "first version"));
    TextFileReader reader;
    ASSERT_TRUE(reader.start(look));
    ASSERT_TRUE(WaitUntil([&] { return mirror.holds(name) == 1; }, 5000, 5));
    ASSERT_TRUE(WriteFileBytes(backing, "the version saved during the read"));

    TextFileLook found;
    ASSERT_TRUE(WaitUntil([&] { return reader.take(found); }, 15000, 5));
    EXPECT_TRUE(found.shown);
    EXPECT_EQ(L"the version saved during the read", found.text);
    EXPECT_FALSE(checkTextFile(1, look.filePath, found.watch, text)) << fw::CodePage932FromWide(text);
    DeleteFileA(backing.c_str());
}

}  // namespace
