#include "show/Show.h"

#include <algorithm>
#include <cstdio>
#include <unordered_map>
#include <unordered_set>

#include "framework/WideText.h"

namespace {
// The indices captions that are no list item have always been reported by: the list never holds
// more items than the first of them.
constexpr int kFileIndex = 60000;
constexpr int kFreeTextIndex = 60001;
constexpr int kCutInIndex = 60002;

int tenthsOf(long long msLeft) {
    if (msLeft <= 0) return 0;
    return static_cast<int>((msLeft + 99) / 100);
}

ShowRow::Kind kindOf(CaptionId id) {
    if (isSourceCaption(id)) return ShowRow::Kind::Source;
    switch (id) {
    case caption_ids::kFile: return ShowRow::Kind::File;
    case caption_ids::kFreeText: return ShowRow::Kind::FreeText;
    case caption_ids::kCutIn: return ShowRow::Kind::CutIn;
    default: return ShowRow::Kind::Item;
    }
}
int secondsOf(const ScheduledCaption* caption) { return caption ? (tenthsOf(caption->msLeft) + 9) / 10 : -1; }

// The row of a list item numbered `number` (from 1); `onAir`: its caption on air, or null.
ShowRow rowOfItem(const CKirunData& item, int number, const ScheduledCaption* onAir) {
    return ShowRow{ShowRow::Kind::Item, number,       item.m_text, item.m_minutes, onAir != nullptr,
                   secondsOf(onAir),    item.m_id,    item.m_lane};
}
}  // namespace

Show::Show(StripPort& strips, const MonotonicClock& clock) : m_lane(strips, *this, clock) {}

void Show::setListeners(CKirunListener* captionEnds, CKirunEndListener* rollingEnd) {
    m_captionEnds = captionEnds;
    m_rollingEnd = rollingEnd;
}

void Show::addListener(ShowListener* listener) {
    if (listener && std::find(m_listeners.begin(), m_listeners.end(), listener) == m_listeners.end())
        m_listeners.push_back(listener);
}

void Show::removeListener(ShowListener* listener) {
    m_listeners.erase(std::remove(m_listeners.begin(), m_listeners.end(), listener), m_listeners.end());
}

void Show::tell(const ShowChange& change) {
    // A listener may add or remove listeners while it hears the change: those heard are a copy.
    const std::vector<ShowListener*> listeners = m_listeners;
    for (ShowListener* listener : listeners)
        if (std::find(m_listeners.begin(), m_listeners.end(), listener) != m_listeners.end()) listener->showChanged(change);
}

int Show::indexOf(CaptionId id) const {
    switch (id) {
    case caption_ids::kNone: return -1;
    case caption_ids::kFile: return kFileIndex;
    case caption_ids::kFreeText: return kFreeTextIndex;
    case caption_ids::kCutIn: return kCutInIndex;
    default: return isSourceCaption(id) ? -1 : m_captions.positionOf(id);
    }
}

void Show::put(CaptionId id, const std::wstring& text, int minutes) {
    std::printf("CKirunWin::addKirun() index=%d\n", indexOf(id));
    std::fflush(stdout);
    m_lane.addKirun(id, text, minutes);
    changed(itemPosition(id));
}

bool Show::putOnAir(int position) {
    if (!m_captions.contains(position)) return false;
    const CKirunData& item = m_captions.at(position);
    put(item.m_id, fw::WithoutLineBreaks(item.m_text), item.m_minutes);
    return true;
}

bool Show::putNumbersOnAir(const std::vector<int>& numbers) {
    std::vector<bool> sent(static_cast<size_t>(m_captions.count()), false);
    bool anyOnAir = false;
    for (int number : numbers) {
        const int position = number - 1;
        if (!m_captions.contains(position) || sent[static_cast<size_t>(position)]) continue;
        sent[static_cast<size_t>(position)] = true;
        anyOnAir = putOnAir(position) || anyOnAir;
    }
    return anyOnAir;
}

bool Show::takeOffAir(int position) {
    return m_captions.contains(position) && takeOffAir(m_captions.at(position).m_id);
}

