#pragma once
// The data sources on air: one worker (feeds/SourceWorker) for each source switched on, its
// reports taken on the program's thread through the queue. A source of MODE 0 keeps its items
// on air as captions of the cycle, updated in place (SourceCaptions); one of MODE 1 cuts its new
// entries in, one after the other (Show::queueCutIn), for MINUTE minutes each. A failed look
// changes nothing on air: the last good items stay, and the source's row says why. Each source
// has a row in the show, whatever its state; a look that overruns its time says so on the row,
// and the source's next worker waits for it to end. Made and stopped by the program's
// composition root, never in a batch run.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "feeds/SourceWorker.h"
#include "framework/UiQueue.h"
#include "show/Show.h"
#include "show/SourceControl.h"
#include "sources/CaptionSource.h"
#include "sources/SourceCaptions.h"
#include "sources/SourceProbes.h"
#include "sources/SourceRowText.h"

class DataSources : public CaptionSource, public SourceControl {
public:
    // What the sources ask of the program around them.
    struct Hooks {
        std::function<void()> rowsChanged;        // the page shows the rows below the items again
        std::function<bool()> cutInAfterCurrent;  // a cut-in waits for the caption on the strip
    };

    DataSources(fw::UiQueue& queue, Show& show, const FetchOptions& options);
    ~DataSources() override;
    DataSources(const DataSources&) = delete;
    DataSources& operator=(const DataSources&) = delete;

    void setHooks(Hooks hooks) { m_hooks = std::move(hooks); }
    // Pauses of the workers; tests give shorter ones.
    void setTiming(std::function<SourceTiming(const SourceSettings&)> timing) { m_timing = std::move(timing); }

    // Stops every worker; the items on air stay as they are (the program is ending).
    void stop() override;

    void applySources(const std::vector<SourceSettings>& sources) override;
    bool switchSource(int index, bool on) override;
    bool takeSourceOffAir(int index) override;
    void everythingTakenOffAir(int lane) override;
    void probeSource(const void* owner, const SourceSettings& settings, ProbeDone done) override;
    void cancelProbes(const void* owner) override { m_probes.cancel(owner); }

    size_t count() const { return m_sources.size(); }

private:
    struct Running {
        SourceSettings settings;
        std::unique_ptr<SourceWorker> worker;  // while switched on
        fw::KernelHandle leftBehind;           // a stopped worker's look that had not ended
        SourceCaptions captions;
        SourceLooks looks;
    };

    void switchOn(Running& source);
    void switchOff(Running& source);
    void take(Running* source, const SourceReport& report);
    // Every second while a source is on: a look that overran its time says so on its row.
    void watchLooks();
    // The rows of every source, in the show and on the page.
    void showRows();
    int indexOf(const Running* source) const;
    // The lane the source's captions go on air on.
    int laneOf(const Running& source) const;
    CaptionId newId();

    fw::UiQueue& m_queue;
    Show& m_show;
    FetchOptions m_options;
    Hooks m_hooks;
    std::function<SourceTiming(const SourceSettings&)> m_timing = timingOf;
    std::vector<std::unique_ptr<Running>> m_sources;
    SourceProbes m_probes;
    CaptionId m_nextId = caption_ids::kFirstSource;
    bool m_wrapped = false;
};
