#pragma once
// Looks at a source once for the sources' dialog (今すぐ取得): a worker of its own reads the
// source as its settings say (an alert source's entries are read as items, so that the first
// ones can be shown), and what it found reaches the program's thread through the queue. The
// dialog cancels its looks when it closes; a look that hangs is left behind, as any worker's, and
// the next look at the same address waits for it to end. A look that overruns its time is
// answered with that reason.
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "feeds/SourceWorker.h"
#include "framework/UiQueue.h"
#include "show/SourceControl.h"

class SourceProbes {
public:
    static constexpr size_t kShownItems = 5;

    SourceProbes(fw::UiQueue& queue, const FetchOptions& options) : m_queue(queue), m_options(options) {}
    ~SourceProbes() { stop(); }
    SourceProbes(const SourceProbes&) = delete;
    SourceProbes& operator=(const SourceProbes&) = delete;

    void probe(const void* owner, const SourceSettings& settings, SourceControl::ProbeDone done);
    void cancel(const void* owner);
    void stop();

private:
    struct Probe {
        const void* owner = nullptr;
        SourceControl::ProbeDone done;
        std::unique_ptr<SourceWorker> worker;
        std::wstring url;
    };
    void finish(Probe* probe, const SourceProbe& found);
    // Stops the probe's worker and keeps its thread when it was left behind.
    void stopWorker(Probe& probe);
    // Answers the probe when its look overran, else looks again in a second.
    void watch(Probe* probe);

    fw::UiQueue& m_queue;
    FetchOptions m_options;
    std::vector<std::unique_ptr<Probe>> m_probes;
    // Threads of stopped looks that had not ended, by the address they looked at (one each).
    std::vector<std::pair<std::wstring, fw::KernelHandle>> m_leftBehind;
};

// What a worker's first report says, as the dialog shows it.
SourceProbe probeOf(const SourceReport& report);
