#include "sources/SourceProbes.h"

#include <algorithm>

#include "sources/SourceRowText.h"

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
    // Only the first report counts; the worker is stopped once it has come.
    raw->worker = std::make_unique<SourceWorker>(once, m_options, timingOf(once), [this, raw](const SourceReport& report) {
        const SourceProbe found = probeOf(report);
        m_queue.post(raw, [this, raw, found] { finish(raw, found); });
    });
    m_probes.push_back(std::move(probe));
    if (raw->worker->start()) return;
    SourceProbe failed;
    failed.reason = L"取得を始められません";
    finish(raw, failed);
}

void SourceProbes::finish(Probe* probe, const SourceProbe& found) {
    const auto at = std::find_if(m_probes.begin(), m_probes.end(), [probe](const std::unique_ptr<Probe>& p) { return p.get() == probe; });
    if (at == m_probes.end()) return;
    std::unique_ptr<Probe> done = std::move(*at);
    m_probes.erase(at);
    done->worker->stop();
    m_queue.cancel(probe);  // a second report that came meanwhile
    if (done->done) done->done(found);
}

void SourceProbes::cancel(const void* owner) {
    for (auto at = m_probes.begin(); at != m_probes.end();) {
        if ((*at)->owner != owner) {
            ++at;
            continue;
        }
        (*at)->worker->stop();
        m_queue.cancel(at->get());
        at = m_probes.erase(at);
    }
}

void SourceProbes::stop() {
    for (const std::unique_ptr<Probe>& probe : m_probes) {
        probe->worker->stop();
        m_queue.cancel(probe.get());
    }
    m_probes.clear();
}
