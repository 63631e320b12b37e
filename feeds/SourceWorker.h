#pragma once
// A data source's worker: a thread of its own that looks at the source, reads what it finds and
// hands each result to a callback. An http(s) source is looked at every REFRESH seconds; after
// a failed look the pause grows (REFRESH, twice, four times ... at most an hour, never less than
// REFRESH). A local file is looked at when its folder reports a change, and once a second where
// it cannot (many network shares), and read when its last-write time or size has changed.
//
// A failed look (unreachable, HTTP error, unparsable) is reported with its reason and changes
// nothing else: the captions of the last good look stay. Whatever a source sends can stop or
// slow only its own worker: answers and files are bounded, parsing is bounded, and stop() never
// waits for a look that hangs (it is left behind, as the watched file's reader leaves a read that
// does not return, and ends by its time-outs). A look that overruns its time is told by overran()
// for the source's row, and the next worker of the source waits for it to end.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "feeds/HttpFetch.h"
#include "feeds/SourceItems.h"
#include "model/SourceSettings.h"
#include "framework/UniqueHandle.h"

struct SourceReport {
    enum class Kind {
        Fresh,      // a good look: `items` (mode 0) or `cutIns` (mode 1) hold what it gave
        Unchanged,  // the server answered 304, nothing to change
        Failed,     // `reason` says why; what is on air stays
    };
    Kind kind = Kind::Failed;
    std::vector<SourceItem> items;     // mode 0: the source's captions now, at most MAXITEMS
    std::vector<std::wstring> cutIns;  // mode 1: texts that cut in now, oldest first; none at the baseline
    size_t entries = 0;                // entries the good look read (before MAXITEMS)
    std::wstring reason;
    std::wstring note;                 // Fresh: what the operator should know of it (FeedParse::note)
    int failures = 0;                  // failed looks in a row, this one included
};

// Called on the worker's thread. It must not wait for the thread that calls stop() (post to it,
// do not send): stop() waits for a callback under way to return.
using SourceCallback = std::function<void(const SourceReport&)>;

// Pauses of a worker; timingOf gives them from the settings, tests give shorter ones.
struct SourceTiming {
    DWORD refreshMs = 300000;
    DWORD longestPauseMs = 3600000;  // the longest pause after failures (at least refreshMs)
    DWORD fileFallbackMs = 1000;     // between looks at a local file without notifications
    DWORD lookLimitMs = 150000;      // a look still under way after this has overrun (past every
                                     // time-out of the fetch)
};

SourceTiming timingOf(const SourceSettings& settings);

// The pause before the next look of an http(s) source after `failures` failed looks in a row:
// the refresh time, then doubling from it, at most longestPauseMs (never below refreshMs).
DWORD pauseAfter(const SourceTiming& timing, int failures);

class SourceWorker {
public:
    // How long stop() waits for a look under way before leaving it behind.
    static constexpr DWORD kStopWaitMs = 500;

    SourceWorker(const SourceSettings& settings, const FetchOptions& options, const SourceTiming& timing,
                 SourceCallback callback);
    ~SourceWorker();
    SourceWorker(const SourceWorker&) = delete;
    SourceWorker& operator=(const SourceWorker&) = delete;

    // Starts the thread, which looks at once; or, given the thread of an earlier worker of the
    // same source that was left behind, once that thread has ended, so that a look that does
    // not end never has a second one beside it. False when it cannot be started or was stopped.
    bool start(HANDLE follows = nullptr);
    // Looks again now instead of at the end of the pause.
    void lookNow();
    // Ends the worker: no callback runs once this returns. Safe to call more than once.
    void stop();
    // After stop(): the thread when it was left behind still running (for the next worker of the
    // source to follow), else nothing.
    fw::KernelHandle takeLeftBehind() { return std::move(m_leftBehind); }
    // Whether a look (or the wait for the thread it follows) has been under way for longer than
    // the timing's lookLimitMs. Any thread.
    bool overran() const;

private:
    struct Shared;
    static unsigned __stdcall work(void* shared);
    static void release(Shared* shared);

    Shared* m_shared = nullptr;
    fw::KernelHandle m_thread;
    fw::KernelHandle m_leftBehind;
    bool m_stopped = false;
};
