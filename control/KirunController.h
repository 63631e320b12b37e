#pragma once
// The program's behaviour behind the operator's page, knowing no window of it: the settings
// file and what it keeps (the caption list, the appearance, the text-file interface), the start
// in batch mode and with commands, commands from outside, automatic exit and the exit code.
// What is on air is the show's; the strips are reached only through StripControl, the watched
// file through its source. What is on air the page reads from the show; texts the operator
// must read go to OperatorMessages, and the end of the program to the close callback.
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "model/LaneLook.h"
#include "model/CaptionCommand.h"
#include "model/CaptionCsvFile.h"
#include "model/CaptionList.h"
#include "model/FileInterfaceSettings.h"
#include "model/SettingsParts.h"
#include "model/StartupState.h"
#include "control/OperatorMessages.h"
#include "control/SettingsKeeper.h"
#include "show/CommandRunner.h"
#include "show/Show.h"
#include "show/ShowListener.h"
#include "control/StripControl.h"
#include "model/OverlayLook.h"
#include "show/SourceControl.h"
#include "sources/WatchedFile.h"

class KirunController : public CommandRunner, private ShowListener {
public:
    // What start() left for the page to do once its own start is over.
    struct StartReport {
        bool nothingOnAir = false;        // a batch run with nothing to roll: endNothingOnAir() is due
    };

    // Texts for the operator go to `messages`; the controller becomes the show's listener; the
    // show, the strips and the watched file are the program's, made before it and kept after it.
    KirunController(OperatorMessages& messages, StartOptions start, Show& show, StripControl& strips,
                    WatchedFile& watchedFile);
    ~KirunController();
    KirunController(const KirunController&) = delete;
    KirunController& operator=(const KirunController&) = delete;

    // Loads the settings file, starts the strips, puts the batch numbers on air and carries out
    // the start commands.
    StartReport start();
    // The settings file read (the list, the looks, the watched file), once: start() does it
    // unless it was done before.
    void loadSettings();
    // Destroys the strips and stops the watched file; nothing is saved.
    void stop();
    // A box shown while the program starts would keep it from taking its command channel, so
    // these wait for the start to be over. The settings file that could not be read at start
    // is told of once; later calls do nothing.
    void reportUnreadableSettings();
    void endNothingOnAir();
    // While the settings file that could not be read at start is guarded: reads it if it can be
    // read now, shows what it holds beside what the operator changed meanwhile (GuardedSettings),
    // and saves that. A list that both the page and the file hold, each its own, is left for the
    // operator's next save to ask about.
    void readSettingsAgain();
    // The last save of the settings file failed or was held back: the page holds changes that
    // the file does not.
    bool settingsUnsaved() const { return m_settings.unsaved(); }
    // Every lane's look as an overlay page draws it, lane 1 first.
    std::vector<OverlayLook> overlayLooks() const;

    void putOnAir(int position);
    // Takes the item off air; false when it was not on air.
    bool takeOffAir(int position);
    bool onAir(int position) const { return m_show.onAir(position); }
    // 表示ON/表示OFF of a lane (CaptionCommand::kEveryLane: of every lane); false when the show
    // holds no such lane.
    bool showStrip(int lane, bool shown);
    void showStrip(bool shown) { showStrip(1, shown); }
    // Takes every caption of the lane (of every lane, as 今すぐ消去 on the page does) off air and
    // blanks its strips at once, without letting them scroll out.
    void clearNow(int lane = CaptionCommand::kEveryLane);
    void addItem(const CKirunData& item);
    // Replaces the item's text and minutes; whether it is on air stays as it is now.
    void changeItem(int position, const CKirunData& edited);
    // Erases the item; its caption leaves the strip, every other caption stays as it is.
    void deleteItem(int position);
    // Lane 1's look and the show's rules as the appearance dialog's OK gives them; saved.
    void setAppearance(const LaneLook& appearance, const ShowRules& rules);
    // Every lane's look as the appearance dialog gives them: `origins` holds, for each lane, the
    // number it had before (0: added). The items of a lane that went move to lane 1, those of
    // later lanes down one; saved, and every lane's strips laid out again.
    void setLanes(const std::vector<LaneLook>& looks, const std::vector<int>& origins, int cutInAfterCurrent);
    // The item goes on lane `lane` (on air there at once if it was on air); saved.
    void setItemLane(int position, int lane);
    // The main window's size as the operator left it, in pixels at 96 DPI; saved.
    void setWindowSize(int width, int height);
    void setFileInterface(const FileInterfaceSettings& settings);
    // The web remote's settings, as its dialog's OK gives them: saved, and the remote started
    // again with them.
    void setRemote(const HttpSettings& settings);
    void setRemoteChanged(std::function<void()> changed) { m_remoteChanged = std::move(changed); }
    // Called once the strips have (possibly) taken other looks: at start, after every new
    // appearance, and when lanes came or went.
    void setLooksChanged(std::function<void()> changed) { m_looksChanged = std::move(changed); }
    // The program is to end (automatic exit, a batch run with nothing to roll), as when the
    // operator closes the main window.
    void setCloseRequested(std::function<void()> close) { m_closeRequested = std::move(close); }
    // The watched file is an ordinary file with bytes in it.
    bool watchedFileHoldsText() const { return m_watchedFile.holdsText(); }
    // Puts the watched file's text on air at once, as if it had just been saved.
    void showWatchedFileNow() { m_watchedFile.showNow(); }
    // Gives the strips the look the appearance settings describe.
    void applyAppearance();
    // The show holds a lane, with its strips, for every lane the settings hold.
    void matchLanes();
    // The caption that cuts in ahead of the cycle: a text, or the text and minutes of a list item
    // (false when there is no such item); it ends with its time, with endCutIn() or when
    // everything is taken off air.
    // `lane` 1 unless named; kEveryLane: on every lane. False when nothing cut in.
    bool cutIn(const std::wstring& text, int minutes, int lane = 1);
    bool cutInItem(int position);
    bool endCutIn(int lane = 1);
    bool cutInOnAir(int lane = 1) const { return m_show.captionOnAir(lane, caption_ids::kCutIn); }
    // The watched file's caption as it is on air; false when it is not.
    bool fileCaptionOnAir(std::wstring& text) const;
    // Takes the watched file's caption off air; false when it was not on air.
    bool takeFileCaptionOffAir();

