#include "control/KirunController.h"

#include <algorithm>
#include <cstdio>
#include <utility>
#include <vector>

#include "framework/WideText.h"
#include "model/AppearanceRules.h"
#include "model/SettingsFile.h"
#include "show/CaptionKinds.h"

namespace {
// The lane a command acts on: the one it names, or unnamed lane 1 (every lane for a command
// that clears). Lane 1 for a command on a list item (it goes on the item's lane) or the list.
int laneOf(const CaptionCommand& command) {
    switch (command.kind) {
    case CaptionCommand::kClearAll:
    case CaptionCommand::kClearNow:
        return command.lane == CaptionCommand::kLaneUnnamed ? CaptionCommand::kEveryLane : command.lane;
    case CaptionCommand::kShowText:
    case CaptionCommand::kShowStrip:
    case CaptionCommand::kCutIn:
    case CaptionCommand::kEndCutIn:
        return command.lane == CaptionCommand::kLaneUnnamed ? 1 : command.lane;
    default:
        return 1;
    }
}

// Whether the list entry at `position` still holds the caption a command named (any, for kNone).
bool holdsCaption(const CaptionList& captions, int position, CaptionId id) {
    return id == caption_ids::kNone || captions.at(position).m_id == id;
}

// The list entry an add or change command from outside describes.
CKirunData itemOf(const CaptionCommand& command) {
    CKirunData item(command.text, command.minutes);
    item.m_window = command.window;
    return item;
}

}  // namespace

KirunController::KirunController(OperatorMessages& messages, StartOptions start, Show& show, StripControl& strips,
                                 WatchedFile& watchedFile)
    : m_messages(messages), m_start(std::move(start)), m_show(show), m_strips(strips), m_watchedFile(watchedFile),
      m_settings(settingsFilePath()), m_autoExit(m_start.batchMode ? 1 : 0) {
    m_show.addListener(this);
    m_watchedFile.setTextFound([this](const std::wstring& text) { showFileText(text); });
}

KirunController::~KirunController() {
    // The show and the watched file outlive the controller: they must not report to it.
    m_show.removeListener(this);
    m_watchedFile.setTextFound(nullptr);
}

void KirunController::loadSettings() {
    if (m_settingsLoaded) return;
    m_settingsLoaded = true;
    m_settings.load(m_show.captionList());
    m_watchedFile.setFile(fileInterface().fileExec, fileInterface().filePath);
}

KirunController::StartReport KirunController::start() {
    StartReport report;
    loadSettings();

    LaneLook& look = m_settings.look(1);
    applyFontChoice(look.logFont, look.sizeChoice);
    m_stripsMade = m_strips.startStrips(look);
    // Strips that could not be made show nothing: the status line tells 表示OFF.
    m_show.setShown(1, m_stripsMade);
    matchLanes();
    if (m_looksChanged) m_looksChanged();
    if (m_start.batchMode) putBatchOnAir();
    for (const CaptionCommand& command : m_start.commands) runCommand(command);
    // With nothing to roll, no end of rolling would ever come to end the hidden program.
    report.nothingOnAir = m_start.batchMode && m_show.nothingOnAir();
    return report;
}

bool KirunController::putBatchOnAir() {
    // However many numbers the command line holds, the list is shown again once.
    return m_stripsMade && m_show.putNumbersOnAir(m_start.captionNumbers);
}

void KirunController::stop() {
    m_sources = nullptr;
    m_strips.stopStrips();
    m_watchedFile.stop();
}

void KirunController::reportUnreadableSettings() {
    // A batch run has no visible window to own a message box.
    m_settings.reportUnreadable(m_start.batchMode, m_messages);
}

void KirunController::readSettingsAgain() {
    const unsigned changed = m_settings.changedParts();
    if (!m_settings.guarded() || !takeSettingsFileAgain(nullptr)) return;
    // What the operator changed while the file could not be read is kept now. No box opens on
    // its own: a failure shows in the status line, and the next save at the PC tells of it.
    if (changed != 0) saveSettings(0, Who::Outside);
}

