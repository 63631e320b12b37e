#include "feeds/SourceWorker.h"

#include <process.h>

#include <algorithm>
#include <atomic>
#include <memory>

#include "feeds/AlertWatch.h"
#include "feeds/FeedParser.h"
#include "feeds/LocalFile.h"
#include "framework/Lock.h"

// What the owner and the worker share, on the heap and counted, so that a worker left behind by
// stop() still finds it when its look returns.
struct SourceWorker::Shared {
    LONG references = 2;  // the owner and the worker
    SourceSettings settings;
    FetchOptions options;
    SourceTiming timing;
    SourceCallback callback;
    fw::KernelHandle wake;  // set to look now or to end
    fw::KernelHandle follows;  // an earlier worker's thread, left behind, to wait for
    std::atomic<bool> quit{false};
    std::atomic<ULONGLONG> busySince{0};  // when the look under way began; 0 between looks
    CRITICAL_SECTION callbackLock;  // held while the callback runs; stop() takes it once
};

namespace {
// The change notification of the folder that holds a local source.
class FolderNotice {
public:
    explicit FolderNotice(const std::wstring& filePath) {
        const size_t separator = filePath.find_last_of(L"\\/");
        const std::wstring folder = separator == std::wstring::npos ? std::wstring(L".") : filePath.substr(0, separator + 1);
        m_handle = FindFirstChangeNotificationW(folder.c_str(), FALSE,
                                                FILE_NOTIFY_CHANGE_LAST_WRITE | FILE_NOTIFY_CHANGE_SIZE | FILE_NOTIFY_CHANGE_FILE_NAME);
    }
    ~FolderNotice() { close(); }
    FolderNotice(const FolderNotice&) = delete;
    FolderNotice& operator=(const FolderNotice&) = delete;

    bool valid() const { return m_handle != INVALID_HANDLE_VALUE && m_handle != nullptr; }
    HANDLE get() const { return m_handle; }
    // Signals again at the next change; a notification that cannot is given up.
    void again() {
        if (valid() && !FindNextChangeNotification(m_handle)) close();
    }
    void close() {
        if (valid()) FindCloseChangeNotification(m_handle);
        m_handle = INVALID_HANDLE_VALUE;
    }

private:
    HANDLE m_handle = INVALID_HANDLE_VALUE;
};

// The worker's own state between looks.
class Looker {
public:
    explicit Looker(const SourceSettings& settings, const FetchOptions& options)
        : m_settings(settings), m_options(options), m_alerts(settings) {}

    // One look at an http(s) source.
    SourceReport lookAtServer(const std::atomic<bool>& quit) {
        if (!m_fetcher) m_fetcher.reset(new HttpFetcher(m_options));
        FetchResult fetched = m_fetcher->fetch(m_settings.url, m_validators, &quit);
        if (fetched.outcome == FetchOutcome::Fetched) {
            SourceReport report = read(fetched);
            // Only an answer that was read sets the next request's condition: an unreadable
            // one is asked for whole again.
            if (report.kind == SourceReport::Kind::Fresh) m_validators = fetched.validators;
            return report;
        }
        if (fetched.outcome == FetchOutcome::Unchanged) {
            m_failures = 0;
            SourceReport report;
            report.kind = SourceReport::Kind::Unchanged;
            return report;
        }
        return failure(fetched.reason);
    }

    // A look at a local file; false when there is nothing to report: the version was read
    // already, or a writer still holds the file and that was reported before.
    bool lookAtFile(SourceReport& report) {
        const FileVersion version = fileVersionOf(m_settings.url);
        if (m_haveVersion && version == m_version) return false;
        const FetchResult fetched = readLocalSource(m_settings.url, m_options.maxBytes);
        if (fetched.held && version.exists) {
            // Held by a writer (or not readable now): the same version is tried at the next look.
            report = failure(fetched.reason);
            return report.failures == 1;
        }
        m_version = version;
        m_haveVersion = true;
        report = fetched.outcome == FetchOutcome::Fetched ? read(fetched) : failure(fetched.reason);
        return true;
    }

    int failures() const { return m_failures; }

private:
    SourceReport read(const FetchResult& fetched) {
        const FeedParse parse = parseFeed(fetched.bytes, fetched.contentType, m_settings.format, m_settings.field);
        if (!parse.ok) return failure(parse.reason);
        m_failures = 0;
        SourceReport report;
        report.kind = SourceReport::Kind::Fresh;
        report.entries = parse.entries.size();
        report.note = parse.note;
        if (m_settings.mode == SourceMode::Cycle) {
            report.items = cycleItems(parse.entries, m_settings);
        } else {
            for (const FeedEntry& entry : m_alerts.look(parse.entries)) report.cutIns.push_back(cutInText(entry, m_settings));
        }
        return report;
    }

    SourceReport failure(const std::wstring& reason) {
        SourceReport report;
        report.kind = SourceReport::Kind::Failed;
        report.reason = reason;
        report.failures = ++m_failures;
        return report;
    }