    // A caption on air that is no list item, or a data source, as its row on the page shows it.
    struct OffListCaption {
        ShowRow::Kind kind = ShowRow::Kind::File;
        std::wstring text;
        int minutes = 0;
        int tenthsLeft = 0;    // -1: no time left is shown (a source)
        int source = -1;       // a source's index, from 0
        SourceRow::State state = SourceRow::State::OnAir;
    };
    // Those on air, in the order of their rows: the watched file's, the cut-in, the free text;
    // then every data source.
    std::vector<OffListCaption> offListCaptions() const;
    // Takes the caption of that kind (File, CutIn or FreeText) off air on `lane` (the watched
    // file's wherever it is); the cut-in ends as endCutIn() ends it. False when none was on air.
    bool takeOffAir(ShowRow::Kind kind, int lane = 1);
    // The data sources, once the program runs them (never in a batch run); null: none. Given
    // them, they start as the settings say.
    void attachSources(SourceControl* sources);
    // The sources' settings as their dialog's OK gives them: saved, and the sources started
    // again as they say.
    void setSources(const std::vector<SourceSettings>& sources);
    // The items of source `index` (from 0) leave the air until it next changes; false when none
    // of it was on air.
    bool takeSourceOffAir(int index);
    // A look at a source now (see SourceControl); without running sources `done` says so at once.
    void probeSource(const void* owner, const SourceSettings& settings, SourceControl::ProbeDone done);
    void cancelProbes(const void* owner);

    // The caption list as CSV (model/CaptionCsv.h) in the file at `path`; false when it could not
    // be written.
    bool exportCaptions(const std::wstring& path) const;
    // The captions of a CSV file of at most kMaxCaptionCsvBytes (model/CaptionCsvFile.h); nothing
    // in `read` unless it was read whole.
    CaptionCsvFileRead readCaptionsCsv(const std::wstring& path, CaptionCsvImport& read) const;
    // The captions join the end of the list, or replace it (the old items' captions leave the
    // air); saved. False, with nothing changed, when the list cannot hold them.
    bool importCaptions(const std::vector<CKirunData>& items, bool replace);

    // Carries out a command from outside (or of the start). Without a box at the PC: a list
    // edit that the settings file could not keep is kDoneUnsaved.
    CommandResult runCommand(const CaptionCommand& command) override;
    // The once-a-second look at the watched file.
    void checkTextFile() { m_watchedFile.check(); }


    Show& show() { return m_show; }
    const Show& show() const { return m_show; }
    CaptionList& captionList() { return m_show.captionList(); }
    const CaptionList& captionList() const { return m_show.captionList(); }
    // Lane 1's look.
    LaneLook& appearance() { return m_settings.look(1); }
    const LaneLook& appearance() const { return m_settings.look(1); }
    const FileInterfaceSettings& fileInterface() const { return m_settings.fileInterface(); }
    SettingsKeeper& settings() { return m_settings; }
    const SettingsKeeper& settings() const { return m_settings; }
    WatchedFile& watchedFile() { return m_watchedFile; }
    bool batchMode() const { return m_start.batchMode; }
    int autoExit() const { return m_autoExit; }
    void setAutoExit(int autoExit) { m_autoExit = autoExit; }
    int exitCode() const { return m_exitCode; }

private:
    // Who a save is for: the operator at the PC is told of a failure in a box and asked which
    // list to keep; a command from outside (or the page's timer) is neither: the status line
    // tells (settingsUnsaved).
    enum class Who { Operator, Outside };
    // Saves after `parts` (settings_parts) changed; true when saved.
    bool saveSettings(unsigned parts, Who who);
    // The list changed: the page shows it again, and it is saved.
    bool listEdited(Who who);
    // GuardedSettings::readAgain on the controller's settings; what it gives is shown and put to
    // work (strips, watched file, sources, remote). True when the file was taken.
    bool takeSettingsFileAgain(OperatorMessages* ask);
    // Takes the text-file settings over, as the dialog's OK does, without saving them.
    void takeFileInterface(const FileInterfaceSettings& settings);
    // Puts the batch numbers on air; true when any went on air.
    bool putBatchOnAir();
    void takeEverythingOffAir(int lane);
    // The show's changes: the ends of captions for the page, the end of rolling on every lane
    // for automatic exit.
    void showChanged(const ShowChange& change) override;
    void closeProgram();
    // A new version of the watched file.
    void showFileText(const std::wstring& text);

    OperatorMessages& m_messages;
    StartOptions m_start;
    Show& m_show;
    StripControl& m_strips;
    WatchedFile& m_watchedFile;
    SettingsKeeper m_settings;        // the settings file and what it keeps but the list
    bool m_settingsLoaded = false;
    bool m_stripsMade = false;        // the strips could be made: captions go on air
    int m_autoExit = 0;               // 1: the program ends when all rolling has ended
    int m_exitCode = kExitNormal;
    std::function<void()> m_remoteChanged;  // the program starts the remote again
    std::function<void()> m_looksChanged;   // the program measures the overlays' looks again
    std::function<void()> m_closeRequested;
    SourceControl* m_sources = nullptr;     // the data sources, not owned; null in a batch run
};
