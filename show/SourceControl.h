#pragma once
// The data sources as the controller and the page see them, whatever runs them: their rows on
// the page, the commands that switch them and take their items off air, and a look at a source
// now for the sources' dialog. The program's data sources (sources/DataSources) implement it.
#include <functional>
#include <string>
#include <vector>

#include "model/SourceSettings.h"

// A source's row on the page and in the remote's list.
struct SourceRow {
    enum class State {
        Off,       // switched off (by its settings or by a command)
        Waiting,   // on, nothing on air from it: no look yet, no items, or taken off air
        OnAir,     // its items are captions of the cycle
        Watching,  // an alert source: its new entries cut in
    };
    State state = State::Off;
    std::wstring text;  // its name and what its last look gave ("12件 15:04:05"), or why it failed
    int lane = 1;       // the lane its captions go on air on

    bool operator==(const SourceRow& other) const { return state == other.state && lane == other.lane && text == other.text; }
    bool operator!=(const SourceRow& other) const { return !(*this == other); }
};

// What a look at a source now found.
struct SourceProbe {
    bool ok = false;
    int count = 0;                    // items (or entries) it read
    std::vector<std::wstring> first;  // the first of them as captions
    std::wstring reason;              // why it failed, for the operator
    std::wstring note;                // what the operator should know of a good look ("文字コード … は読めません")
};

class SourceControl {
public:
    using ProbeDone = std::function<void(const SourceProbe&)>;

    // The sources as the settings now say: a source whose settings did not change goes on as it
    // is; every other one stops, its items leave the air, and it starts again when switched on.
    virtual void applySources(const std::vector<SourceSettings>& sources) = 0;
    // Switches source `index` (from 0) on or off for this run, whatever its settings say; a
    // source switched on takes a new first look. False when there is no such source.
    virtual bool switchSource(int index, bool on) = 0;
    // The source's items leave the air until it next changes or is switched on again.
    virtual bool takeSourceOffAir(int index) = 0;
    // Every caption of `lane` (CaptionCommand::kEveryLane: of every lane) left the air: each of
    // its sources' items stay off until it next changes.
    virtual void everythingTakenOffAir(int lane) = 0;
    // Looks at a source once, away from the program's thread; `done` runs on the program's
    // thread with what was found, unless cancelProbes(owner) came first.
    virtual void probeSource(const void* owner, const SourceSettings& settings, ProbeDone done) = 0;
    virtual void cancelProbes(const void* owner) = 0;

protected:
    ~SourceControl() = default;
};
