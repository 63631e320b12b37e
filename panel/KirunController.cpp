#include "panel/KirunController.h"

#include <cstdio>
#include <utility>
#include <vector>

#include "display/KirunWin.h"
#include "display/RunList.h"
#include "framework/Text.h"
#include "framework/WideText.h"
#include "model/AppearanceRules.h"
#include "model/SettingsFile.h"

KirunController::KirunController(ControllerEvents& events, StartOptions start)
    : m_events(events), m_start(std::move(start)), m_iniPath(settingsFilePath()),
      m_autoExit(m_start.batchMode ? 1 : 0) {}

KirunController::~KirunController() {
    // Normally gone with stop(); the strip must never outlive the controller that its captions
    // and its end report point to.
    if (m_captionWin) {
        m_captionWin->setOwner(nullptr);
        m_captionWin->setEndListener(nullptr);
        m_captionWin->DestroyWindow();
        m_captionWin = nullptr;
    }
}

KirunController::StartReport KirunController::start() {
    StartReport report;
    m_settingsFile.load(m_iniPath, m_appearance, m_captionList, m_fileInterface);
    m_events.listChanged();
    watchFileFolder();

    createStrip();
    if (m_start.batchMode && putBatchOnAir()) m_events.listChanged();
    for (const CaptionCommand& command : m_start.commands) runCommand(command);
    // With nothing to roll, no end of rolling would ever come to end the hidden program.
    report.nothingOnAir = m_start.batchMode && (!m_captionWin || m_captionWin->runList().empty());
    return report;
}

void KirunController::createStrip() {
    m_captionWin = new CKirunWin();
    if (!m_captionWin->Hwnd()) {  // no window: the object deletes itself
        m_captionWin->DestroyWindow();
        m_captionWin = nullptr;
        return;
    }
    m_captionWin->setOwner(this);
    m_captionWin->setEndListener(this);
    applyAppearance();
    m_captionWin->start();
}

bool KirunController::putBatchOnAir() {
    // However many numbers the command line holds, the list is shown again once. A number
    // given again would only renew, at the same moment, the caption it put on air: each item
    // goes to the strip once, in the order of its first number.
    std::vector<bool> sent(static_cast<size_t>(m_captionList.count()), false);
    bool anyOnAir = false;
    for (int number : m_start.captionNumbers) {
        const int position = number - 1;
        if (!m_captionList.contains(position) || sent[static_cast<size_t>(position)]) continue;
        sent[static_cast<size_t>(position)] = true;
        anyOnAir = sendToStrip(position) || anyOnAir;
    }
    return anyOnAir;
}

void KirunController::stop() {
    if (m_captionWin) {
        m_captionWin->DestroyWindow();
        m_captionWin = nullptr;
    }
    m_fileReader.stop();
    m_captionFont.reset();  // no strip is left to use it
}

void KirunController::reportUnreadableSettings() {
    // A batch run has no visible window to own a message box.
    m_settingsFile.reportUnreadable(m_iniPath, m_start.batchMode, m_events);
}

void KirunController::readSettingsAgain() {
    AppearanceSettings appearance;
    CaptionList captions;
    FileInterfaceSettings fileInterface;
    if (!m_settingsFile.readAgain(m_iniPath, appearance, captions, fileInterface)) return;
    // Nothing the operator made is lost: the list was empty and nothing was changed.
    m_captionList = std::move(captions);
    m_appearance = appearance;
    applyAppearance();
    takeFileInterface(fileInterface);
    m_events.listChanged();
}

void KirunController::endNothingOnAir() {
    m_exitCode = kExitNothingOnAir;
    closeProgram();
}

void KirunController::saveSettings() {
    m_settingsFile.save(m_iniPath, m_appearance, m_captionList, m_fileInterface, m_events);
}

void KirunController::putOnAir(int position) {
    if (sendToStrip(position)) m_events.listChanged();
}

bool KirunController::sendToStrip(int position) {
    if (!m_captionList.contains(position) || !m_captionWin) return false;
    const std::wstring line = fw::WithoutLineBreaks(m_captionList.at(position).m_text);
    m_captionWin->addKirun(position, line.c_str(), m_captionList.at(position).m_minutes, this);
    m_captionList.setStateAt(position, 1);
    return true;
}

bool KirunController::takeOffAir(int position) {
    if (!m_captionList.contains(position) || !m_captionWin || !m_captionWin->removeKirun(position))
        return false;
    m_captionList.setStateAt(position, 0);
    m_events.listChanged();
    return true;
}

void KirunController::showStrip(bool shown) {
    // SW_SHOWNA: the operator's window keeps the focus.
    if (m_captionWin) m_captionWin->showStrip(shown);
}

