#pragma once
// The one way a command from outside reaches the program's thread. Workers hand commands over
// from any thread; the program's thread carries them out a few at a time, at most every
// kDrainPeriodMs, so that a flood from outside (a stuck button, a fader, a script) never keeps
// the operator's page from answering. Commands handed over without waiting are coalesced: one
// of the same effect as the last one waiting takes its place (only the latest cut-in, text or
// strip state matters; a repeated show or hide of an item is one), and once kMaxWaiting wait,
// more are refused. Commands that arrive on the program's thread itself and must be answered at
// once (another Kirunner process's, through the command channel) come in as a CommandRunner.
#include <windows.h>

#include <deque>
#include <functional>
#include <memory>

#include "framework/UiQueue.h"
#include "model/CaptionCommand.h"
#include "show/CommandRunner.h"

class CommandFunnel : public CommandRunner {
public:
    static constexpr size_t kMaxWaiting = 64;
    static constexpr DWORD kDrainPeriodMs = 20;
    static constexpr int kPerDrain = 16;
    // How much longer run() waits for a command that the program's thread began as its time ran out.
    static constexpr DWORD kBegunWaitMs = 1000;
    using Done = std::function<void(CommandResult)>;

    CommandFunnel(fw::UiQueue& queue, CommandRunner& runner);
    ~CommandFunnel();
    CommandFunnel(const CommandFunnel&) = delete;
    CommandFunnel& operator=(const CommandFunnel&) = delete;

    // From any thread: the command is carried out on the program's thread, and `done` (when
    // given) is called there with its result, unless a later command of the same effect took its
    // place first. False when it was refused (too many wait, or the funnel is closed).
    bool post(const CaptionCommand& command, Done done = Done());
    // From a worker thread: carries the command out and waits for it, at most `timeoutMs`;
    // `after` (when given) runs on the program's thread right after the command, before the
    // wait ends. Refused, Late or Done. A command still waiting when the time is up is taken
    // back, so Late means not carried out (and a client may send it again), unless the program's
    // thread had already begun it.
    enum class Run { Done, Refused, Late };
    Run run(const CaptionCommand& command, DWORD timeoutMs, CommandResult& result,
            const std::function<void()>& after = std::function<void()>());
    // On the program's thread: carries the command out now; kRefused once the funnel is closed.
    CommandResult runCommand(const CaptionCommand& command) override;
    // On the program's thread: nothing waiting is carried out any more, and nothing is taken.
    void close();

private:
    struct Waiting {
        CaptionCommand command;
        Done done;
        bool coalesces;
        const void* waiter;  // whoever waits for it (run), to take it back; null: none
    };
    bool add(const CaptionCommand& command, Done done, bool coalesces, const void* waiter = nullptr);
    // Takes the command that `waiter` waits for out of those waiting; false when it was taken
    // already (carried out, or being carried out).
    bool withdraw(const void* waiter);
    void drain();
    void scheduleDrain(DWORD delayMs);

    fw::UiQueue& m_queue;
    CommandRunner& m_runner;
    CRITICAL_SECTION m_lock;
    std::deque<Waiting> m_waiting;
    bool m_closed = false;
    ULONGLONG m_lastDrain = 0;  // on the program's thread
};
