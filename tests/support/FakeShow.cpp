#include "FakeShow.h"

#include "framework/Lock.h"

FakeShow::FakeShow(std::vector<Item> items, std::function<unsigned long long()> clock)
    : m_clock(clock ? std::move(clock) : [] { return static_cast<unsigned long long>(GetTickCount64()); }) {
    InitializeCriticalSection(&m_lock);
    InitializeConditionVariable(&m_published);
    for (Item& item : items) m_items.push_back(OnAir{std::move(item.text), item.minutes, 0});
    m_snapshot = std::make_shared<ShowSnapshot>();
    fw::Lock lock(m_lock);
    publish();
}

FakeShow::~FakeShow() { DeleteCriticalSection(&m_lock); }

void FakeShow::enter(int lane, const std::wstring& text, bool fromBlank) {
    LaneEntry& entry = m_entries[static_cast<std::size_t>(lane - 1)];
    entry = LaneEntry{!text.empty(), ++m_entryCount, text, !fromBlank && entry.rolling && !text.empty(), fromBlank,
                      static_cast<int>(text.size()) * 24};
}

ShowRow FakeShow::rowOf(ShowRow::Kind kind, int number, const OnAir& state, unsigned long long now) const {
    ShowRow row;
    row.kind = kind;
    row.number = number;
    row.text = state.text;
    row.minutes = state.minutes;
    row.lane = state.lane;
    row.onAir = state.untilMs > now;
    row.secondsLeft = row.onAir ? static_cast<int>((state.untilMs - now + 999) / 1000) : -1;
    return row;
}

void FakeShow::publish() {
    const unsigned long long now = m_clock();
    auto next = std::make_shared<ShowSnapshot>();
    next->stripShown = m_laneShown[0];
    for (std::size_t i = 0; i < m_items.size(); ++i)
        next->rows.push_back(rowOf(ShowRow::Kind::Item, static_cast<int>(i + 1), m_items[i], now));
    if (m_cutIn.untilMs > now) {
        next->cutInRow = static_cast<int>(next->rows.size());
        next->rows.push_back(rowOf(ShowRow::Kind::CutIn, 0, m_cutIn, now));
    }
    if (m_freeText.untilMs > now) next->rows.push_back(rowOf(ShowRow::Kind::FreeText, 0, m_freeText, now));
    for (int lane = 1; m_laneShown.size() > 1 && lane <= static_cast<int>(m_laneShown.size()); ++lane)
        next->lanes.push_back(LaneState{lane, L"", m_laneShown[static_cast<std::size_t>(lane - 1)],
                                        m_cutIn.untilMs > now && m_cutIn.lane == lane});
    next->entries = m_entries;
    next->looks.assign(m_entries.size(), OverlayLook{L"ＭＳ Ｐゴシック", 24, 700, false, 0x00FFFF, 0, false, false, 0, 100,
                                                     L"", 120, 1280, 30});
    next->version = m_snapshot->version + 1;
    m_snapshot = next;
    WakeAllConditionVariable(&m_published);
}

void FakeShow::tick() {
    fw::Lock lock(m_lock);
    const unsigned long long now = m_clock();
    bool changed = false;
    for (const ShowRow& row : m_snapshot->rows) {
        const int left = row.onAir ? row.secondsLeft : -1;
        const OnAir* state = row.kind == ShowRow::Kind::Item     ? &m_items[static_cast<std::size_t>(row.number - 1)]
                             : row.kind == ShowRow::Kind::CutIn ? &m_cutIn
                                                                : &m_freeText;
        const int nowLeft = state->untilMs > now ? static_cast<int>((state->untilMs - now + 999) / 1000) : -1;
        changed = changed || nowLeft != left;
    }
    if (changed) publish();
}