void KirunController::addItem(const CKirunData& item) {
    m_captionList.append(item);
    m_events.listChanged();
    saveSettings();
}

void KirunController::changeItem(int position, const CKirunData& edited) {
    if (!m_captionList.contains(position)) return;
    // The caption may have ended or gone on air while the item was edited: keep its state now.
    CKirunData item = edited;
    item.m_state = m_captionList.at(position).m_state;
    m_captionList.replaceAt(position, item);
    m_events.listChanged();
    saveSettings();
}

void KirunController::deleteItem(int position) {
    if (!m_captionList.contains(position)) return;
    if (m_captionWin) {
        m_captionWin->removeKirun(position);
        m_captionWin->shiftIndicesAfter(position);
    }
    m_captionList.eraseAt(position);
    m_events.listChanged();
    saveSettings();
}

void KirunController::setAppearance(const AppearanceSettings& appearance) {
    m_appearance = appearance;
    saveSettings();
    applyAppearance();  // lays the strip out again
}

void KirunController::setWindowSize(int width, int height) {
    if (width == m_appearance.windowWidth && height == m_appearance.windowHeight) return;
    m_appearance.windowWidth = width;
    m_appearance.windowHeight = height;
    saveSettings();
}

void KirunController::applyAppearance() {
    if (!m_captionWin) return;
    applyFontChoice(m_appearance.logFont, m_appearance.sizeChoice);
    m_captionFont.reset(CreateFontIndirectA(&m_appearance.logFont));
    m_captionWin->setLook(stripLookFor(m_appearance, m_captionFont.get()));
}

void KirunController::setFileInterface(const FileInterfaceSettings& settings) {
    takeFileInterface(settings);
    saveSettings();
}

void KirunController::takeFileInterface(const FileInterfaceSettings& settings) {
    const bool pathChanged = settings.filePath != m_fileInterface.filePath;
    const bool watchMoved = settings.fileExec != m_fileInterface.fileExec || pathChanged;
    if (watchMoved) {
        m_fileWatch.lastFileDataValid = 0;  // the next check takes a new baseline
        ++m_fileLookTicket;                 // and a look still under way counts for nothing
    }
    // The file's caption has no row to take it off air: switching the interface off or
    // watching another file does it here.
    if (m_captionWin && (settings.fileExec == 0 || pathChanged) && m_captionWin->removeKirun(kFileCaptionIndex))
        m_events.fileCaptionChanged(nullptr);
    m_fileInterface = settings;
    if (watchMoved) watchFileFolder();
}

bool KirunController::watchedFileHoldsText() const {
    if (!isWatchablePath(m_fileInterface.filePath)) return false;
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(m_fileInterface.filePath.c_str(), GetFileExInfoStandard, &data)) return false;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return false;
    return data.nFileSizeHigh != 0 || data.nFileSizeLow != 0;
}

void KirunController::showWatchedFileNow() {
    if (m_fileInterface.fileExec == 0) return;
    // A baseline of zeroes: the file as it is counts as a new version.
    m_fileWatch = TextFileWatch();
    m_fileWatch.lastFileDataValid = 1;
    ++m_fileLookTicket;
    watchFileFolder();  // the folder notification's looks go on from this look's baseline
    checkTextFile();
}

CommandResult KirunController::runCommand(const CaptionCommand& command) {
    const int position = command.number - 1;
    switch (command.kind) {
    case CaptionCommand::kShowItem:
        if (!m_captionList.contains(position)) return CommandResult::kNoSuchItem;
        if (sendToStrip(position)) m_events.rowChanged(position);
        break;
    case CaptionCommand::kHideItem:
        if (!m_captionList.contains(position)) return CommandResult::kNoSuchItem;
        if (m_captionWin && m_captionWin->removeKirun(position)) {
            m_captionList.setStateAt(position, 0);
            m_events.rowChanged(position);
        }
        break;
    case CaptionCommand::kClearAll:
        takeEverythingOffAir();
        break;
    case CaptionCommand::kClearNow:
        clearNow();
        break;
    case CaptionCommand::kShowText:
        if (m_captionWin)
            m_captionWin->addKirun(kFreeTextIndex, fw::WithoutLineBreaks(command.text).c_str(), command.minutes, this);
        break;
    case CaptionCommand::kShowStrip:
        showStrip(command.number != 0);
        break;
    case CaptionCommand::kCutIn:
        cutIn(command.text, command.minutes);
        break;
    }
    return CommandResult::kDone;
}

