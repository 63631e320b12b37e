#include "framework/UiQueue.h"

#include <algorithm>
#include <utility>

#include "framework/Lock.h"
#include "framework/WindowMessages.h"

namespace fw {
namespace {
const char kQueueClass[] = "KirunnerUiQueue";
const UINT kRunMessage = messages::kQueueRun;
const UINT_PTR kResumeTimer = 1;
const UINT_PTR kDelayTimer = 2;
const UINT kResumeMs = 1;
}  // namespace

UiQueue::UiQueue() { InitializeCriticalSection(&m_lock); }

UiQueue::~UiQueue() {
    destroy();
    DeleteCriticalSection(&m_lock);
}

bool UiQueue::create() {
    {
        Lock lock(m_lock);
        m_closed = false;
    }
    const RECT none{0, 0, 0, 0};
    return m_hWnd || (RegisterNamedClass(kQueueClass) && CreateEx(0, kQueueClass, "", 0, none, HWND_MESSAGE, 0));
}

void UiQueue::destroy() {
    std::deque<Task> dropped;
    {
        Lock lock(m_lock);
        m_closed = true;
        dropped.swap(m_tasks);
        m_woken = false;
    }
    m_delayed.clear();
    if (m_hWnd) DestroyWindow();
}

void UiQueue::post(const void* owner, std::function<void()> task) { add(Task{owner, -1, std::move(task)}); }

void UiQueue::postLatest(const void* owner, int kind, std::function<void()> task) {
    add(Task{owner, kind, std::move(task)});
}

void UiQueue::add(Task task) {
    Lock lock(m_lock);
    if (m_closed) return;
    bool replaced = false;
    if (task.kind >= 0)
        for (Task& waiting : m_tasks)
            if (waiting.owner == task.owner && waiting.kind == task.kind) {
                waiting.run = std::move(task.run);
                replaced = true;
                break;
            }
    if (!replaced) m_tasks.push_back(std::move(task));
    if (!m_woken) wake();
}

// Called with the lock held.
void UiQueue::wake() {
    m_woken = m_hWnd && PostMessageA(m_hWnd, kRunMessage, 0, 0);
}

void UiQueue::postAfter(const void* owner, int kind, DWORD delayMs, std::function<void()> task) {
    if (delayMs == 0) return postLatest(owner, kind, std::move(task));
    const ULONGLONG due = GetTickCount64() + delayMs;
    bool replaced = false;
    for (Delayed& waiting : m_delayed)
        if (waiting.task.owner == owner && waiting.task.kind == kind) {
            waiting = Delayed{due, Task{owner, kind, std::move(task)}};
            replaced = true;
            break;
        }
    if (!replaced) m_delayed.push_back(Delayed{due, Task{owner, kind, std::move(task)}});
    takeDueTasks();
}

void UiQueue::takeDueTasks() {
    KillTimer(kDelayTimer);
    const ULONGLONG now = GetTickCount64();
    ULONGLONG next = 0;
    for (auto waiting = m_delayed.begin(); waiting != m_delayed.end();) {
        if (waiting->due <= now) {
            add(std::move(waiting->task));
            waiting = m_delayed.erase(waiting);
            continue;
        }
        if (next == 0 || waiting->due < next) next = waiting->due;
        ++waiting;
    }
    // A delay beyond what a timer reliably takes waits in steps of an hour at most.
    const ULONGLONG kLongestTimerMs = 60 * 60 * 1000;
    if (next != 0 && m_hWnd) SetTimer(kDelayTimer, static_cast<UINT>(std::min(next - now, kLongestTimerMs)));
}

void UiQueue::cancel(const void* owner) {
    for (auto waiting = m_delayed.begin(); waiting != m_delayed.end();)
        waiting = waiting->task.owner == owner ? m_delayed.erase(waiting) : waiting + 1;
    std::deque<Task> dropped;  // destroyed outside the lock: a task's captures may take a while
    Lock lock(m_lock);
    for (auto task = m_tasks.begin(); task != m_tasks.end();) {
        if (task->owner == owner) {
            dropped.push_back(std::move(*task));
            task = m_tasks.erase(task);
        } else {
            ++task;
        }
    }
}

void UiQueue::runAll() { runTurn(INFINITE); }

bool UiQueue::runTurn(DWORD turnMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        Task task;
        {
            Lock lock(m_lock);
            if (m_tasks.empty()) {
                m_woken = false;
                return false;
            }
            if (turnMs != INFINITE && GetTickCount() - start >= turnMs) return true;
            task = std::move(m_tasks.front());
            m_tasks.pop_front();
        }
        try {
            if (task.run) task.run();
        } catch (...) {
            // Out of memory inside a task: that task is lost, the others still run.
        }
    }
}

LRESULT UiQueue::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_TIMER && wp == kDelayTimer) {
        takeDueTasks();
        return 0;
    }
    const bool ours = msg == kRunMessage || (msg == WM_TIMER && wp == kResumeTimer);
    if (!ours) return Window::HandleMessage(msg, wp, lp);
    KillTimer(kResumeTimer);
    // Tasks still waiting after a turn go on from a timer: a posted message would come before
    // input and paint, a timer comes after them.
    if (runTurn(kTurnMs)) SetTimer(kResumeTimer, kResumeMs);
    return 0;
}

}  // namespace fw