bool Show::takeOffAir(CaptionId id) {
    if (!m_lane.remove(id)) return false;
    // A cut-in taken off lets the next waiting one cut in at once.
    if (id == caption_ids::kCutIn) nextCutIn(false);
    changed(itemPosition(id));
    return true;
}

bool Show::onAir(int position) const {
    return m_captions.contains(position) && m_lane.schedule().find(m_captions.at(position).m_id) != nullptr;
}

void Show::showFreeText(const std::wstring& text, int minutes) { put(caption_ids::kFreeText, text, minutes); }

void Show::showFileCaption(const std::wstring& text, int minutes) { put(caption_ids::kFile, text, minutes); }

bool Show::captionOnAir(CaptionId id, std::wstring& text) const {
    const ScheduledCaption* caption = m_lane.schedule().find(id);
    if (!caption) return false;
    text = caption->text;
    return true;
}

void Show::cutIn(const std::wstring& text, int minutes, bool afterCurrent) {
    std::printf("CKirunWin::cutInKirun() index=%d\n", kCutInIndex);
    std::fflush(stdout);
    m_lane.cutIn(text, minutes, afterCurrent);
    changed();
}

void Show::queueCutIn(const std::wstring& text, int minutes, bool afterCurrent) {
    if (m_lane.schedule().find(caption_ids::kCutIn)) {
        m_cutIns.push(text, minutes);
        changed();
        return;
    }
    cutIn(text, minutes, afterCurrent);
}

void Show::nextCutIn(bool afterCurrent) {
    CutInQueue::Waiting next;
    if (m_lane.schedule().find(caption_ids::kCutIn) || !m_cutIns.pop(next)) return;
    std::printf("CKirunWin::cutInKirun() index=%d\n", kCutInIndex);
    std::fflush(stdout);
    m_lane.cutIn(next.text, next.minutes, afterCurrent);
}

void Show::applySourceChanges(const CaptionChanges& changes) {
    if (changes.empty()) return;
    if (!changes.leave.empty()) {
        const std::unordered_set<CaptionId> leaving(changes.leave.begin(), changes.leave.end());
        m_lane.removeWhere([&](CaptionId id) { return leaving.count(id) != 0; });
    }
    // A changed text is put in place of the old one; the pass on the strip keeps the old text.
    std::vector<std::pair<CaptionId, std::wstring>> retexts;
    for (const auto& retext : changes.retext)
        if (m_lane.schedule().find(retext.first)) retexts.push_back(retext);
    m_lane.addCaptions(retexts, 0);
    m_lane.addCaptions(changes.join, 0);
    changed();
}

void Show::setSourceRows(std::vector<SourceRow> rows) {
    if (rows.size() == m_sourceRows.size() && std::equal(rows.begin(), rows.end(), m_sourceRows.begin())) return;
    m_sourceRows = std::move(rows);
    changed();
}

void Show::setSourceRow(int index, const SourceRow& row) {
    if (index < 0 || index >= static_cast<int>(m_sourceRows.size())) return;
    if (m_sourceRows[static_cast<size_t>(index)] == row) return;
    m_sourceRows[static_cast<size_t>(index)] = row;
    changed();
}

std::vector<int> Show::takeEverythingOffAir() {
    m_cutIns.clear();
    std::vector<int> positions;
    for (int position = 0; position < m_captions.count(); ++position)
        if (takeOffAir(position)) positions.push_back(position);
    for (CaptionId id : {caption_ids::kFile, caption_ids::kFreeText, caption_ids::kCutIn}) takeOffAir(id);
    // The data sources' items, last, in one pass: they may be thousands.
    if (m_lane.removeWhere(isSourceCaption) > 0) changed();
    return positions;
}

bool Show::blankNow() {
    const bool ended = m_lane.blank();
    changed();
    return ended;
}

void Show::addItem(const CKirunData& item) {
    m_captions.append(item);
    changed();
}

bool Show::changeItem(int position, const CKirunData& edited) {
    if (!m_captions.replaceAt(position, edited)) return false;
    changed();
    return true;
}

bool Show::deleteItem(int position) {
    if (!m_captions.contains(position)) return false;
    m_lane.remove(m_captions.at(position).m_id);
    m_captions.eraseAt(position);
    changed();
    return true;
}

