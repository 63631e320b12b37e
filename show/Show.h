#pragma once
// What is on air, in one place that owns no window: the operator's caption list, the lanes that
// show captions (lane 1 always, up to kMaxLanes), each with its schedule, its cut-ins waiting
// and whether it is shown, the captions that are no list item (the watched file's, a free text
// and the cut-in of each lane, the data sources' items), the data sources' rows, and a snapshot
// of all of it for the page and the remote. A caption on air is known by its id, so edits of the
// list never disturb it. Every change is told to the show's listeners, naming its lane.
#include <memory>
#include <string>
#include <unordered_set>
#include <utility>
#include <vector>

#include "model/CaptionCommand.h"
#include "model/CaptionList.h"
#include "show/CaptionChanges.h"
#include "show/CutInQueue.h"
#include "show/Lane.h"
#include "show/ShowListener.h"
#include "show/ShowSnapshot.h"
#include "show/SourceControl.h"
#include "show/StripPort.h"
#include "show/WallClock.h"

class Show {
public:
    // A caption on air as the page shows it: its row (a list position, or the kind of the
    // caption that is no item), the tenths of a second it has left and its lane.
    struct OnAir {
        ShowRow::Kind kind = ShowRow::Kind::Item;
        int position = -1;  // of a list item
        int tenthsLeft = 0;
        int lane = 1;
    };

    // Lane 1 shows on `lane1Strips`; every lane counts down by `clock`.
    Show(StripPort& lane1Strips, const MonotonicClock& clock);
    Show(const Show&) = delete;
    Show& operator=(const Show&) = delete;

    // Listeners hear every change, in the order they were added; not owned.
    void addListener(ShowListener* listener);
    void removeListener(ShowListener* listener);

    // A new lane shown on `strips` (not owned; they outlive the lane): its number, or 0 when
    // the show holds kMaxLanes already.
    int addLane(StripPort& strips);
    // The lane's captions leave the air and the lane goes; later lanes move down by one (the
    // list items' lanes are the caller's to renumber). Lane 1 never goes. The caller first
    // takes the lane's strips off its clock.
    bool removeLane(int number);
    int laneCount() const { return static_cast<int>(m_lanes.size()); }
    bool hasLane(int number) const { return number >= 1 && number <= laneCount(); }
    // What a lane's strips call back. A lane the show holds; lane 1 for any other number.
    LaneClock& clockOf(int number) { return laneOf(number); }
    Lane& laneOf(int number) { return slotOf(number).lane; }
    const Lane& laneOf(int number) const { return slotOf(number).lane; }

    CaptionList& captionList() { return m_captions; }
    const CaptionList& captionList() const { return m_captions; }

    // The PC's local wall clock that list items' windows are read by (not owned; it outlives the
    // show); without one every window counts as open.
    void setWallClock(const WallClock* wall);
    // The wall clock read now, on every lane: once a minute while some armed caption is on air,
    // and after a change of the system time or a resume from sleep. Armed captions whose window
    // is over leave as ones whose minutes ran out; a lane standing still for a window that has
    // opened starts moving.
    void readWallClock();
    // Whether some list item is on air with a window (armed): the wall clock is then read once a
    // minute.
    bool anyArmed() const;

    // The list item at `position` goes on air on its lane (again: its time starts anew; with a
    // window set it is armed, its window and plays as the item has them now); false when there is
    // no such item or its lane is not held.
    bool putOnAir(int position);
    // The items of these list numbers (from 1) go on air, each once, in the order of its first
    // number (a number given again would only renew its caption at the same moment); numbers
    // of no item are passed over. Whether any went on air.
    bool putNumbersOnAir(const std::vector<int>& numbers);
    // The item goes off air; false when it was not on air.
    bool takeOffAir(int position);
    bool onAir(int position) const;
    // A text with no list row goes on air on `lane` under the free text's id (replacing the one
    // there); false when the show holds no such lane.
    bool showFreeText(int lane, const std::wstring& text, int minutes);
    // The watched file's text goes on air on `lane` (or is renewed); on any other lane it was on,
    // it leaves.
    bool showFileCaption(int lane, const std::wstring& text, int minutes);
    // The caption with that id leaves the air on `lane` (kEveryLane: on every lane); false when
    // it was on air on none.
    bool takeOffAir(int lane, CaptionId id);
    bool takeOffAir(CaptionId id) { return takeOffAir(CaptionCommand::kEveryLane, id); }
    // The caption with that id as it is on air (on the first lane that has it); false when it is not.
    bool captionOnAir(CaptionId id, std::wstring& text) const;
    bool captionOnAir(int lane, CaptionId id) const;
    // The cut-in of `lane` (see Lane::cutIn); false when the show holds no such lane.
    bool cutIn(int lane, const std::wstring& text, int minutes, bool afterCurrent);
    // A cut-in that waits while one is on air on its lane: it cuts in when that one's time is up
    // or it is taken off, after the others waiting before it (each after the pass of the one before).
    bool queueCutIn(int lane, const std::wstring& text, int minutes, bool afterCurrent);
    size_t cutInsWaiting(int lane) const { return hasLane(lane) ? slotOf(lane).cutIns.size() : 0; }

