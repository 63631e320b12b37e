#include "fileif/TextFileReader.h"

#include <process.h>

#include <algorithm>
#include <utility>

#include "fileif/FolderWatch.h"
#include "framework/Lock.h"

namespace {
using fw::Lock;
enum class LookState { Idle, Asked, Running, Done };

// Milliseconds from `now` until `periodMs` have passed since `since` (0 when they have).
DWORD msUntil(DWORD since, DWORD periodMs, DWORD now) {
    const DWORD passed = now - since;
    return passed >= periodMs ? 0 : periodMs - passed;
}

// The look moved the baseline (the file was read, or a first baseline taken): the page must
// have it, or its next look would read the same version again.
bool baselineMoved(const TextFileWatch& before, const TextFileWatch& after) {
    if (before.lastFileDataValid != after.lastFileDataValid) return true;
    return after.lastFileDataValid && isNewVersion(after.lastFileData, before.lastFileData);
}
}  // namespace

// What the page and the worker share, on the heap and counted, so that a worker left behind
// by stop still finds it when its look returns.
struct TextFileReader::Shared {
    LONG references = 2;  // the reader and the worker
    CRITICAL_SECTION lock;
    fw::KernelHandle wake;  // set when there is a look to take or the worker is to end
    TextFileLookFunction look = nullptr;
    std::function<void()> announce;  // called under the lock, never after quit
    bool quit = false;
    LookState state = LookState::Idle;
    TextFileLook job;
    TextFileLook watched;      // the file the notification is for, with the latest baseline
    bool watchedMoved = false; // watch() named another file: the notification is opened anew
    bool folderWatched = false;
    bool changeWaiting = false;  // a change came while a result waited to be taken
};

TextFileReader::~TextFileReader() { stop(); }

void TextFileReader::setAnnounce(std::function<void()> announce) {
    m_announce = announce;
    if (!m_shared) return;
    // The worker may already run for the folder notification.
    Lock lock(m_shared->lock);
    m_shared->announce = std::move(announce);
}

void TextFileReader::setLookFunction(TextFileLookFunction look) {
    m_look = look;
    if (!m_shared) return;
    Lock lock(m_shared->lock);
    m_shared->look = look;
}

void TextFileReader::release(Shared* shared) {
    if (InterlockedDecrement(&shared->references) != 0) return;
    DeleteCriticalSection(&shared->lock);
    delete shared;
}

unsigned __stdcall TextFileReader::work(void* parameter) {
    Shared* shared = static_cast<Shared*>(parameter);
    FolderWatch folder;
    int retriesLeft = 0;
    DWORD retryMs = kFirstRetryMs;
    bool pausing = false;  // a pause before the next retry has begun, at pauseStart
    DWORD pauseStart = 0;
    DWORD lastCheck = GetTickCount();
    for (;;) {
        DWORD now = GetTickCount();
        if (retriesLeft > 0 && !pausing) {
            pausing = true;
            pauseStart = now;
        }
        DWORD timeout = retriesLeft > 0 ? msUntil(pauseStart, retryMs, now) : INFINITE;
        if (folder.wanted()) timeout = std::min(timeout, msUntil(lastCheck, FolderWatch::kCheckMs, now));
        const HANDLE handles[2] = {shared->wake.get(), folder.handle()};
        const DWORD waited = WaitForMultipleObjects(folder.armed() ? 2 : 1, handles, FALSE, timeout);
        now = GetTickCount();
        bool changed = false;
        // The folder is looked at once a second, and after each change it reports (its own
        // deletion among them, where the system reports that).
        bool checkFolder = folder.wanted() && msUntil(lastCheck, FolderWatch::kCheckMs, now) == 0;
        if (waited == WAIT_OBJECT_0 + 1) {
            folder.again();
            checkFolder = true;
            changed = true;
            retriesLeft = kRetries;
            retryMs = kFirstRetryMs;
            pausing = false;
        } else if (waited == WAIT_FAILED) {
            folder.drop();  // the page's looks go on; the next check arms it again
        } else if (retriesLeft > 0 && msUntil(pauseStart, retryMs, now) == 0) {
            changed = true;
            --retriesLeft;
            retryMs *= 2;
            pausing = false;
        }
        // A folder gone, replaced or come back: saves made while it was not armed were never
        // reported, so the file is looked at as after a change.
        if (checkFolder) {
            lastCheck = now;
            if (folder.check()) changed = true;
        }

        TextFileLook job;
        TextFileLookFunction look = nullptr;
        bool asked = false;
        bool reopen = false;
        {
            Lock lock(shared->lock);
            if (shared->quit) break;
            if (shared->watchedMoved) {
                shared->watchedMoved = false;
                reopen = true;
                job = shared->watched;
            }
        }
        if (reopen) {
            folder.open(job.fileExec != 0, job.filePath);  // may take long on a slow share: outside the lock
            lastCheck = GetTickCount();
            retriesLeft = 0;
            pausing = false;
        }
        {
            Lock lock(shared->lock);
            if (shared->quit) break;
            shared->folderWatched = folder.armed() && !shared->watchedMoved;
            const bool lookForChange = changed || shared->changeWaiting;
            if (shared->state == LookState::Asked) {
                job = shared->job;
                asked = true;
            } else if (lookForChange && shared->state == LookState::Idle && shared->watched.fileExec != 0 &&
                       shared->watched.watch.lastFileDataValid) {
                // Only the page's look takes the first baseline, as it always has.
                job = shared->watched;
                shared->changeWaiting = false;
            } else {
                if (changed && shared->state != LookState::Idle) shared->changeWaiting = true;
                continue;
            }
            shared->state = LookState::Running;
            look = shared->look;
        }

        const TextFileWatch before = job.watch;
        job.shown = look(job.fileExec, job.filePath, job.watch, job.text);
        Lock lock(shared->lock);
        if (shared->quit) break;
        if (job.ticket == shared->watched.ticket) shared->watched.watch = job.watch;
        if (job.shown) retriesLeft = 0;
        if (!asked && !job.shown && !baselineMoved(before, job.watch)) {
            shared->state = LookState::Idle;  // nothing new: the page hears nothing
            continue;
        }
        shared->job = std::move(job);
        shared->state = LookState::Done;
        if (shared->announce) shared->announce();
    }
    release(shared);
    return 0;
}

