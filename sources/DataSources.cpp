#include "sources/DataSources.h"

#include <windows.h>

#include <algorithm>

DataSources::DataSources(fw::UiQueue& queue, Show& show, const FetchOptions& options)
    : m_queue(queue), m_show(show), m_options(options), m_probes(queue, options) {}

DataSources::~DataSources() { stop(); }

namespace {
const int kWatchLooks = 1;  // the kind of the queue's task that checks the looks
const DWORD kWatchLooksMs = 1000;
const wchar_t kOverran[] = L"the look did not end in time";
}  // namespace

void DataSources::stop() {
    m_probes.stop();
    m_queue.cancel(this);
    for (const std::unique_ptr<Running>& source : m_sources) {
        if (source->worker) source->worker->stop();
        m_queue.cancel(source.get());
    }
}

void DataSources::applySources(const std::vector<SourceSettings>& sources) {
    std::vector<std::unique_ptr<Running>> kept;
    kept.reserve(std::min(sources.size(), static_cast<size_t>(SourceSettings::kMaxSources)));
    for (const SourceSettings& wanted : sources) {
        if (kept.size() >= static_cast<size_t>(SourceSettings::kMaxSources)) break;
        SourceSettings bounded = wanted;
        boundSourceSettings(bounded);
        // A source whose settings did not change, running as they say, goes on untouched.
        const auto same = std::find_if(m_sources.begin(), m_sources.end(), [&](const std::unique_ptr<Running>& s) {
            return s && s->settings == bounded && (s->worker != nullptr) == (bounded.exec != 0);
        });
        if (same != m_sources.end()) {
            kept.push_back(std::move(*same));
            continue;
        }
        auto source = std::make_unique<Running>();
        source->settings = bounded;
        kept.push_back(std::move(source));
    }
    for (const std::unique_ptr<Running>& gone : m_sources) {
        if (!gone) continue;
        switchOff(*gone);
        // A source at the same address, with other settings, still waits for a look that did not end.
        for (const std::unique_ptr<Running>& next : kept)
            if (gone->leftBehind && !next->worker && !next->leftBehind && next->settings.url == gone->settings.url)
                next->leftBehind = std::move(gone->leftBehind);
    }
    m_sources = std::move(kept);
    for (const std::unique_ptr<Running>& source : m_sources)
        if (source->settings.exec != 0 && !source->worker) switchOn(*source);
    showRows();
}

void DataSources::switchOn(Running& source) {
    source.looks = SourceLooks();
    source.looks.on = true;
    Running* raw = &source;
    // Reports go to the program's thread in the order they came: each may carry cut-ins.
    source.worker = std::make_unique<SourceWorker>(source.settings, m_options, m_timing(source.settings),
                                                   [this, raw](const SourceReport& report) {
                                                       m_queue.post(raw, [this, raw, report] { take(raw, report); });
                                                   });
    if (source.leftBehind && WaitForSingleObject(source.leftBehind.get(), 0) != WAIT_TIMEOUT) source.leftBehind.reset();
    if (!source.worker->start(source.leftBehind.get())) {
        source.worker.reset();
        source.looks.failure = L"the worker could not be started";
        return;
    }
    m_queue.postAfter(this, kWatchLooks, kWatchLooksMs, [this] { watchLooks(); });
}

void DataSources::watchLooks() {
    bool running = false;
    bool changed = false;
    for (const std::unique_ptr<Running>& source : m_sources) {
        if (!source->worker) continue;
        running = true;
        if (!source->worker->overran() || source->looks.failure == kOverran) continue;
        source->looks.failure = kOverran;
        changed = true;
    }
    if (changed) showRows();
    if (running) m_queue.postAfter(this, kWatchLooks, kWatchLooksMs, [this] { watchLooks(); });
}

void DataSources::switchOff(Running& source) {
    if (source.worker) {
        source.worker->stop();
        // Only one look of the source can still run: a worker that followed one ends at once.
        if (fw::KernelHandle left = source.worker->takeLeftBehind()) source.leftBehind = std::move(left);
    }
    source.worker.reset();
    m_queue.cancel(&source);
    m_show.applySourceChanges(laneOf(source), source.captions.clear());
    source.looks = SourceLooks();
}