    // A data source's items (ids from caption_ids::kFirstSource on) leave (whatever lane they
    // are on), change and join the cycle of `lane` in one step; reported once.
    void applySourceChanges(int lane, const CaptionChanges& changes);
    // The data sources' rows, one for each source in its order.
    void setSourceRows(std::vector<SourceRow> rows);
    void setSourceRow(int index, const SourceRow& row);
    const std::vector<SourceRow>& sourceRows() const { return m_sourceRows; }
    // Every caption of `lane` (kEveryLane: of every lane) goes off air, and no cut-in waits
    // there any more; the one on the strip scrolls out. The positions of the list items that
    // were on air, in list order.
    std::vector<int> takeEverythingOffAir(int lane);
    // With nothing on air on `lane` (kEveryLane: on any), its strips are blank at once; true when
    // rolling was still under way there (it has ended now, and is reported as after the last
    // caption scrolled out).
    bool blankNow(int lane);

    // List edits; a deleted item's caption leaves the air, every other caption stays as it is.
    void addItem(const CKirunData& item);
    bool changeItem(int position, const CKirunData& edited);
    // The item goes on lane `lane`; on air there at once (its time anew) if it was on air.
    bool setItemLane(int position, int lane);
    // Lane `removed` has gone (removeLane): its items go to lane 1, those of later lanes down one.
    void laneRemoved(int removed);
    bool deleteItem(int position);
    // The list is replaced whole (read again from the settings file); its items' captions that
    // were on air leave the air.
    void replaceList(CaptionList&& captions);

    // Tenths of a second left for the caption with that id; -1 when it is not on air.
    int tenthsLeft(CaptionId id) const;
    int tenthsLeft(int lane, CaptionId id) const;
    // Every caption on air, lane by lane, each in schedule order.
    std::vector<OnAir> captionsOnAir() const;
    // Whether nothing is on air on any lane.
    bool nothingOnAir() const;
    // 表示ON/表示OFF of a lane (kEveryLane: of every lane), pushed down to its strips; false when
    // the show holds no such lane.
    bool setShown(int lane, bool shown);
    bool shown(int lane) const { return hasLane(lane) && slotOf(lane).shown; }
    void setLaneName(int lane, const std::wstring& name);
    // Every list row, every caption on air that is no item (a data source's items aside) and a
    // row for each data source; each lane's state.
    ShowSnapshot snapshot() const;
    // The snapshot's row of the list item at `position`, made alone (a change naming one
    // position redraws one row); a row of kind Item and number 0 when there is no such item.
    ShowRow itemRow(int position) const;
    // Every lane's state, lane 1 first.
    std::vector<LaneState> laneStates() const;
    // Grows with every change; the snapshot carries it.
    unsigned long long version() const { return m_version; }
    // A new version with no change to tell (the captions' time left moved on): its number.
    unsigned long long newVersion() { return ++m_version; }

private:
    // A lane with what the show keeps for it; it hears its lane's reports and passes them on
    // with its number.
    struct LaneSlot : LaneListener {
        LaneSlot(Show& owner, int laneNumber, StripPort& laneStrips, const MonotonicClock& clock)
            : show(owner), number(laneNumber), strips(laneStrips), lane(laneStrips, *this, clock) {}
        void captionEnded(CaptionId id) override { show.captionEnded(*this, id); }
        void rollingEnded() override { show.rollingEnded(*this); }
        void captionEntered() override { show.captionEntered(*this); }
        void airOver(CaptionId id) override { show.m_airOver.insert(id); }
        void airStateMoved() override { show.changed(number); }

        Show& show;
        int number;
        StripPort& strips;
        Lane lane;
        CutInQueue cutIns;
        std::wstring name;
        bool shown = true;
    };

    LaneSlot& slotOf(int number) { return *m_lanes[static_cast<size_t>(hasLane(number) ? number - 1 : 0)]; }
    const LaneSlot& slotOf(int number) const { return *m_lanes[static_cast<size_t>(hasLane(number) ? number - 1 : 0)]; }
    // The lanes a command for `lane` acts on: that one, every one for kEveryLane, else none.
    std::vector<LaneSlot*> lanesFor(int lane);
    void captionEnded(LaneSlot& slot, CaptionId id);
    void rollingEnded(LaneSlot& slot);
    void captionEntered(LaneSlot& slot);
    // Whether rolling has ended on every lane: told once, as the last one ends.
    void tellIfAllRolledOut();
    void put(LaneSlot& slot, CaptionId id, const std::wstring& text, int minutes, int position = -1,
             const AirWindow& window = AirWindow());
    // An item's time on air as its row shows it; `caption`: its caption on air, or null.
    RowAirTime airTimeOf(const CKirunData& item, const ScheduledCaption* caption) const;
    void putCutIn(LaneSlot& slot, const std::wstring& text, int minutes, bool afterCurrent);
    // The next waiting cut-in of the lane, once none is on air there.
    void nextCutIn(LaneSlot& slot, bool afterCurrent);
    // The line a caption going on air is written to the standard output with (the index it has
    // always been reported by).
    void printOnAir(CaptionId id, bool cutIn) const;
    void changed(int lane = 0, int position = -1) {
        ++m_version;
        tell(ShowChange{ShowChange::What::kState, lane, caption_ids::kNone, position});
    }
    void tell(const ShowChange& change);

    CaptionList m_captions;
    std::vector<std::unique_ptr<LaneSlot>> m_lanes;
    std::vector<ShowListener*> m_listeners;
    std::vector<SourceRow> m_sourceRows;
    const MonotonicClock& m_clock;
    const WallClock* m_wall = nullptr;
    // Items whose window or plays ran out, until they go on air again or are edited (終了).
    std::unordered_set<CaptionId> m_airOver;
    unsigned long long m_version = 1;
};