void KirunController::takeEverythingOffAir() {
    if (!m_captionWin) return;
    for (int position = 0; position < m_captionList.count(); ++position) {
        if (!m_captionList.at(position).m_state) continue;
        m_captionWin->removeKirun(position);
        m_captionList.setStateAt(position, 0);
        m_events.rowChanged(position);
    }
    if (m_captionWin->removeKirun(kFileCaptionIndex)) m_events.fileCaptionChanged(nullptr);
    m_captionWin->removeKirun(kFreeTextIndex);
    m_captionWin->removeKirun(kCutInIndex);
}

void KirunController::clearNow() {
    if (!m_captionWin) return;
    takeEverythingOffAir();
    // Rolling has ended, as after the last caption had scrolled out.
    if (m_captionWin->blankNow()) onAllRollEnd();
}

void KirunController::cutIn(const std::wstring& text, int minutes) {
    const std::wstring line = fw::WithoutLineBreaks(text);
    if (!m_captionWin || line.empty()) return;
    m_captionWin->cutInKirun(line.c_str(), minutes, this, m_appearance.cutInAfterCurrent == 1);
}

bool KirunController::cutInItem(int position) {
    if (!m_captionList.contains(position)) return false;
    const CKirunData& item = m_captionList.at(position);
    cutIn(item.m_text, item.m_minutes);
    return m_captionWin != nullptr;
}

bool KirunController::endCutIn() { return m_captionWin && m_captionWin->removeKirun(kCutInIndex); }

bool KirunController::cutInOnAir() const {
    return m_captionWin && m_captionWin->runList().find(kCutInIndex) != nullptr;
}

int KirunController::tenthsLeft(int index) const {
    const RunItem* item = m_captionWin ? m_captionWin->runList().find(index) : nullptr;
    return item ? item->remaining : -1;
}

std::vector<std::pair<int, int>> KirunController::timesLeft() const {
    std::vector<std::pair<int, int>> times;
    if (!m_captionWin) return times;
    const RunList& run = m_captionWin->runList();
    times.reserve(static_cast<size_t>(run.count()));
    for (int position = 0; position < run.count(); ++position)
        times.emplace_back(run.at(position).index, run.at(position).remaining);
    return times;
}

bool KirunController::fileCaptionOnAir(std::wstring& text) const {
    const RunItem* item = m_captionWin ? m_captionWin->runList().find(kFileCaptionIndex) : nullptr;
    if (!item) return false;
    text = item->text;
    return true;
}

bool KirunController::takeFileCaptionOffAir() {
    if (!m_captionWin || !m_captionWin->removeKirun(kFileCaptionIndex)) return false;
    m_events.fileCaptionChanged(nullptr);
    return true;
}

void KirunController::onKirunEnd(int index) {
    if (index == kFileCaptionIndex) m_events.fileCaptionChanged(nullptr);  // still listed until this returns
    if (!m_captionList.contains(index)) return;  // the text-file caption among others
    m_captionList.setStateAt(index, 0);
    // Only the row's state changes: many captions may end in one tick, and showing the whole
    // list again for each would cost the number of rows again per caption.
    m_events.rowChanged(index);
}

void KirunController::onAllRollEnd() {
    std::printf("ALL ROLL END\n");
    std::fflush(stdout);
    if (m_autoExit == 1) closeProgram();
}

void KirunController::onKirunWinGone() {
    m_captionWin = nullptr;
}

void KirunController::closeProgram() {
    m_events.closeRequested();
    std::printf("●●CLOSE\n");
    std::fflush(stdout);
}

TextFileLook KirunController::nextFileLook() const {
    TextFileLook look;
    look.fileExec = m_fileInterface.fileExec;
    look.filePath = m_fileInterface.filePath;
    look.watch = m_fileWatch;
    look.ticket = m_fileLookTicket;
    return look;
}

void KirunController::watchFileFolder() {
    // Only a file that is watched at all gets a notification (and starts the worker).
    if (m_fileInterface.fileExec != 0 || m_fileReader.workerStarted()) m_fileReader.watch(nextFileLook());
}

void KirunController::checkTextFile() {
    takeFileLook();  // in case its message was lost
    if (m_fileInterface.fileExec == 0) return;
    m_fileReader.start(nextFileLook());  // refused while a look is under way: this tick is skipped
}

void KirunController::takeFileLook() {
    TextFileLook look;
    if (!m_fileReader.take(look)) return;
    if (look.ticket != m_fileLookTicket) return;  // taken for a file or switch since changed
    m_fileWatch = look.watch;
    if (look.shown && m_captionWin) {
        m_captionWin->addKirun(kFileCaptionIndex, look.text.c_str(), m_fileInterface.fileMinute, this);
        m_events.fileCaptionChanged(&look.text);
    }
}
