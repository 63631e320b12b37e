#pragma once
// The show as the surfaces that run on threads of their own see it (the HTTP API, OSC feedback):
// commands go through the program's command funnel, and the state comes as snapshots, made on
// the program's thread after every change and once a second while captions are on air (their
// time left). A snapshot that shows the same as the one before is not handed out, so a new
// version always means a change. It makes snapshots only while started, so a
// program with no such surface switched on spends nothing on them.
#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "framework/UiQueue.h"
#include "show/Show.h"
#include "show/ShowListener.h"
#include "surfaces/CommandFunnel.h"
#include "surfaces/ShowAccess.h"

class ShowGateway : public ShowAccess, private ShowListener {
public:
    ShowGateway(fw::UiQueue& queue, CommandFunnel& funnel, Show& show);
    ~ShowGateway();
    ShowGateway(const ShowGateway&) = delete;
    ShowGateway& operator=(const ShowGateway&) = delete;

    // Every lane's look for overlays, lane 1 first: asked for when publishing starts and when
    // looksChanged() says so, and put into every snapshot.
    void setLooks(std::function<std::vector<OverlayLook>()> looks) { m_looksOf = std::move(looks); }
    // On the program's thread: the lanes' looks may have changed; while started, a snapshot
    // with the new ones now (a new version when they did change).
    void looksChanged();
    // On the program's thread: publishing starts with a snapshot now, and stops.
    void start();
    void stop();
    bool started() const { return m_started; }

    Outcome run(const CaptionCommand& command, DWORD timeoutMs) override;
    void post(const CaptionCommand& command) override;
    std::shared_ptr<const ShowSnapshot> snapshot() const override;
    std::shared_ptr<const ShowSnapshot> waitNewer(unsigned long long version, DWORD timeoutMs) override;

private:
    // On the program's thread: a snapshot of the show now, handed to the waiting threads, when
    // the show changed since the last one or `timeMoved` (the captions' time left, the lanes'
    // looks), and when it shows something else than the last one handed out.
    void publish(bool timeMoved);
    // The show changed: a snapshot soon (many changes in a row make one).
    void showChanged(const ShowChange& change) override;
    // While captions are on air, a snapshot every second for their time left.
    void tick();

    void takeLooks() { m_looks = m_looksOf ? m_looksOf() : std::vector<OverlayLook>(); }

    fw::UiQueue& m_queue;
    CommandFunnel& m_funnel;
    Show& m_show;
    bool m_started = false;
    bool m_ticking = false;
    unsigned long long m_showVersion = 0;  // of the show at the latest snapshot
    std::function<std::vector<OverlayLook>()> m_looksOf;
    std::vector<OverlayLook> m_looks;      // as last asked for
    mutable CRITICAL_SECTION m_lock;
    CONDITION_VARIABLE m_published;
    std::shared_ptr<const ShowSnapshot> m_latest;  // its version the show's; 0 before the first, under the lock
};