bool DataSources::switchSource(int index, bool on) {
    if (index < 0 || index >= static_cast<int>(m_sources.size())) return false;
    Running& source = *m_sources[static_cast<size_t>(index)];
    // Switched on again, a source takes a new first look (and an alert source a new baseline).
    switchOff(source);
    if (on) switchOn(source);
    showRows();
    return true;
}

bool DataSources::takeSourceOffAir(int index) {
    if (index < 0 || index >= static_cast<int>(m_sources.size())) return false;
    Running& source = *m_sources[static_cast<size_t>(index)];
    // An alert source has no items on air: its cut-in has a row of its own.
    if (!source.captions.onAir()) return false;
    m_show.applySourceChanges(laneOf(source), source.captions.takeOffAir());
    source.looks.takenOff = true;
    showRows();
    return true;
}

void DataSources::everythingTakenOffAir(int lane) {
    for (const std::unique_ptr<Running>& source : m_sources) {
        if (!source->captions.onAir() || (lane != CaptionCommand::kEveryLane && laneOf(*source) != lane)) continue;
        source->captions.takenOffAir();
        source->looks.takenOff = true;
    }
    showRows();
}

void DataSources::probeSource(const void* owner, const SourceSettings& settings, ProbeDone done) {
    m_probes.probe(owner, settings, std::move(done));
}

void DataSources::take(Running* source, const SourceReport& report) {
    if (indexOf(source) < 0 || !source->worker) return;
    SourceLooks& looks = source->looks;
    if (report.kind == SourceReport::Kind::Failed) {
        looks.failure = report.reason;
        showRows();
        return;
    }
    SYSTEMTIME now{};
    GetLocalTime(&now);
    looks.looked = true;
    looks.failure.clear();
    looks.hour = now.wHour;
    looks.minute = now.wMinute;
    looks.second = now.wSecond;
    if (report.kind == SourceReport::Kind::Fresh) {
        looks.note = report.note;
        if (source->settings.mode == SourceMode::Cycle) {
            looks.count = report.items.size();
            m_show.applySourceChanges(laneOf(*source), source->captions.update(report.items, [this] { return newId(); }));
            looks.takenOff = source->captions.offAir();
        } else {
            looks.count = report.entries;
            const bool afterCurrent = m_hooks.cutInAfterCurrent && m_hooks.cutInAfterCurrent();
            for (const std::wstring& text : report.cutIns)
                m_show.queueCutIn(laneOf(*source), text, source->settings.cutInMinutes, afterCurrent);
        }
    }
    showRows();
}

void DataSources::showRows() {
    std::vector<SourceRow> rows;
    rows.reserve(m_sources.size());
    for (const std::unique_ptr<Running>& source : m_sources) {
        SourceRow row;
        row.text = sourceRowText(source->settings, source->looks);
        row.lane = laneOf(*source);
        if (!source->worker) row.state = SourceRow::State::Off;
        else if (source->settings.mode == SourceMode::CutIn) row.state = SourceRow::State::Watching;
        else row.state = source->captions.onAir() ? SourceRow::State::OnAir : SourceRow::State::Waiting;
        rows.push_back(row);
    }
    m_show.setSourceRows(std::move(rows));
    if (m_hooks.rowsChanged) m_hooks.rowsChanged();
}

int DataSources::laneOf(const Running& source) const {
    // A lane the show does not hold (yet) is lane 1's to show.
    return m_show.hasLane(source.settings.lane) ? source.settings.lane : 1;
}

int DataSources::indexOf(const Running* source) const {
    for (size_t i = 0; i < m_sources.size(); ++i)
        if (m_sources[i].get() == source) return static_cast<int>(i);
    return -1;
}

CaptionId DataSources::newId() {
    // Past the last id the count starts again; from then on an id still on air is passed over.
    for (;;) {
        const CaptionId id = m_nextId;
        if (m_nextId == 0xFFFFFFFFu) {
            m_nextId = caption_ids::kFirstSource;
            m_wrapped = true;
        } else {
            ++m_nextId;
        }
        if (!m_wrapped || m_show.tenthsLeft(id) < 0) return id;
    }
}
