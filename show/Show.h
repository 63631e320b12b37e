#pragma once
// What is on air, in one place that owns no window: the operator's caption list, the lane
// that shows its captions and the captions that are no list item (the watched file's, a free
// text, the cut-in and the cut-ins waiting for it, the data sources' items), the data sources'
// rows, and a snapshot of all of it for the page and the remote. A caption on air
// is known by its id, so edits of the list never disturb it. It reports the end of captions and
// of rolling to its listeners, with the index each caption has always been reported by.
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "model/CaptionCommand.h"
#include "model/CaptionList.h"
#include "show/CaptionChanges.h"
#include "show/CutInQueue.h"
#include "show/KirunListener.h"
#include "show/Lane.h"
#include "show/ShowListener.h"
#include "show/ShowSnapshot.h"
#include "show/SourceControl.h"
#include "show/StripPort.h"

class Show : private LaneListener {
public:
    // A caption on air as the page shows it: its row (a list position, or the kind of the
    // caption that is no item) and the tenths of a second it has left.
    struct OnAir {
        ShowRow::Kind kind = ShowRow::Kind::Item;
        int position = -1;  // of a list item
        int tenthsLeft = 0;
    };

    Show(StripPort& strips, const MonotonicClock& clock);
    Show(const Show&) = delete;
    Show& operator=(const Show&) = delete;

    void setListeners(CKirunListener* captionEnds, CKirunEndListener* rollingEnd);
    // Called after every change of what the snapshot shows (null: nobody).
    void setObserver(std::function<void()> observer) { m_observer = std::move(observer); }
    // Listeners hear every change, in the order they were added; not owned.
    void addListener(ShowListener* listener);
    void removeListener(ShowListener* listener);
    // The lane the strips keep the clock of.
    Lane& lane() { return m_lane; }
    const Lane& lane() const { return m_lane; }

    CaptionList& captionList() { return m_captions; }
    const CaptionList& captionList() const { return m_captions; }

    // The list item at `position` goes on air (again: its time starts anew); false when there is
    // no such item.
    bool putOnAir(int position);
    // The items of these list numbers (from 1) go on air, each once, in the order of its first
    // number (a number given again would only renew its caption at the same moment); numbers
    // of no item are passed over. Whether any went on air.
    bool putNumbersOnAir(const std::vector<int>& numbers);
    // The item goes off air; false when it was not on air.
    bool takeOffAir(int position);
    bool onAir(int position) const;
    // A text with no list row goes on air under the free text's id (replacing the one there).
    void showFreeText(const std::wstring& text, int minutes);
    // The watched file's text goes on air (or is renewed).
    void showFileCaption(const std::wstring& text, int minutes);
    bool takeOffAir(CaptionId id);
    // The caption with that id as it is on air; false when it is not.
    bool captionOnAir(CaptionId id, std::wstring& text) const;
    // The cut-in (see Lane::cutIn).
    void cutIn(const std::wstring& text, int minutes, bool afterCurrent);
    // A cut-in that waits while one is on air: it cuts in when that one's time is up or it is
    // taken off, after the others waiting before it (each after the pass of the one before).
    void queueCutIn(const std::wstring& text, int minutes, bool afterCurrent);
    size_t cutInsWaiting() const { return m_cutIns.size(); }

    // A data source's items (ids from caption_ids::kFirstSource on) leave, change and join the
    // cycle in one step; reported once.
    void applySourceChanges(const CaptionChanges& changes);
    // The data sources' rows, one for each source in its order.
    void setSourceRows(std::vector<SourceRow> rows);
    void setSourceRow(int index, const SourceRow& row);
    const std::vector<SourceRow>& sourceRows() const { return m_sourceRows; }
    // Every caption goes off air, and no cut-in waits any more; the one on the strip scrolls
    // out. The positions of the list items that were on air, in list order.
    std::vector<int> takeEverythingOffAir();
    // With nothing on air any more, the strips are blank at once; true when rolling was still
    // under way (it has ended now, as after the last caption scrolled out).
    bool blankNow();

    // List edits; a deleted item's caption leaves the air, every other caption stays as it is.
    void addItem(const CKirunData& item);
    bool changeItem(int position, const CKirunData& edited);
    bool deleteItem(int position);
    // The list is replaced whole (read again from the settings file); its items' captions that
    // were on air leave the air.
    void replaceList(CaptionList&& captions);

    // Tenths of a second left for the caption with that id; -1 when it is not on air.
    int tenthsLeft(CaptionId id) const;
    // Every caption on air, in schedule order.
    std::vector<OnAir> captionsOnAir() const;
    void setStripShown(bool shown);
    // Every list row, every caption on air that is no item (a data source's items aside) and a
    // row for each data source.
    ShowSnapshot snapshot() const;
    // The snapshot's row of the list item at `position`, made alone (a change naming one
    // position redraws one row); a row of kind Item and number 0 when there is no such item.
    ShowRow itemRow(int position) const;
    unsigned long long version() const { return m_version; }

    // The index a caption is reported by: its list position, or for the watched file's caption,
    // a free text and the cut-in 60000, 60001 and 60002; -1 for none and a data source's item.
    int indexOf(CaptionId id) const;

private:
    void captionEnded(CaptionId id) override;
    void rollingEnded() override;
    void put(CaptionId id, const std::wstring& text, int minutes);
    // The next waiting cut-in, once none is on air.
    void nextCutIn(bool afterCurrent);
    // `position`: the list position of the only item whose row changed; -1: any rows may have.
    void changed(int position = -1) {
        ++m_version;
        if (m_observer) m_observer();
        tell(ShowChange{ShowChange::What::kState, 1, caption_ids::kNone, position});
    }
    // The list position of an item's caption; -1 for a caption that is no item.
    int itemPosition(CaptionId id) const;
    void tell(const ShowChange& change);

    CaptionList m_captions;
    Lane m_lane;
    CKirunListener* m_captionEnds = nullptr;   // not owned
    CKirunEndListener* m_rollingEnd = nullptr;  // not owned
    std::function<void()> m_observer;
    std::vector<ShowListener*> m_listeners;
    CutInQueue m_cutIns;
    std::vector<SourceRow> m_sourceRows;
    bool m_stripShown = true;
    unsigned long long m_version = 1;
};
