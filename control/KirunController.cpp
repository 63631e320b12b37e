#include "control/KirunController.h"

#include <algorithm>
#include <cstdio>
#include <utility>
#include <vector>

#include "framework/WideText.h"
#include "model/AppearanceRules.h"
#include "model/SettingsFile.h"

namespace {
// The captions that are no list item, in the order of their rows on the page.
const ShowRow::Kind kOffListKinds[] = {ShowRow::Kind::File, ShowRow::Kind::CutIn, ShowRow::Kind::FreeText};

CaptionId idOfKind(ShowRow::Kind kind) {
    switch (kind) {
    case ShowRow::Kind::File: return caption_ids::kFile;
    case ShowRow::Kind::CutIn: return caption_ids::kCutIn;
    case ShowRow::Kind::FreeText: return caption_ids::kFreeText;
    default: return caption_ids::kNone;
    }
}

// Whether the list entry at `position` still holds the caption a command named (any, for kNone).
bool holdsCaption(const CaptionList& captions, int position, CaptionId id) {
    return id == caption_ids::kNone || captions.at(position).m_id == id;
}
}  // namespace

KirunController::KirunController(ControllerEvents& events, StartOptions start, Show& show, StripControl& strips,
                                 WatchedFile& watchedFile)
    : m_events(events), m_start(std::move(start)), m_show(show), m_strips(strips), m_watchedFile(watchedFile),
      m_settings(settingsFilePath()), m_autoExit(m_start.batchMode ? 1 : 0) {
    m_show.setListeners(this, this);
    m_watchedFile.setTextFound([this](const std::wstring& text) { showFileText(text); });
}

KirunController::~KirunController() {
    // The show and the watched file outlive the controller: they must not report to it.
    m_show.setListeners(nullptr, nullptr);
    m_watchedFile.setTextFound(nullptr);
}

KirunController::StartReport KirunController::start() {
    StartReport report;
    m_settings.load(m_show.captionList());
    m_events.listChanged();
    m_watchedFile.setFile(fileInterface().fileExec, fileInterface().filePath);

    LaneLook& look = m_settings.look(1);
    applyFontChoice(look.logFont, look.sizeChoice);
    m_stripsMade = m_strips.startStrips(look);
    m_show.setStripShown(m_stripsMade);
    if (m_start.batchMode && putBatchOnAir()) m_events.listChanged();
    for (const CaptionCommand& command : m_start.commands) runCommand(command);
    // With nothing to roll, no end of rolling would ever come to end the hidden program.
    report.nothingOnAir = m_start.batchMode && m_show.lane().schedule().empty();
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
    m_settings.reportUnreadable(m_start.batchMode, m_events);
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
    m_events.listChanged();
    if (remoteChanged && m_remoteChanged) m_remoteChanged();
    return true;
}

void KirunController::endNothingOnAir() {
    m_exitCode = kExitNothingOnAir;
    closeProgram();
}

bool KirunController::saveSettings(unsigned parts, Who who) {
    // Only the operator at the PC sees a box: a command from outside never waits on one.
    OperatorMessages& messages = who == Who::Operator ? static_cast<OperatorMessages&>(m_events) : noMessages();
    m_settings.changed(parts);
    if (m_settings.guarded()) takeSettingsFileAgain(who == Who::Operator ? &messages : nullptr);
    return m_settings.save(m_show.captionList(), messages);
}

bool KirunController::listEdited(Who who) {
    m_events.listChanged();
    return saveSettings(settings_parts::kList, who);
}

void KirunController::putOnAir(int position) {
    if (m_stripsMade && m_show.putOnAir(position)) m_events.listChanged();
}

bool KirunController::takeOffAir(int position) {
    if (!m_show.takeOffAir(position)) return false;
    m_events.listChanged();
    return true;
}

