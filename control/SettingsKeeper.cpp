#include "control/SettingsKeeper.h"

#include <utility>

SettingsKeeper::SettingsKeeper(std::wstring path) : m_path(std::move(path)) {}

void SettingsKeeper::load(CaptionList& captions) { m_file.load(m_path, m_lanes, captions, m_fileInterface); }

void SettingsKeeper::reportUnreadable(bool quiet, OperatorMessages& messages) {
    m_file.reportUnreadable(m_path, quiet, messages);
}

bool SettingsKeeper::readAgain(const CaptionList& captions, StoredSettings& read, OperatorMessages* ask) {
    read.lanes = m_lanes;
    read.captions = captions;
    read.fileInterface = m_fileInterface;
    return m_file.readAgain(m_path, read, ask);
}

void SettingsKeeper::take(const StoredSettings& settings) {
    if (!settings.lanes.empty()) m_lanes = settings.lanes;
    m_fileInterface = settings.fileInterface;
}

bool SettingsKeeper::save(const CaptionList& captions, OperatorMessages& messages) {
    m_unsaved = !m_file.save(m_path, m_lanes, captions, m_fileInterface, messages);
    return !m_unsaved;
}

LaneLook& SettingsKeeper::look(int number) {
    return number >= 1 && number <= laneCount() ? m_lanes[static_cast<size_t>(number - 1)] : m_lanes.front();
}

const LaneLook& SettingsKeeper::look(int number) const {
    return number >= 1 && number <= laneCount() ? m_lanes[static_cast<size_t>(number - 1)] : m_lanes.front();
}

void SettingsKeeper::setLook(int number, const LaneLook& look) {
    LaneLook& kept = this->look(number);
    const int width = m_lanes.front().windowWidth;
    const int height = m_lanes.front().windowHeight;
    kept = look;
    m_lanes.front().windowWidth = width;
    m_lanes.front().windowHeight = height;
}

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
    LaneLook& first = m_lanes.front();
    if (width == first.windowWidth && height == first.windowHeight) return false;
    first.windowWidth = width;
    first.windowHeight = height;
    return true;
}
