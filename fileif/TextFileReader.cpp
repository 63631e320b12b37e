#include "fileif/TextFileReader.h"

#include <process.h>

#include <utility>

namespace {
enum class LookState { Idle, Asked, Running, Done };

class Lock {
public:
    explicit Lock(CRITICAL_SECTION& section) : m_section(section) { EnterCriticalSection(&m_section); }
    ~Lock() { LeaveCriticalSection(&m_section); }
    Lock(const Lock&) = delete;
    Lock& operator=(const Lock&) = delete;

private:
    CRITICAL_SECTION& m_section;
};
}  // namespace

// What the page and the worker share, on the heap and counted, so that a worker left behind
// by stop still finds it when its look returns.
struct TextFileReader::Shared {
    LONG references = 2;  // the reader and the worker
    CRITICAL_SECTION lock;
    fw::KernelHandle wake;  // set when there is a look to take or the worker is to end
    TextFileLookFunction look = nullptr;
    HWND target = nullptr;
    UINT doneMessage = 0;
    bool quit = false;
    LookState state = LookState::Idle;
    TextFileLook job;
};

TextFileReader::~TextFileReader() { stop(); }

void TextFileReader::setTarget(HWND target, UINT doneMessage) {
    m_target = target;
    m_doneMessage = doneMessage;
}

void TextFileReader::setLookFunction(TextFileLookFunction look) { m_look = look; }

void TextFileReader::release(Shared* shared) {
    if (InterlockedDecrement(&shared->references) != 0) return;
    DeleteCriticalSection(&shared->lock);
    delete shared;
}

unsigned __stdcall TextFileReader::work(void* parameter) {
    Shared* shared = static_cast<Shared*>(parameter);
    for (;;) {
        WaitForSingleObject(shared->wake.get(), INFINITE);
        TextFileLook job;
        {
            Lock lock(shared->lock);
            if (shared->quit) break;
            if (shared->state != LookState::Asked) continue;
            job = shared->job;
            shared->state = LookState::Running;
        }
        job.shown = shared->look(job.fileExec, job.filePath, job.watch, job.text);
        Lock lock(shared->lock);
        if (shared->quit) break;
        shared->job = std::move(job);
        shared->state = LookState::Done;
        PostMessageA(shared->target, shared->doneMessage, 0, 0);
    }
    release(shared);
    return 0;
}

bool TextFileReader::start(const TextFileLook& look) {
    if (m_stopped) return false;
    if (!m_shared) {
        Shared* shared = new Shared;
        InitializeCriticalSection(&shared->lock);
        shared->wake.reset(CreateEventA(nullptr, FALSE, FALSE, nullptr));
        shared->look = m_look;
        shared->target = m_target;
        shared->doneMessage = m_doneMessage;
        uintptr_t thread = shared->wake ? _beginthreadex(nullptr, 0, work, shared, 0, nullptr) : 0;
        if (!thread) {
            shared->references = 1;
            release(shared);
            return false;
        }
        m_shared = shared;
        m_thread.reset(reinterpret_cast<HANDLE>(thread));
    }
    {
        Lock lock(m_shared->lock);
        if (m_shared->state != LookState::Idle) return false;
        m_shared->job = look;
        m_shared->state = LookState::Asked;
    }
    SetEvent(m_shared->wake.get());
    return true;
}

bool TextFileReader::busy() const {
    if (!m_shared) return false;
    Lock lock(m_shared->lock);
    return m_shared->state != LookState::Idle;
}

bool TextFileReader::take(TextFileLook& look) {
    if (!m_shared) return false;
    Lock lock(m_shared->lock);
    if (m_shared->state != LookState::Done) return false;
    look = std::move(m_shared->job);
    m_shared->job = TextFileLook();
    m_shared->state = LookState::Idle;
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