bool KirunController::takeSettingsFileAgain(OperatorMessages* ask) {
    StoredSettings settings;
    if (!m_settings.readAgain(m_show.captionList(), settings, ask)) return false;
    if (!sameCaptions(settings.captions, m_show.captionList())) m_show.replaceList(std::move(settings.captions));
    const FileInterfaceSettings& kept = fileInterface();
    const HttpSettings& http = settings.fileInterface.http;
    const bool remoteChanged = http.port != kept.http.port || http.address != kept.http.address ||
                               http.token != kept.http.token || settings.fileInterface.oscFeedback != kept.oscFeedback;
    // The watched file and the sources are compared with what they were before they are taken.
    const FileInterfaceSettings fileSettings = settings.fileInterface;
    settings.fileInterface = kept;
    m_settings.take(settings);
    applyAppearance();
    takeFileInterface(fileSettings);
    if (remoteChanged && m_remoteChanged) m_remoteChanged();
    return true;
}

void KirunController::endNothingOnAir() {
    m_exitCode = kExitNothingOnAir;
    closeProgram();
}

bool KirunController::saveSettings(unsigned parts, Who who) {
    // Only the operator at the PC sees a box: a command from outside never waits on one.
    OperatorMessages& messages = who == Who::Operator ? m_messages : noMessages();
    m_settings.changed(parts);
    if (m_settings.guarded()) takeSettingsFileAgain(who == Who::Operator ? &messages : nullptr);
    return m_settings.save(m_show.captionList(), messages);
}

bool KirunController::listEdited(Who who) {
    return saveSettings(settings_parts::kList, who);
}

void KirunController::putOnAir(int position) {
    if (m_stripsMade) m_show.putOnAir(position);
}

bool KirunController::takeOffAir(int position) {
    return m_show.takeOffAir(position);
}

bool KirunController::showStrip(int lane, bool shown) {
    // Shown without activation: the operator's window keeps the focus.
    if (!m_show.setShown(lane, shown)) return false;
    return true;
}

void KirunController::addItem(const CKirunData& item) {
    m_show.addItem(item);
    listEdited(Who::Operator);
}

void KirunController::changeItem(int position, const CKirunData& edited) {
    if (m_show.changeItem(position, edited)) listEdited(Who::Operator);
}

void KirunController::deleteItem(int position) {
    if (m_show.deleteItem(position)) listEdited(Who::Operator);
}

void KirunController::setAppearance(const LaneLook& appearance, const ShowRules& rules) {
    m_settings.setLook(1, appearance);
    m_settings.rules() = rules;
    saveSettings(settings_parts::kLook, Who::Operator);
    applyAppearance();  // lays the strip out again
}

void KirunController::setWindowSize(int width, int height) {
    if (m_settings.setWindowSize(width, height)) saveSettings(settings_parts::kWindow, Who::Operator);
}

void KirunController::setLanes(const std::vector<LaneLook>& looks, const std::vector<int>& origins, int cutInAfterCurrent) {
    // Lanes gone, the last first so that the numbers of those before stay as they are: their
    // items go to lane 1, on air there again if they were on air.
    for (int old = m_settings.laneCount(); old >= 2; --old) {
        if (std::find(origins.begin(), origins.end(), old) != origins.end()) continue;
        const CaptionList& captions = m_show.captionList();
        std::vector<int> onAir;
        for (int position = 0; position < captions.count(); ++position)
            if (captions.at(position).m_lane == old && m_show.onAir(position)) onAir.push_back(position);
        m_strips.removeLane(old);
        m_show.laneRemoved(old);
        m_settings.removeLane(old);
        for (int position : onAir) m_show.putOnAir(position);
    }
    for (size_t i = 0; i < looks.size() && static_cast<int>(i) < kMaxLanes; ++i) {
        const int number = static_cast<int>(i) + 1;
        if (number > m_settings.laneCount() && m_settings.addLane() == 0) break;
        m_settings.setLook(number, looks[i]);
    }
    m_settings.rules().cutInAfterCurrent = cutInAfterCurrent;
    saveSettings(settings_parts::kLook | settings_parts::kList, Who::Operator);
    applyAppearance();  // lays every lane's strips out again, and makes those of added lanes
}

void KirunController::setItemLane(int position, int lane) {
    if (!m_show.hasLane(lane) || !m_show.captionList().contains(position) ||
        m_show.captionList().at(position).m_lane == lane)
        return;
    m_show.setItemLane(position, lane);
    listEdited(Who::Operator);
}

