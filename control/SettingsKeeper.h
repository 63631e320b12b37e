#pragma once
// The settings file and what the program keeps of it in memory: every lane's look, the window's
// size, the text-file interface, the remote and the data sources. The caption list is the
// show's; it is handed in to be loaded and saved with the rest. The file is guarded while it
// could not be read (GuardedSettings), and a save that failed or was held back is remembered.
#include <string>
#include <vector>

#include "control/GuardedSettings.h"
#include "control/OperatorMessages.h"
#include "model/CaptionList.h"
#include "model/FileInterfaceSettings.h"
#include "model/LaneLook.h"
#include "model/SettingsParts.h"
#include "model/ShowSettings.h"

class SettingsKeeper {
public:
    explicit SettingsKeeper(std::wstring path);

    // Reads the file; its items are appended to `captions`.
    void load(CaptionList& captions);
    // See GuardedSettings::reportUnreadable.
    void reportUnreadable(bool quiet, OperatorMessages& messages);
    // The operator changed `parts` (settings_parts): noted while the file is guarded.
    void changed(unsigned parts) { m_file.changed(parts); }
    bool guarded() const { return m_file.guarded(); }
    unsigned changedParts() const { return m_file.changedParts(); }
    // While guarded: the records and `captions` as the file and the page bring them together
    // (GuardedSettings::readAgain), in `read`; the records are not changed (take them with
    // take()). False when nothing is to be taken.
    bool readAgain(const CaptionList& captions, StoredSettings& read, OperatorMessages* ask);
    // The records become those of `settings` (its list is the caller's).
    void take(const StoredSettings& settings);
    // Saves the records with `captions`; true when saved. A failure is told to `messages` and
    // remembered (unsaved) until the next save succeeds.
    bool save(const CaptionList& captions, OperatorMessages& messages);
    bool unsaved() const { return m_unsaved; }

    // Every lane's look, lane 1's first; never empty.
    const std::vector<LaneLook>& lanes() const { return m_lanes; }
    // Lane `number`'s look (1 to laneCount()); lane 1's for a number outside.
    LaneLook& look(int number);
    const LaneLook& look(int number) const;
    int laneCount() const { return static_cast<int>(m_lanes.size()); }
    // Lane `number`'s look as the appearance dialog gives it.
    void setLook(int number, const LaneLook& look);
    // A new lane with the default look; its number, or 0 when kMaxLanes exist.
    int addLane();
    // Removes lane `number` (not lane 1): later lanes move down one, and the watched file and
    // the sources on it go to lane 1 (laneAfterRemoval). False when there is no such lane.
    bool removeLane(int number);
    // The main window's size (pixels at 96 DPI); false when it is the size kept already.
    bool setWindowSize(int width, int height);
    const WindowSize& windowSize() const { return m_window; }
    // The rules of the show on every lane.
    const ShowRules& rules() const { return m_rules; }
    ShowRules& rules() { return m_rules; }

    const FileInterfaceSettings& fileInterface() const { return m_fileInterface; }
    FileInterfaceSettings& fileInterface() { return m_fileInterface; }

private:
    std::wstring m_path;
    GuardedSettings m_file;  // not written over while it could not be read
    std::vector<LaneLook> m_lanes = std::vector<LaneLook>(1);
    WindowSize m_window;
    ShowRules m_rules;
    FileInterfaceSettings m_fileInterface;
    bool m_unsaved = false;  // the last save failed or was held back
};