bool TextFileReader::startWorker() {
    if (m_stopped) return false;
    if (m_shared) return true;
    Shared* shared = new Shared;
    InitializeCriticalSection(&shared->lock);
    shared->wake.reset(CreateEventA(nullptr, FALSE, FALSE, nullptr));
    shared->look = m_look;
    shared->announce = m_announce;
    uintptr_t thread = shared->wake ? _beginthreadex(nullptr, 0, work, shared, 0, nullptr) : 0;
    if (!thread) {
        shared->references = 1;
        release(shared);
        return false;
    }
    m_shared = shared;
    m_thread.reset(reinterpret_cast<HANDLE>(thread));
    return true;
}

bool TextFileReader::start(const TextFileLook& look) {
    if (!startWorker()) return false;
    {
        Lock lock(m_shared->lock);
        if (m_shared->state != LookState::Idle) return false;
        m_shared->job = look;
        m_shared->state = LookState::Asked;
    }
    SetEvent(m_shared->wake.get());
    return true;
}

void TextFileReader::watch(const TextFileLook& look) {
    if (!startWorker()) return;
    {
        Lock lock(m_shared->lock);
        m_shared->watched = look;
        m_shared->watched.text.clear();
        m_shared->watchedMoved = true;
        m_shared->folderWatched = false;
        m_shared->changeWaiting = false;
    }
    SetEvent(m_shared->wake.get());
}

bool TextFileReader::folderWatched() const {
    if (!m_shared) return false;
    Lock lock(m_shared->lock);
    return m_shared->folderWatched;
}

bool TextFileReader::busy() const {
    if (!m_shared) return false;
    Lock lock(m_shared->lock);
    return m_shared->state != LookState::Idle;
}

bool TextFileReader::take(TextFileLook& look) {
    if (!m_shared) return false;
    bool changeWaiting = false;
    {
        Lock lock(m_shared->lock);
        if (m_shared->state != LookState::Done) return false;
        look = std::move(m_shared->job);
        m_shared->job = TextFileLook();
        m_shared->state = LookState::Idle;
        changeWaiting = m_shared->changeWaiting;
    }
    if (changeWaiting) SetEvent(m_shared->wake.get());  // the change is looked at now
    return true;
}

void TextFileReader::stop() {
    m_stopped = true;
    if (!m_shared) return;
    {
        Lock lock(m_shared->lock);
        m_shared->quit = true;
    }
    SetEvent(m_shared->wake.get());
    WaitForSingleObject(m_thread.get(), kStopWaitMs);
    m_thread.reset();
    release(m_shared);
    m_shared = nullptr;
}