void KirunController::matchLanes() {
    if (!m_stripsMade) return;
    while (m_show.laneCount() > m_settings.laneCount() && m_strips.removeLane(m_show.laneCount())) {
    }
    for (int number = m_show.laneCount() + 1; number <= m_settings.laneCount(); ++number) {
        LaneLook& look = m_settings.look(number);
        applyFontChoice(look.logFont, look.sizeChoice);
        if (m_strips.addLane(look) == 0) break;
    }
}

void KirunController::applyAppearance() {
    if (!m_stripsMade) return;
    matchLanes();
    for (int number = 1; number <= m_show.laneCount(); ++number) {
        LaneLook& look = m_settings.look(number);
        applyFontChoice(look.logFont, look.sizeChoice);
        m_strips.applyLook(number, look);
        // A new look shows the strips the operator hid.
        m_show.setShown(number, true);
    }
    if (m_looksChanged) m_looksChanged();
}

void KirunController::setFileInterface(const FileInterfaceSettings& settings) {
    takeFileInterface(settings);
    saveSettings(settings_parts::kWatchedFile, Who::Operator);
}

void KirunController::takeFileInterface(const FileInterfaceSettings& settings) {
    FileInterfaceSettings& kept = m_settings.fileInterface();
    const bool pathChanged = settings.filePath != kept.filePath;
    const bool sourcesChanged = settings.sources.size() != kept.sources.size() ||
                                !std::equal(settings.sources.begin(), settings.sources.end(), kept.sources.begin());
    // The file's caption goes with the file: switching the interface off or watching another
    // file takes it off air.
    if (settings.fileExec == 0 || pathChanged) m_show.takeOffAir(caption_ids::kFile);
    kept = settings;
    m_watchedFile.setFile(settings.fileExec, settings.filePath);
    if (sourcesChanged && m_sources && m_stripsMade) m_sources->applySources(kept.sources);
}

void KirunController::setRemote(const HttpSettings& settings) {
    m_settings.fileInterface().http = settings;
    saveSettings(settings_parts::kRemote, Who::Operator);
    if (m_remoteChanged) m_remoteChanged();
}

void KirunController::showFileText(const std::wstring& text) {
    if (!m_stripsMade) return;
    const int lane = fileInterface().fileLane;
    m_show.showFileCaption(m_show.hasLane(lane) ? lane : 1, text, fileInterface().fileMinute);
}

CommandResult KirunController::runCommand(const CaptionCommand& command) {
    const int position = command.number - 1;
    const CaptionList& captions = m_show.captionList();
    // Nothing is done for a lane the show does not hold; an item goes on the lane it names.
    const int lane = laneOf(command);
    if (lane != CaptionCommand::kEveryLane && !m_show.hasLane(lane)) return CommandResult::kNoSuchLane;
    switch (command.kind) {
    case CaptionCommand::kShowItem:
        if (!captions.contains(position)) return CommandResult::kNoSuchItem;
        if (m_stripsMade) m_show.putOnAir(position);
        break;
    case CaptionCommand::kHideItem:
        if (!captions.contains(position)) return CommandResult::kNoSuchItem;
        m_show.takeOffAir(position);
        break;
    case CaptionCommand::kClearAll:
        takeEverythingOffAir(lane);
        break;
    case CaptionCommand::kClearNow:
        clearNow(lane);
        break;
    case CaptionCommand::kShowText:
        if (!m_stripsMade) break;
        for (int each = 1; each <= m_show.laneCount(); ++each)
            if (lane == each || lane == CaptionCommand::kEveryLane)
                m_show.showFreeText(each, fw::WithoutLineBreaks(command.text), command.minutes);
        break;
    case CaptionCommand::kShowStrip:
        showStrip(lane, command.number != 0);
        break;
    case CaptionCommand::kCutIn:
        cutIn(command.text, command.minutes, lane);
        break;
    case CaptionCommand::kEndCutIn:
        endCutIn(lane);
        break;
    // A list edit from outside is the page's at once; no box asks or tells at the PC, and the
    // status line says when the settings file could not keep it.
    case CaptionCommand::kAddItem:
        if (captions.full()) return CommandResult::kRefused;
        m_show.addItem(itemOf(command));
        return listEdited(Who::Outside) ? CommandResult::kDone : CommandResult::kDoneUnsaved;
    case CaptionCommand::kChangeItem:
        if (!captions.contains(position)) return CommandResult::kNoSuchItem;
        if (!holdsCaption(captions, position, command.item)) return CommandResult::kItemChanged;
        m_show.changeItem(position, itemOf(command));
        return listEdited(Who::Outside) ? CommandResult::kDone : CommandResult::kDoneUnsaved;
    case CaptionCommand::kDeleteItem:
        if (!captions.contains(position)) return CommandResult::kNoSuchItem;
        if (!holdsCaption(captions, position, command.item)) return CommandResult::kItemChanged;
        m_show.deleteItem(position);
        return listEdited(Who::Outside) ? CommandResult::kDone : CommandResult::kDoneUnsaved;
    case CaptionCommand::kSwitchSource:
        // For this run only: the settings file keeps what the operator set.
        if (!m_sources || !m_sources->switchSource(position, command.minutes != 0)) return CommandResult::kNoSuchItem;
        break;
    default:
        return CommandResult::kRefused;
    }
    return CommandResult::kDone;
}