    const SourceSettings& m_settings;
    const FetchOptions& m_options;
    std::unique_ptr<HttpFetcher> m_fetcher;
    FetchValidators m_validators;
    AlertWatch m_alerts;
    FileVersion m_version;
    bool m_haveVersion = false;
    int m_failures = 0;
};

// Marks the time from its making to its end as a look under way.
class BusyMark {
public:
    explicit BusyMark(std::atomic<ULONGLONG>& since) : m_since(since) { m_since = GetTickCount64(); }
    ~BusyMark() { m_since = 0; }
    BusyMark(const BusyMark&) = delete;
    BusyMark& operator=(const BusyMark&) = delete;

private:
    std::atomic<ULONGLONG>& m_since;
};

// Waits until `thread` ends or the worker is told to end; true when it ended.
bool waitForThread(HANDLE thread, HANDLE wake, const std::atomic<bool>& quit) {
    const HANDLE handles[2] = {thread, wake};
    while (!quit.load()) {
        const DWORD waited = WaitForMultipleObjects(2, handles, FALSE, INFINITE);
        if (waited == WAIT_OBJECT_0) return true;
        if (waited != WAIT_OBJECT_0 + 1) return false;  // a handle went bad: never look beside it
    }
    return false;
}

void deliver(CRITICAL_SECTION& lock, const std::atomic<bool>& quit, const SourceCallback& callback,
             const SourceReport& report) {
    fw::Lock held(lock);
    if (quit.load() || !callback) return;
    try {
        callback(report);
    } catch (...) {
        // The callback's own failure ends nothing here.
    }
}
}  // namespace

SourceTiming timingOf(const SourceSettings& settings) {
    SourceTiming timing;
    const int seconds = std::max(settings.refreshSeconds, SourceSettings::kMinRefreshSeconds);
    timing.refreshMs = static_cast<DWORD>(seconds) * 1000;
    timing.longestPauseMs = std::max<DWORD>(timing.refreshMs, 3600000);
    return timing;
}

DWORD pauseAfter(const SourceTiming& timing, int failures) {
    const DWORD longest = std::max(timing.longestPauseMs, timing.refreshMs);
    DWORD pause = timing.refreshMs;
    for (int i = 1; i < failures && pause < longest; ++i) pause = pause > longest / 2 ? longest : pause * 2;
    return std::min(pause, longest);
}

SourceWorker::SourceWorker(const SourceSettings& settings, const FetchOptions& options, const SourceTiming& timing,
                           SourceCallback callback) {
    m_shared = new Shared;
    m_shared->settings = settings;
    boundSourceSettings(m_shared->settings);
    m_shared->options = options;
    m_shared->timing = timing;
    m_shared->callback = std::move(callback);
    InitializeCriticalSection(&m_shared->callbackLock);
}

SourceWorker::~SourceWorker() {
    stop();
    if (m_shared) {  // never started: the worker's reference was never taken
        m_shared->references = 1;
        release(m_shared);
    }
}

void SourceWorker::release(Shared* shared) {
    if (InterlockedDecrement(&shared->references) != 0) return;
    DeleteCriticalSection(&shared->callbackLock);
    delete shared;
}

unsigned __stdcall SourceWorker::work(void* parameter) {
    Shared* shared = static_cast<Shared*>(parameter);
    try {
        // Not ready when told to end while the earlier look still ran.
        bool ready = true;
        if (shared->follows) {
            BusyMark waiting(shared->busySince);
            ready = waitForThread(shared->follows.get(), shared->wake.get(), shared->quit);
        }
        Looker looker(shared->settings, shared->options);
        if (ready && isHttpUrl(shared->settings.url)) {
            while (!shared->quit.load()) {
                SourceReport report;
                {
                    BusyMark looking(shared->busySince);
                    report = looker.lookAtServer(shared->quit);
                }
                deliver(shared->callbackLock, shared->quit, shared->callback, report);
                WaitForSingleObject(shared->wake.get(), pauseAfter(shared->timing, looker.failures()));
            }
        } else if (ready) {
            FolderNotice notice(shared->settings.url);
            while (!shared->quit.load()) {
                SourceReport report;
                bool fresh = false;
                {
                    BusyMark looking(shared->busySince);
                    fresh = looker.lookAtFile(report);
                }
                if (fresh) deliver(shared->callbackLock, shared->quit, shared->callback, report);
                const HANDLE handles[2] = {shared->wake.get(), notice.get()};
                if (WaitForMultipleObjects(notice.valid() ? 2 : 1, handles, FALSE, shared->timing.fileFallbackMs) ==
                    WAIT_OBJECT_0 + 1)
                    notice.again();
            }
        }
    } catch (...) {
        // Out of memory on this thread: the source stops looking; the program goes on.
    }
    release(shared);
    return 0;
}

bool SourceWorker::start(HANDLE follows) {
    if (m_stopped || m_thread || !m_shared) return false;
    m_shared->wake.reset(CreateEventW(nullptr, FALSE, FALSE, nullptr));
    if (!m_shared->wake) return false;
    if (follows && WaitForSingleObject(follows, 0) == WAIT_TIMEOUT) {
        HANDLE copy = nullptr;
        if (!DuplicateHandle(GetCurrentProcess(), follows, GetCurrentProcess(), &copy, SYNCHRONIZE, FALSE, 0)) return false;
        m_shared->follows.reset(copy);
    }
    const uintptr_t thread = _beginthreadex(nullptr, 0, work, m_shared, 0, nullptr);
    if (!thread) return false;
    m_thread.reset(reinterpret_cast<HANDLE>(thread));
    return true;
}

void SourceWorker::lookNow() {
    if (m_shared && m_thread) SetEvent(m_shared->wake.get());
}

void SourceWorker::stop() {
    m_stopped = true;
    if (!m_shared || !m_thread) return;
    m_shared->quit = true;
    SetEvent(m_shared->wake.get());
    { fw::Lock waitForCallback(m_shared->callbackLock); }
    if (WaitForSingleObject(m_thread.get(), kStopWaitMs) == WAIT_TIMEOUT) m_leftBehind = std::move(m_thread);
    m_thread.reset();
    release(m_shared);
    m_shared = nullptr;
}

bool SourceWorker::overran() const {
    if (!m_shared) return false;
    const ULONGLONG since = m_shared->busySince.load();
    return since != 0 && GetTickCount64() - since > m_shared->timing.lookLimitMs;
}
