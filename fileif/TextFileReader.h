#pragma once
// The look at the watched file, taken on a worker thread so that a path on an unreachable
// share, a slow device or a read that never returns holds up only the worker, never the
// strip or the dialogs. One look at a time: the page starts one, the worker announces when it
// is done (through the program's one queue to its thread), and the result is taken there.
//
// Between the page's looks the worker also waits on a change notification of the watched
// file's folder. When it fires, the worker looks at once with the baseline of the last look
// (so a save is taken once, by whichever look comes first), then again after short pauses while
// the look finds nothing new (a writer that still holds the file), and reports a look that
// found a new version the same way. A folder that cannot notify leaves the page's looks alone.
// The notification is kept armed while the file is watched (FolderWatch): opened again when it
// fails, when its folder is deleted or replaced and comes back, and when a folder that was
// missing appears, with a look then for what changed in between.
#include <windows.h>

#include <functional>
#include <string>

#include "fileif/TextFileWatch.h"
#include "framework/UniqueHandle.h"

// One look: what it needs going in, what it found coming out.
struct TextFileLook {
    int fileExec = 0;
    std::wstring filePath;
    TextFileWatch watch;   // the baseline going in; the baseline as the look left it coming out
    std::wstring text;     // the text to put on air (when `shown`)
    bool shown = false;
    unsigned ticket = 0;   // the caller's mark, handed back unchanged
};

// How one look is taken; checkTextFile, or a stand-in in tests.
using TextFileLookFunction = bool (*)(int fileExec, const std::wstring& filePath, TextFileWatch& watch,
                                      std::wstring& text);

class TextFileReader {
public:
    // How long stop waits for a look that is under way before it leaves the worker behind.
    static constexpr DWORD kStopWaitMs = 500;
    // After a notification: looks again after 10, 20, 40 ... ms while nothing new was read.
    static constexpr DWORD kFirstRetryMs = 10;
    static constexpr int kRetries = 7;

    TextFileReader() = default;
    ~TextFileReader();
    TextFileReader(const TextFileReader&) = delete;
    TextFileReader& operator=(const TextFileReader&) = delete;

    // How the end of a look is announced (called on the worker, never after stop), and how a
    // look is taken; the next look of a worker already running (for the folder notification)
    // follows them.
    void setAnnounce(std::function<void()> announce);
    void setLookFunction(TextFileLookFunction look);

    // Hands a look to the worker (started with the first one). False while a look is under
    // way or its result has not been taken, after stop, or when no worker could be started.
    bool start(const TextFileLook& look);
    // Which file the notification watches: the look's switch, path, ticket and baseline (a
    // switch of 0 or an empty path watches none). Called when they change; the worker then
    // opens the notification for the new folder.
    void watch(const TextFileLook& look);
    // The worker holds an armed notification for the file last given to watch().
    bool folderWatched() const;
    bool workerStarted() const { return m_shared != nullptr; }
    // A look is under way or its result waits to be taken.
    bool busy() const;
    // The finished look, if there is one; the reader is then free for the next.
    bool take(TextFileLook& look);

    // Ends the worker. A look that is under way gets kStopWaitMs to finish; one held longer
    // (an open or a read that does not return) is left behind and announces nothing: the
    // worker's data is its own, freed by whichever of the two lets go last.
    void stop();

private:
    struct Shared;
    static unsigned __stdcall work(void* shared);
    static void release(Shared* shared);
    bool startWorker();

    Shared* m_shared = nullptr;
    fw::KernelHandle m_thread;
    std::function<void()> m_announce;
    TextFileLookFunction m_look = checkTextFile;
    bool m_stopped = false;
};
