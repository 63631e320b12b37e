#include "control/SettingsKeeper.h"

#include <utility>

SettingsKeeper::SettingsKeeper(std::wstring path) : m_path(std::move(path)) {}

void SettingsKeeper::load(CaptionList& captions) {
    m_file.load(m_path, {m_lanes, m_window, m_rules, m_fileInterface, &captions});
}

void SettingsKeeper::reportUnreadable(bool quiet, OperatorMessages& messages) {
    m_file.reportUnreadable(m_path, quiet, messages);
}

bool SettingsKeeper::readAgain(const CaptionList& captions, StoredSettings& read, OperatorMessages* ask) {
    read.lanes = m_lanes;
    read.captions = captions;
    read.fileInterface = m_fileInterface;
    read.window = m_window;
    read.rules = m_rules;
    return m_file.readAgain(m_path, read, ask);
}

void SettingsKeeper::take(const StoredSettings& settings) {
    if (!settings.lanes.empty()) m_lanes = settings.lanes;
    m_fileInterface = settings.fileInterface;
    m_window = settings.window;
    m_rules = settings.rules;
}

bool SettingsKeeper::save(const CaptionList& captions, OperatorMessages& messages) {
    m_unsaved = !m_file.save(m_path, {m_lanes, m_window, m_rules, m_fileInterface, &captions}, messages);
    return !m_unsaved;
}

LaneLook& SettingsKeeper::look(int number) {
    return number >= 1 && number <= laneCount() ? m_lanes[static_cast<size_t>(number - 1)] : m_lanes.front();
}

const LaneLook& SettingsKeeper::look(int number) const {
    return number >= 1 && number <= laneCount() ? m_lanes[static_cast<size_t>(number - 1)] : m_lanes.front();
}

void SettingsKeeper::setLook(int number, const LaneLook& look) { this->look(number) = look; }

int SettingsKeeper::addLane() {
    if (laneCount() >= kMaxLanes) return 0;
    m_lanes.emplace_back();
    return laneCount();
}

bool SettingsKeeper::removeLane(int number) {
    if (number <= 1 || number > laneCount()) return false;
    m_lanes.erase(m_lanes.begin() + (number - 1));
    m_fileInterface.fileLane = laneAfterRemoval(m_fileInterface.fileLane, number);
    for (SourceSettings& source : m_fileInterface.sources) source.lane = laneAfterRemoval(source.lane, number);
    return true;
}

bool SettingsKeeper::setWindowSize(int width, int height) {
    if (width == m_window.width && height == m_window.height) return false;
    m_window = {width, height};
    return true;
}