void KirunController::takeEverythingOffAir(int lane) {
    m_show.takeEverythingOffAir(lane);
    if (m_sources) m_sources->everythingTakenOffAir(lane);
}

void KirunController::clearNow(int lane) {
    takeEverythingOffAir(lane);
    // Rolling ends at once, and is reported as after the last caption had scrolled out.
    m_show.blankNow(lane);
}

bool KirunController::cutIn(const std::wstring& text, int minutes, int lane) {
    const std::wstring line = fw::WithoutLineBreaks(text);
    if (!m_stripsMade || line.empty()) return false;
    bool cut = false;
    for (int each = 1; each <= m_show.laneCount(); ++each)
        if (lane == each || lane == CaptionCommand::kEveryLane)
            cut = m_show.cutIn(each, line, minutes, m_settings.rules().cutInAfterCurrent == 1) || cut;
    return cut;
}

bool KirunController::cutInItem(int position) {
    const CaptionList& captions = m_show.captionList();
    if (!captions.contains(position)) return false;
    const CKirunData& item = captions.at(position);
    // It cuts in on the lane the item goes on air on.
    cutIn(item.m_text, item.m_minutes, m_show.hasLane(item.m_lane) ? item.m_lane : 1);
    return m_stripsMade;
}

bool KirunController::endCutIn(int lane) { return takeOffAir(ShowRow::Kind::CutIn, lane); }

bool KirunController::fileCaptionOnAir(std::wstring& text) const {
    return m_show.captionOnAir(caption_ids::kFile, text);
}

bool KirunController::takeFileCaptionOffAir() { return takeOffAir(ShowRow::Kind::File); }

std::vector<KirunController::OffListCaption> KirunController::offListCaptions() const {
    std::vector<OffListCaption> captions;
    for (int lane = 1; lane <= m_show.laneCount(); ++lane) {
        const Schedule& schedule = m_show.laneOf(lane).schedule();
        for (CaptionId id : kOffListIds) {
            const ScheduledCaption* caption = schedule.find(id);
            if (!caption) continue;
            captions.push_back(OffListCaption{kindOf(id), caption->text, caption->minutes, m_show.tenthsLeft(lane, id)});
        }
    }
    int index = 0;
    for (const SourceRow& source : m_show.sourceRows())
        captions.push_back(OffListCaption{ShowRow::Kind::Source, source.text, 0, -1, index++, source.state});
    return captions;
}

bool KirunController::takeOffAir(ShowRow::Kind kind, int lane) {
    const CaptionId id = idOfKind(kind);
    // The watched file has one caption, on whichever lane it is.
    if (id == caption_ids::kNone || !m_show.takeOffAir(id == caption_ids::kFile ? CaptionCommand::kEveryLane : lane, id))
        return false;
    return true;
}

void KirunController::showChanged(const ShowChange& change) {
    if (change.what != ShowChange::What::kAllRolledOut) return;
    // Once, when the last lane has ended rolling: automatic exit waits for every lane.
    std::printf("ALL ROLL END\n");
    std::fflush(stdout);
    if (m_autoExit == 1) closeProgram();
}

void KirunController::closeProgram() {
    if (m_closeRequested) m_closeRequested();
    std::printf("●●CLOSE\n");
    std::fflush(stdout);
}

std::vector<OverlayLook> KirunController::overlayLooks() const {
    std::vector<OverlayLook> looks;
    looks.reserve(static_cast<std::size_t>(m_show.laneCount()));
    for (int number = 1; number <= m_show.laneCount(); ++number) looks.push_back(m_strips.overlayLook(number));
    return looks;
}