void KirunController::showStrip(bool shown) {
    // Shown without activation: the operator's window keeps the focus.
    m_strips.showStrips(shown);
    m_show.setStripShown(m_strips.stripsShown());
    m_events.stripShownChanged(m_strips.stripsShown());
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

void KirunController::setAppearance(const LaneLook& appearance) {
    // The dialog's look, with the window's size as it is now.
    m_settings.setLook(1, appearance);
    saveSettings(settings_parts::kLook, Who::Operator);
    applyAppearance();  // lays the strip out again
}

void KirunController::setWindowSize(int width, int height) {
    if (m_settings.setWindowSize(width, height)) saveSettings(settings_parts::kWindow, Who::Operator);
}

void KirunController::applyAppearance() {
    if (!m_stripsMade) return;
    LaneLook& look = m_settings.look(1);
    applyFontChoice(look.logFont, look.sizeChoice);
    m_strips.applyAppearance(look);
    m_show.setStripShown(m_strips.stripsShown());
    m_events.stripShownChanged(m_strips.stripsShown());
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
    if ((settings.fileExec == 0 || pathChanged) && m_show.takeOffAir(caption_ids::kFile))
        m_events.offListCaptionsChanged();
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
    m_show.showFileCaption(text, fileInterface().fileMinute);
    m_events.offListCaptionsChanged();
}

CommandResult KirunController::runCommand(const CaptionCommand& command) {
    const int position = command.number - 1;
    const CaptionList& captions = m_show.captionList();
    switch (command.kind) {
    case CaptionCommand::kShowItem:
        if (!captions.contains(position)) return CommandResult::kNoSuchItem;
        if (m_stripsMade && m_show.putOnAir(position)) m_events.rowChanged(position);
        break;
    case CaptionCommand::kHideItem:
        if (!captions.contains(position)) return CommandResult::kNoSuchItem;
        if (m_show.takeOffAir(position)) m_events.rowChanged(position);
        break;
    case CaptionCommand::kClearAll:
        takeEverythingOffAir();
        break;
    case CaptionCommand::kClearNow:
        clearNow();
        break;
    case CaptionCommand::kShowText:
        if (!m_stripsMade) break;
        m_show.showFreeText(fw::WithoutLineBreaks(command.text), command.minutes);
        m_events.offListCaptionsChanged();
        break;
    case CaptionCommand::kShowStrip:
        showStrip(command.number != 0);
        break;
    case CaptionCommand::kCutIn:
        cutIn(command.text, command.minutes);
        break;
    case CaptionCommand::kEndCutIn:
        endCutIn();
        break;
    // A list edit from outside is the page's at once; no box asks or tells at the PC, and the
    // status line says when the settings file could not keep it.
    case CaptionCommand::kAddItem:
        if (captions.full()) return CommandResult::kRefused;
        m_show.addItem(CKirunData(command.text, command.minutes));
        return listEdited(Who::Outside) ? CommandResult::kDone : CommandResult::kDoneUnsaved;
    case CaptionCommand::kChangeItem:
        if (!captions.contains(position)) return CommandResult::kNoSuchItem;
        if (!holdsCaption(captions, position, command.item)) return CommandResult::kItemChanged;
        m_show.changeItem(position, CKirunData(command.text, command.minutes));
        return listEdited(Who::Outside) ? CommandResult::kDone : CommandResult::kDoneUnsaved;
    case CaptionCommand::kDeleteItem:
        if (!captions.contains(position)) return CommandResult::kNoSuchItem;
        if (!holdsCaption(captions, position, command.item)) return CommandResult::kItemChanged;
        m_show.deleteItem(position);
        return listEdited(Who::Outside) ? CommandResult::kDone : CommandResult::kDoneUnsaved;
    case CaptionCommand::kSwitchSource:
        // For this run only: the settings file keeps what the operator set.
        if (!m_sources || !m_sources->switchSource(position, command.minutes != 0)) return CommandResult::kNoSuchItem;
        m_events.offListCaptionsChanged();
        break;
    default:
        return CommandResult::kRefused;
    }
    return CommandResult::kDone;
}

void KirunController::takeEverythingOffAir() {
    const bool offListOnAir = !offListCaptions().empty();
    for (int position : m_show.takeEverythingOffAir()) m_events.rowChanged(position);
    if (m_sources) m_sources->everythingTakenOffAir();
    if (offListOnAir) m_events.offListCaptionsChanged();
}

void KirunController::clearNow() {
    takeEverythingOffAir();
    // Rolling has ended, as after the last caption had scrolled out.
    if (m_show.blankNow()) onAllRollEnd();
}

void KirunController::cutIn(const std::wstring& text, int minutes) {
    const std::wstring line = fw::WithoutLineBreaks(text);
    if (!m_stripsMade || line.empty()) return;
    m_show.cutIn(line, minutes, m_settings.look(1).cutInAfterCurrent == 1);
    m_events.offListCaptionsChanged();
}

bool KirunController::cutInItem(int position) {
    const CaptionList& captions = m_show.captionList();
    if (!captions.contains(position)) return false;
    const CKirunData& item = captions.at(position);
    cutIn(item.m_text, item.m_minutes);
    return m_stripsMade;
}

bool KirunController::endCutIn() { return takeOffAir(ShowRow::Kind::CutIn); }

bool KirunController::cutInOnAir() const { return m_show.lane().schedule().find(caption_ids::kCutIn) != nullptr; }

bool KirunController::fileCaptionOnAir(std::wstring& text) const {
    return m_show.captionOnAir(caption_ids::kFile, text);
}

bool KirunController::takeFileCaptionOffAir() { return takeOffAir(ShowRow::Kind::File); }

std::vector<KirunController::OffListCaption> KirunController::offListCaptions() const {
    std::vector<OffListCaption> captions;
    for (ShowRow::Kind kind : kOffListKinds) {
        const ScheduledCaption* caption = m_show.lane().schedule().find(idOfKind(kind));
        if (!caption) continue;
        captions.push_back(OffListCaption{kind, caption->text, caption->minutes, m_show.tenthsLeft(caption->id)});
    }
    int index = 0;
    for (const SourceRow& source : m_show.sourceRows())
        captions.push_back(OffListCaption{ShowRow::Kind::Source, source.text, 0, -1, index++, source.state});
    return captions;
}

bool KirunController::takeOffAir(ShowRow::Kind kind) {
    const CaptionId id = idOfKind(kind);
    if (id == caption_ids::kNone || !m_show.takeOffAir(id)) return false;
    m_events.offListCaptionsChanged();
    return true;
}

void KirunController::onKirunEnd(int index) {
    // The watched file's caption, the free text and the cut-in are reported by indices beyond
    // every list position (a cut-in waiting may have taken the place of the one that ended).
    if (!m_show.captionList().contains(index)) {
        m_events.offListCaptionsChanged();
        return;
    }
    // Only the row's state changes: many captions may end in one tick, and showing the whole
    // list again for each would cost the number of rows again per caption.
    m_events.rowChanged(index);
}

void KirunController::onAllRollEnd() {
    std::printf("ALL ROLL END\n");
    std::fflush(stdout);
    if (m_autoExit == 1) closeProgram();
}

void KirunController::closeProgram() {
    m_events.closeRequested();
    std::printf("●●CLOSE\n");
    std::fflush(stdout);
}
