#include "surfaces/CommandFunnel.h"

#include <utility>

#include "framework/Lock.h"
#include "framework/UniqueHandle.h"

namespace {
constexpr int kDrainTask = 1;

// Whether a command handed over after `earlier` has the same effect, so that it may take its place.
bool sameEffect(const CaptionCommand& earlier, const CaptionCommand& later) {
    if (earlier.kind != later.kind || earlier.lane != later.lane) return false;
    switch (later.kind) {
    case CaptionCommand::kCutIn:
    case CaptionCommand::kShowText:
    case CaptionCommand::kShowStrip:
    case CaptionCommand::kClearAll:
    case CaptionCommand::kClearNow:
    case CaptionCommand::kEndCutIn: return true;
    case CaptionCommand::kShowItem:
    case CaptionCommand::kHideItem: return earlier.number == later.number;
    default: return false;
    }
}

// What a waiting worker and the program's thread share; the worker may give up waiting first.
struct Completion {
    fw::KernelHandle done{CreateEventA(nullptr, TRUE, FALSE, nullptr)};
    CommandResult result = CommandResult::kRefused;
};
}  // namespace

CommandFunnel::CommandFunnel(fw::UiQueue& queue, CommandRunner& runner) : m_queue(queue), m_runner(runner) {
    InitializeCriticalSection(&m_lock);
}

CommandFunnel::~CommandFunnel() {
    close();
    DeleteCriticalSection(&m_lock);
}

bool CommandFunnel::post(const CaptionCommand& command, Done done) {
    return add(command, std::move(done), true);
}

bool CommandFunnel::add(const CaptionCommand& command, Done done, bool coalesces, const void* waiter) {
    fw::Lock lock(m_lock);
    if (m_closed) return false;
    if (coalesces && !m_waiting.empty() && m_waiting.back().coalesces &&
        sameEffect(m_waiting.back().command, command)) {
        m_waiting.back().command = command;
        m_waiting.back().done = std::move(done);
        return true;
    }
    if (m_waiting.size() >= kMaxWaiting) return false;
    m_waiting.push_back(Waiting{command, std::move(done), coalesces, waiter});
    if (m_waiting.size() == 1) m_queue.postLatest(this, kDrainTask, [this] { drain(); });
    return true;
}

CommandFunnel::Run CommandFunnel::run(const CaptionCommand& command, DWORD timeoutMs, CommandResult& result,
                                      const std::function<void()>& after) {
    auto completion = std::make_shared<Completion>();
    if (!completion->done) return Run::Refused;
    // A command someone waits for is never stood in for.
    const bool taken = add(
        command,
        [completion, after](CommandResult outcome) {
            completion->result = outcome;
            if (after) after();
            SetEvent(completion->done.get());
        },
        false, completion.get());
    if (!taken) return Run::Refused;
    if (WaitForSingleObject(completion->done.get(), timeoutMs) != WAIT_OBJECT_0) {
        // Carried out after its answer said it was not, a command sent again would be done twice.
        if (withdraw(completion.get())) return Run::Late;
        // Begun just now: it ends soon on the program's thread.
        if (WaitForSingleObject(completion->done.get(), kBegunWaitMs) != WAIT_OBJECT_0) return Run::Late;
    }
    result = completion->result;
    return Run::Done;
}

CommandResult CommandFunnel::runCommand(const CaptionCommand& command) {
    {
        fw::Lock lock(m_lock);
        if (m_closed) return CommandResult::kRefused;
    }
    return m_runner.runCommand(command);
}

bool CommandFunnel::withdraw(const void* waiter) {
    fw::Lock lock(m_lock);
    for (auto waiting = m_waiting.begin(); waiting != m_waiting.end(); ++waiting) {
        if (waiting->waiter != waiter) continue;
        m_waiting.erase(waiting);
        return true;
    }
    return false;
}

void CommandFunnel::close() {
    std::deque<Waiting> dropped;
    {
        fw::Lock lock(m_lock);
        m_closed = true;
        dropped.swap(m_waiting);
    }
    m_queue.cancel(this);
}

void CommandFunnel::scheduleDrain(DWORD delayMs) {
    m_queue.postAfter(this, kDrainTask, delayMs, [this] { drain(); });
}

void CommandFunnel::drain() {
    const ULONGLONG now = GetTickCount64();
    if (m_lastDrain != 0 && now - m_lastDrain < kDrainPeriodMs) {
        scheduleDrain(static_cast<DWORD>(kDrainPeriodMs - (now - m_lastDrain)));
        return;
    }
    m_lastDrain = now;
    std::deque<Waiting> taken;
    bool more = false;
    {
        fw::Lock lock(m_lock);
        while (!m_waiting.empty() && static_cast<int>(taken.size()) < kPerDrain) {
            taken.push_back(std::move(m_waiting.front()));
            m_waiting.pop_front();
        }
        more = !m_waiting.empty();
    }
    for (Waiting& waiting : taken) {
        const CommandResult result = m_runner.runCommand(waiting.command);
        if (waiting.done) waiting.done(result);
    }
    if (more) scheduleDrain(kDrainPeriodMs);
}
