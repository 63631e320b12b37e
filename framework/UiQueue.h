#pragma once
// The one way from any thread to the program's thread: a worker hands a task over, and the
// program's thread runs it, in the order tasks came. A task may stand for the latest state of
// something (a frame, the result of a look, commands waiting): posted again under the same
// owner and kind while the earlier one still waits, it takes that one's place, so a worker that
// is faster than the program's thread never builds a queue.
// The program's thread runs tasks for a few milliseconds at a time and then lets input, paint
// and timers have their turn before it goes on (it resumes on a timer, which comes after all of
// those), so that no flood of tasks can freeze a window.
#include <windows.h>

#include <deque>
#include <functional>

#include "framework/Window.h"

namespace fw {

class UiQueue : public Window {
public:
    // Time the program's thread spends on tasks before it lets other messages through.
    static constexpr DWORD kTurnMs = 8;

    UiQueue();
    ~UiQueue() override;

    // Makes the queue's window on the calling thread, which is then the thread tasks run on.
    bool create();
    // Drops every task still waiting and destroys the window; posting after it does nothing.
    void destroy();

    // From any thread: `task` runs on the program's thread. `owner` names who posted it (the
    // object the task will use), so that cancel(owner) can drop it.
    void post(const void* owner, std::function<void()> task);
    // As post, but it replaces a task of the same owner and kind that still waits.
    void postLatest(const void* owner, int kind, std::function<void()> task);
    // On the program's thread only: `task` runs once `delayMs` have passed (and its turn has come),
    // replacing a waiting task of the same owner and kind.
    void postAfter(const void* owner, int kind, DWORD delayMs, std::function<void()> task);
    // Drops the waiting tasks of `owner`. Called on the program's thread before the owner goes,
    // no task of it runs afterwards.
    void cancel(const void* owner);
    // Runs what waits now, on the program's thread, without any time limit (tests).
    void runAll();

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    struct Task {
        const void* owner;
        int kind;  // -1: none
        std::function<void()> run;
    };
    struct Delayed {
        ULONGLONG due;
        Task task;
    };
    void add(Task task);
    // Moves the delayed tasks that are due to the queue and sets the timer for the next one.
    void takeDueTasks();
    // Runs tasks until none waits or `turnMs` is spent; whether any still waits.
    bool runTurn(DWORD turnMs);
    void wake();

    CRITICAL_SECTION m_lock;
    std::deque<Task> m_tasks;
    std::deque<Delayed> m_delayed;  // touched on the program's thread only
    bool m_woken = false;  // a message or the resume timer is on its way
    bool m_closed = false;
};

}  // namespace fw
