#include "sources/SourceProbes.h"

#include <algorithm>

#include "sources/SourceRowText.h"

namespace {
const int kWatch = 1;  // the kind of the queue's task that checks a look
const DWORD kWatchMs = 1000;
}  // namespace

SourceProbe probeOf(const SourceReport& report) {
    SourceProbe found;
    found.ok = report.kind != SourceReport::Kind::Failed;
    found.reason = found.ok ? std::wstring() : sourceReasonText(report.reason);
    if (found.ok && !report.note.empty()) found.note = sourceReasonText(report.note);
    found.count = static_cast<int>(report.items.size());
    for (const SourceItem& item : report.items) {
        if (found.first.size() >= SourceProbes::kShownItems) break;
        found.first.push_back(item.text);
    }
    return found;
}

void SourceProbes::probe(const void* owner, const SourceSettings& settings, SourceControl::ProbeDone done) {
    SourceSettings once = settings;
    once.mode = SourceMode::Cycle;  // an alert source's entries, as items to show
    auto probe = std::make_unique<Probe>();
    Probe* raw = probe.get();
    raw->owner = owner;
    raw->done = std::move(done);
    raw->url = settings.url;
    // Only the first report counts; the worker is stopped once it has come.
    raw->worker = std::make_unique<SourceWorker>(once, m_options, timingOf(once), [this, raw](const SourceReport& report) {
        const SourceProbe found = probeOf(report);
        m_queue.post(raw, [this, raw, found] { finish(raw, found); });
    });
    m_probes.push_back(std::move(probe));
    HANDLE follows = nullptr;
    for (auto at = m_leftBehind.begin(); at != m_leftBehind.end();) {
        if (WaitForSingleObject(at->second.get(), 0) != WAIT_TIMEOUT) {
            at = m_leftBehind.erase(at);
            continue;
        }
        if (at->first == raw->url) follows = at->second.get();
        ++at;
    }
    if (raw->worker->start(follows)) {
        m_queue.postAfter(raw, kWatch, kWatchMs, [this, raw] { watch(raw); });
        return;
    }
    SourceProbe failed;
    failed.reason = L"取得を始められません";
    finish(raw, failed);
}

void SourceProbes::finish(Probe* probe, const SourceProbe& found) {
    const auto at = std::find_if(m_probes.begin(), m_probes.end(), [probe](const std::unique_ptr<Probe>& p) { return p.get() == probe; });
    if (at == m_probes.end()) return;
    std::unique_ptr<Probe> done = std::move(*at);
    m_probes.erase(at);
    stopWorker(*done);
    m_queue.cancel(probe);  // a second report that came meanwhile
    if (done->done) done->done(found);
}

void SourceProbes::cancel(const void* owner) {
    for (auto at = m_probes.begin(); at != m_probes.end();) {
        if ((*at)->owner != owner) {
            ++at;
            continue;
        }
        stopWorker(**at);
        m_queue.cancel(at->get());
        at = m_probes.erase(at);
    }
}

void SourceProbes::stop() {
    for (const std::unique_ptr<Probe>& probe : m_probes) {
        stopWorker(*probe);
        m_queue.cancel(probe.get());
    }
    m_probes.clear();
}

void SourceProbes::stopWorker(Probe& probe) {
    probe.worker->stop();
    fw::KernelHandle left = probe.worker->takeLeftBehind();
    if (!left) return;
    for (auto& kept : m_leftBehind)
        if (kept.first == probe.url) {
            // It followed the one kept, so that one has ended.
            kept.second = std::move(left);
            return;
        }
    m_leftBehind.emplace_back(probe.url, std::move(left));
}

void SourceProbes::watch(Probe* probe) {
    if (probe->worker->overran()) {
        SourceProbe failed;
        failed.reason = sourceReasonText(L"the look did not end in time");
        finish(probe, failed);
        return;
    }
    m_queue.postAfter(probe, kWatch, kWatchMs, [this, probe] { watch(probe); });
}
