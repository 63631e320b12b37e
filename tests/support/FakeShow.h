#pragma once
// A show without a strip or a program's thread, behind ShowAccess: list entries, a free text and
// a cut-in that go on and off air with real display times, and the strip shown or hidden. Used
// by the surfaces' tests and by the test host that serves them to clients from outside.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "surfaces/ShowAccess.h"

class FakeShow : public ShowAccess {
public:
    struct Item {
        std::wstring text;
        int minutes = 1;
    };
    // `clock`: milliseconds of a steady clock (GetTickCount64 unless given).
    explicit FakeShow(std::vector<Item> items, std::function<unsigned long long()> clock = nullptr);
    ~FakeShow();

    Outcome run(const CaptionCommand& command, DWORD timeoutMs) override;
    void post(const CaptionCommand& command) override;
    std::shared_ptr<const ShowSnapshot> snapshot() const override;
    std::shared_ptr<const ShowSnapshot> waitNewer(unsigned long long version, DWORD timeoutMs) override;

    // Takes what has run out off air and publishes a snapshot when the seconds left changed.
    void tick();
    // The lanes the show holds (1 unless set): a command naming another is kNoSuchLane, each
    // lane is shown or hidden on its own, and the snapshot lists the lanes while more than one.
    void setLaneCount(int count);
    // While stalled, run() waits its whole time and reports nothing carried out.
    void setStalled(bool stalled);
    // Every command run or posted, in order.
    std::vector<CaptionCommand> commands() const;

private:
    struct OnAir {
        std::wstring text;
        int minutes = 0;
        unsigned long long untilMs = 0;  // 0: off air
        int lane = 1;
    };
    CommandResult apply(const CaptionCommand& command);
    void enter(int lane, const std::wstring& text, bool fromBlank);  // a caption on air enters at once
    void publish();  // with the lock held
    ShowRow rowOf(ShowRow::Kind kind, int number, const OnAir& state, unsigned long long now) const;

    std::function<unsigned long long()> m_clock;
    mutable CRITICAL_SECTION m_lock;
    CONDITION_VARIABLE m_published;
    std::vector<OnAir> m_items;
    OnAir m_freeText;
    OnAir m_cutIn;
    std::vector<bool> m_laneShown{true};
    std::vector<LaneEntry> m_entries{LaneEntry{}};
    unsigned long long m_entryCount = 0;
    bool m_stalled = false;
    std::vector<CaptionCommand> m_commands;
    std::shared_ptr<const ShowSnapshot> m_snapshot;
};
