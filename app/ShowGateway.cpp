#include "app/ShowGateway.h"

#include <algorithm>
#include <cstddef>
#include <utility>

#include "framework/Lock.h"

namespace {
constexpr int kPublishTask = 1;
constexpr int kTickTask = 2;
constexpr DWORD kTickMs = 1000;
}  // namespace

ShowGateway::ShowGateway(fw::UiQueue& queue, CommandFunnel& funnel, Show& show)
    : m_queue(queue), m_funnel(funnel), m_show(show), m_latest(std::make_shared<ShowSnapshot>()) {
    InitializeCriticalSection(&m_lock);
    InitializeConditionVariable(&m_published);
}

ShowGateway::~ShowGateway() {
    stop();
    DeleteCriticalSection(&m_lock);
}

void ShowGateway::start() {
    if (m_started) return;
    m_started = true;
    m_show.addListener(this);
    takeLooks();
    publish(true);
}

void ShowGateway::looksChanged() {
    if (!m_started) return;
    takeLooks();
    publish(true);
}

void ShowGateway::stop() {
    if (!m_started) return;
    m_started = false;
    m_ticking = false;
    m_show.removeListener(this);
    m_queue.cancel(this);
}

void ShowGateway::showChanged(const ShowChange&) {
    if (m_started) m_queue.postLatest(this, kPublishTask, [this] { publish(false); });
}

void ShowGateway::publish(bool timeMoved) {
    // A change already published (right after the command that made it) is not published twice.
    if (!timeMoved && m_show.version() == m_showVersion) return;
    m_showVersion = m_show.version();
    auto snapshot = std::make_shared<ShowSnapshot>(m_show.snapshot());
    // A lane the looks do not know yet reads as the default look; a look of a lane gone is dropped.
    snapshot->looks.assign(m_looks.begin(), m_looks.begin() + static_cast<std::ptrdiff_t>(
                                                                  std::min(m_looks.size(), snapshot->lanes.size())));
    // A tick that moved no time left a whole second (or a source's captions on the strip,
    // which no row shows) is no change: the phones are not sent the same state again. One
    // that moved a time left is a new version of the show's, though the show told no change.
    const std::shared_ptr<const ShowSnapshot> latest = this->snapshot();
    const bool same = latest->version > 0 && snapshot->showsSame(*latest);
    if (!same && snapshot->version <= latest->version) snapshot->version = m_showVersion = m_show.newVersion();
    if (!same) {
        fw::Lock lock(m_lock);
        m_latest = std::move(snapshot);
    }
    if (!same) WakeAllConditionVariable(&m_published);
    if (!m_ticking && !m_show.nothingOnAir()) {
        m_ticking = true;
        m_queue.postAfter(this, kTickTask, kTickMs, [this] { tick(); });
    }
}

void ShowGateway::tick() {
    m_ticking = false;
    if (m_started) publish(true);
}

ShowAccess::Outcome ShowGateway::run(const CaptionCommand& command, DWORD timeoutMs) {
    Outcome outcome;
    CommandResult result = CommandResult::kRefused;
    // Published on the program's thread right after the command, so the answer shows its effect.
    const CommandFunnel::Run run = m_funnel.run(command, timeoutMs, result, [this] {
        if (m_started) publish(false);
    });
    outcome.refused = run == CommandFunnel::Run::Refused;
    outcome.carriedOut = run == CommandFunnel::Run::Done;
    outcome.result = result;
    outcome.snapshot = snapshot();
    return outcome;
}

void ShowGateway::post(const CaptionCommand& command) { m_funnel.post(command); }

std::shared_ptr<const ShowSnapshot> ShowGateway::snapshot() const {
    fw::Lock lock(m_lock);
    return m_latest;
}

std::shared_ptr<const ShowSnapshot> ShowGateway::waitNewer(unsigned long long version, DWORD timeoutMs) {
    const ULONGLONG until = GetTickCount64() + timeoutMs;
    EnterCriticalSection(&m_lock);
    while (m_latest->version <= version) {
        const ULONGLONG now = GetTickCount64();
        if (now >= until) break;
        SleepConditionVariableCS(&m_published, &m_lock, static_cast<DWORD>(until - now));
    }
    std::shared_ptr<const ShowSnapshot> latest = m_latest;
    LeaveCriticalSection(&m_lock);
    return latest;
}