void Show::replaceList(CaptionList&& captions) {
    for (const CKirunData& item : m_captions) m_lane.remove(item.m_id);
    // Appended to this list, the new items get ids after those given so far: none stands for
    // an item that went.
    while (m_captions.count() > 0) m_captions.eraseAt(m_captions.count() - 1);
    m_captions.reserve(captions.count());
    for (const CKirunData& item : captions) m_captions.append(item);
    changed();
}

int Show::tenthsLeft(CaptionId id) const {
    const ScheduledCaption* caption = m_lane.schedule().find(id);
    return caption ? tenthsOf(caption->msLeft) : -1;
}

std::vector<Show::OnAir> Show::captionsOnAir() const {
    std::vector<OnAir> onAir;
    const Schedule& schedule = m_lane.schedule();
    onAir.reserve(static_cast<size_t>(schedule.count()));
    for (int i = 0; i < schedule.count(); ++i) {
        const ScheduledCaption& caption = schedule.at(i);
        OnAir entry;
        entry.kind = kindOf(caption.id);
        entry.position = entry.kind == ShowRow::Kind::Item ? m_captions.positionOf(caption.id) : -1;
        entry.tenthsLeft = tenthsOf(caption.msLeft);
        onAir.push_back(entry);
    }
    return onAir;
}

void Show::setStripShown(bool shown) {
    if (shown == m_stripShown) return;
    m_stripShown = shown;
    changed();
}

int Show::itemPosition(CaptionId id) const {
    return kindOf(id) == ShowRow::Kind::Item ? m_captions.positionOf(id) : -1;
}

ShowRow Show::itemRow(int position) const {
    if (!m_captions.contains(position)) return ShowRow{};
    const CKirunData& item = m_captions.at(position);
    return rowOfItem(item, position + 1, m_lane.schedule().find(item.m_id));
}

ShowSnapshot Show::snapshot() const {
    ShowSnapshot snapshot;
    snapshot.version = m_version;
    snapshot.stripShown = m_stripShown;
    snapshot.rows.reserve(static_cast<size_t>(m_captions.count()) + 3 + m_sourceRows.size());
    const Schedule& schedule = m_lane.schedule();
    std::unordered_map<CaptionId, const ScheduledCaption*> onAir;
    for (int i = 0; i < schedule.count(); ++i) onAir.emplace(schedule.at(i).id, &schedule.at(i));
    auto find = [&](CaptionId id) -> const ScheduledCaption* {
        const auto found = onAir.find(id);
        return found == onAir.end() ? nullptr : found->second;
    };
    int number = 0;
    for (const CKirunData& item : m_captions) snapshot.rows.push_back(rowOfItem(item, ++number, find(item.m_id)));
    for (CaptionId id : {caption_ids::kFile, caption_ids::kCutIn, caption_ids::kFreeText}) {
        const ScheduledCaption* caption = find(id);
        if (!caption) continue;
        if (id == caption_ids::kCutIn) snapshot.cutInRow = static_cast<int>(snapshot.rows.size());
        snapshot.rows.push_back(ShowRow{kindOf(id), 0, caption->text, caption->minutes, true, secondsOf(caption), caption_ids::kNone});
    }
    int sourceNumber = 0;
    for (const SourceRow& source : m_sourceRows)
        snapshot.rows.push_back(ShowRow{ShowRow::Kind::Source, ++sourceNumber, source.text, 0,
                                        source.state == SourceRow::State::OnAir || source.state == SourceRow::State::Watching, -1,
                                        caption_ids::kNone});
    return snapshot;
}

void Show::captionEnded(CaptionId id) {
    // The next waiting cut-in follows once this one's pass is over.
    if (id == caption_ids::kCutIn) nextCutIn(true);
    changed(itemPosition(id));
    if (m_captionEnds) m_captionEnds->onKirunEnd(indexOf(id));
    tell(ShowChange{ShowChange::What::kCaptionEnded, 1, id, -1});
}

void Show::rollingEnded() {
    if (m_rollingEnd) m_rollingEnd->onAllRollEnd();
    tell(ShowChange{ShowChange::What::kLaneRolledOut, 1, caption_ids::kNone, -1});
    tell(ShowChange{ShowChange::What::kAllRolledOut, 1, caption_ids::kNone, -1});
}