CommandResult FakeShow::apply(const CaptionCommand& command) {
    const unsigned long long now = m_clock();
    const std::size_t index = static_cast<std::size_t>(command.number - 1);
    const bool item = command.number >= 1 && index < m_items.size();
    const int laneCount = static_cast<int>(m_laneShown.size());
    if (command.lane > laneCount) return CommandResult::kNoSuchLane;
    const int lane = command.lane >= 1 ? command.lane : 1;
    switch (command.kind) {
    case CaptionCommand::kShowItem:
    case CaptionCommand::kHideItem:
    case CaptionCommand::kChangeItem:
    case CaptionCommand::kDeleteItem:
        if (!item) return CommandResult::kNoSuchItem;
        break;
    default:
        break;
    }
    switch (command.kind) {
    case CaptionCommand::kShowItem:
        m_items[index].untilMs = now + static_cast<unsigned long long>(m_items[index].minutes) * 60000;
        enter(1, m_items[index].text, false);
        break;
    case CaptionCommand::kHideItem: m_items[index].untilMs = 0; break;
    case CaptionCommand::kClearAll:
    case CaptionCommand::kClearNow:
        for (OnAir& state : m_items) state.untilMs = 0;
        m_freeText.untilMs = m_cutIn.untilMs = 0;
        if (command.kind == CaptionCommand::kClearNow)
            for (int each = 1; each <= laneCount; ++each) enter(each, std::wstring(), true);
        break;
    case CaptionCommand::kShowText:
        m_freeText = OnAir{command.text, command.minutes, now + static_cast<unsigned long long>(command.minutes) * 60000, lane};
        enter(lane, command.text, false);
        break;
    case CaptionCommand::kCutIn:
        m_cutIn = OnAir{command.text, command.minutes, now + static_cast<unsigned long long>(command.minutes) * 60000, lane};
        enter(lane, command.text, true);
        break;
    case CaptionCommand::kEndCutIn: m_cutIn.untilMs = 0; break;
    case CaptionCommand::kShowStrip:
        if (command.lane == CaptionCommand::kEveryLane) m_laneShown.assign(m_laneShown.size(), command.number != 0);
        else m_laneShown[static_cast<std::size_t>(lane - 1)] = command.number != 0;
        break;
    case CaptionCommand::kAddItem: m_items.push_back(OnAir{command.text, command.minutes, 0}); break;
    case CaptionCommand::kChangeItem:
        m_items[index].text = command.text;
        m_items[index].minutes = command.minutes;
        break;
    case CaptionCommand::kDeleteItem: m_items.erase(m_items.begin() + static_cast<std::ptrdiff_t>(index)); break;
    default: return CommandResult::kRefused;
    }
    publish();
    return CommandResult::kDone;
}

ShowAccess::Outcome FakeShow::run(const CaptionCommand& command, DWORD timeoutMs) {
    Outcome outcome;
    {
        fw::Lock lock(m_lock);
        m_commands.push_back(command);
        if (!m_stalled) {
            outcome.result = apply(command);
            outcome.carriedOut = true;
            outcome.snapshot = m_snapshot;
            return outcome;
        }
    }
    Sleep(timeoutMs);
    outcome.snapshot = snapshot();
    return outcome;
}

void FakeShow::post(const CaptionCommand& command) {
    fw::Lock lock(m_lock);
    m_commands.push_back(command);
    apply(command);
}

std::shared_ptr<const ShowSnapshot> FakeShow::snapshot() const {
    fw::Lock lock(m_lock);
    return m_snapshot;
}

std::shared_ptr<const ShowSnapshot> FakeShow::waitNewer(unsigned long long version, DWORD timeoutMs) {
    const unsigned long long until = GetTickCount64() + timeoutMs;
    fw::Lock lock(m_lock);
    while (m_snapshot->version <= version) {
        const unsigned long long now = GetTickCount64();
        if (now >= until) break;
        SleepConditionVariableCS(&m_published, &m_lock, static_cast<DWORD>(until - now));
    }
    return m_snapshot;
}

void FakeShow::setLaneCount(int count) {
    fw::Lock lock(m_lock);
    m_laneShown.resize(static_cast<std::size_t>(count < 1 ? 1 : count), true);
    m_entries.resize(m_laneShown.size());
    publish();
}

void FakeShow::setStalled(bool stalled) {
    fw::Lock lock(m_lock);
    m_stalled = stalled;
}

std::vector<CaptionCommand> FakeShow::commands() const {
    fw::Lock lock(m_lock);
    return m_commands;
}
