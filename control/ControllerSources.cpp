// The controller's work for the data sources and for the caption list as CSV: the sources are
// reached through SourceControl (the program's data sources, none in a batch run), the list's
// file through model/CaptionCsv.
#include "control/KirunController.h"

#include <new>
#include <utility>

#include "model/WholeFile.h"

void KirunController::attachSources(SourceControl* sources) {
    m_sources = sources;
    if (m_sources && m_stripsMade) m_sources->applySources(fileInterface().sources);
}

void KirunController::setSources(const std::vector<SourceSettings>& sources) {
    FileInterfaceSettings settings = fileInterface();
    settings.sources = sources;
    if (settings.sources.size() > static_cast<size_t>(SourceSettings::kMaxSources))
        settings.sources.resize(SourceSettings::kMaxSources);
    for (SourceSettings& source : settings.sources) boundSourceSettings(source);
    takeFileInterface(settings);
    saveSettings(settings_parts::kSources, Who::Operator);
}

bool KirunController::takeSourceOffAir(int index) {
    return m_sources && m_sources->takeSourceOffAir(index);
}

void KirunController::probeSource(const void* owner, const SourceSettings& settings, SourceControl::ProbeDone done) {
    if (m_sources) {
        m_sources->probeSource(owner, settings, std::move(done));
        return;
    }
    SourceProbe none;
    none.reason = L"データソースは使えません";
    if (done) done(none);
}

void KirunController::cancelProbes(const void* owner) {
    if (m_sources) m_sources->cancelProbes(owner);
}

bool KirunController::exportCaptions(const std::wstring& path) const {
    try {
        return replaceWholeFile(path, captionListToCsv(m_show.captionList()));
    } catch (const std::bad_alloc&) {
        return false;  // the list's CSV did not fit in memory: nothing was written
    }
}

CaptionCsvFileRead KirunController::readCaptionsCsv(const std::wstring& path, CaptionCsvImport& read) const {
    return readCaptionCsvFile(path, kMaxCaptionCsvBytes, read);
}

bool KirunController::importCaptions(const std::vector<CKirunData>& items, bool replace) {
    const int kept = replace ? 0 : m_show.captionList().count();
    if (items.size() > static_cast<size_t>(CaptionList::kMaxItems - kept)) return false;
    // A caption for a lane the show does not hold goes on lane 1, as the settings file's do.
    const auto onHeldLane = [this](CKirunData item) {
        if (item.m_lane < 1 || item.m_lane > m_settings.laneCount()) item.m_lane = 1;
        return item;
    };
    if (replace) {
        CaptionList list;
        list.reserve(static_cast<int>(items.size()));
        for (const CKirunData& item : items) list.append(onHeldLane(item));
        m_show.replaceList(std::move(list));
    } else {
        for (const CKirunData& item : items) m_show.addItem(onHeldLane(item));
    }
    listEdited(Who::Operator);
    return true;
}

