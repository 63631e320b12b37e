#pragma once
// The program's behaviour behind the operator's page, knowing no window of it: the caption
// list and the settings file it is kept in, the appearance and text-file settings, the caption
// strip it creates and feeds, the looks at the watched file (once a second, and when its folder
// reports a change), the start in batch
// mode and with commands, remote commands, automatic exit and the exit code. What the page is
// to show it reports through ControllerEvents.
//
// It owns the strip object (CKirunWin, created with new, deleting itself once its window is
// gone) and listens to it; the page lends it nothing but the events.
#include <string>
#include <utility>
#include <vector>

#include "display/KirunListener.h"
#include "fileif/TextFileReader.h"
#include "fileif/TextFileWatch.h"
#include "framework/Gdi.h"
#include "model/AppearanceSettings.h"
#include "model/CaptionCommand.h"
#include "model/CaptionList.h"
#include "model/FileInterfaceSettings.h"
#include "model/StartupState.h"
#include "panel/ControllerEvents.h"
#include "panel/GuardedSettings.h"

class CKirunWin;

class KirunController : public CKirunListener, public CKirunEndListener, public CKirunWinOwner {
public:
    // What start() left for the page to do once its own start is over.
    struct StartReport {
        bool nothingOnAir = false;        // a batch run with nothing to roll: endNothingOnAir() is due
    };

    KirunController(ControllerEvents& events, StartOptions start);
    ~KirunController();
    KirunController(const KirunController&) = delete;
    KirunController& operator=(const KirunController&) = delete;

    // Loads the settings file, creates and starts the strip, puts the batch numbers on air and
    // carries out the start commands.
    StartReport start();
    // Destroys the strip and stops the file reader; nothing is saved.
    void stop();
    // A box shown while the program starts would keep it from taking its command channel, so
    // these wait for the start to be over. The settings file that could not be read at start
    // is told of once; later calls do nothing.
    void reportUnreadableSettings();
    void endNothingOnAir();
    // While the settings file that could not be read at start is guarded and the operator has
    // changed nothing since: reads it if it can be read now, and shows what it holds.
    void readSettingsAgain();

    void putOnAir(int position);
    // Takes the item off air; false when it was not on air (or there is no strip).
    bool takeOffAir(int position);
    void showStrip(bool shown);
    // Takes every caption off air and blanks the strip at once, without letting it scroll out.
    void clearNow();
    void addItem(const CKirunData& item);
    // Replaces the item's text and minutes; its on-air state stays as it is now.
    void changeItem(int position, const CKirunData& edited);
    // Erases the item; its caption leaves the strip, later captions stay tied to their items.
    void deleteItem(int position);
    void setAppearance(const AppearanceSettings& appearance);
    // The main window's size as the operator left it, in pixels at 96 DPI; saved.
    void setWindowSize(int width, int height);
    void setFileInterface(const FileInterfaceSettings& settings);
    // The watched file is an ordinary file with bytes in it (its size, not its text, is looked at).
    bool watchedFileHoldsText() const;
    // Puts the watched file's text on air at once, as if it had just been saved.
    void showWatchedFileNow();
    // Gives the strip the look the appearance settings describe.
    void applyAppearance();
    // The caption that cuts in ahead of the cycle: a text, or the text and minutes of a list item
    // (false when there is no such item or no strip); it ends with its time, with endCutIn() or
    // when everything is taken off air.
    void cutIn(const std::wstring& text, int minutes);
    bool cutInItem(int position);
    bool endCutIn();
    bool cutInOnAir() const;
    // Tenths of a second left for the caption on air under the run-list index; -1 when none is.
    int tenthsLeft(int index) const;
    // The captions on air as (run-list index, tenths left), in run-list order.
    std::vector<std::pair<int, int>> timesLeft() const;
    // The watched file's caption as it is on air; false when it is not.
    bool fileCaptionOnAir(std::wstring& text) const;
    // Takes the watched file's caption off air; false when it was not on air.
    bool takeFileCaptionOffAir();
    // Changes what is on air as a command asks; never the list or the settings file.
    CommandResult runCommand(const CaptionCommand& command);
    // Takes the result of a finished look, then starts the next look on the file reader
    // unless one is still under way.
    void checkTextFile();
    // Takes over what a finished look found, if it belongs to the current settings.
    void takeFileLook();

    void onKirunEnd(int index) override;
    void onAllRollEnd() override;
    void onKirunWinGone() override;

    CaptionList& captionList() { return m_captionList; }
    const CaptionList& captionList() const { return m_captionList; }
    CKirunWin* captionWin() const { return m_captionWin; }
    AppearanceSettings& appearance() { return m_appearance; }
    const AppearanceSettings& appearance() const { return m_appearance; }
    const FileInterfaceSettings& fileInterface() const { return m_fileInterface; }
    TextFileWatch& fileWatch() { return m_fileWatch; }
    TextFileReader& fileReader() { return m_fileReader; }
    bool batchMode() const { return m_start.batchMode; }
    int autoExit() const { return m_autoExit; }
    void setAutoExit(int autoExit) { m_autoExit = autoExit; }
    int exitCode() const { return m_exitCode; }

private:
    void saveSettings();
    // Takes the text-file settings over, as the dialog's OK does, without saving them.
    void takeFileInterface(const FileInterfaceSettings& settings);
    void createStrip();
    // Puts the batch numbers on air; true when any went on air.
    bool putBatchOnAir();
    // Puts the item on air without reporting the row; false when there is no such item or no strip.
    bool sendToStrip(int position);
    void takeEverythingOffAir();
    void closeProgram();
    // The next look at the watched file, with the baseline and ticket of now.
    TextFileLook nextFileLook() const;
    // Points the reader's folder notification at the watched file, or at none when it is off.
    void watchFileFolder();

    ControllerEvents& m_events;
    StartOptions m_start;
    std::wstring m_iniPath;
    GuardedSettings m_settingsFile;   // not written over while it could not be read
    CaptionList m_captionList;
    CKirunWin* m_captionWin = nullptr;  // deletes itself once its window is destroyed
    AppearanceSettings m_appearance;
    fw::Font m_captionFont;             // lent to the strip
    int m_autoExit = 0;                 // 1: the program ends when all rolling has ended
    int m_exitCode = kExitNormal;
    FileInterfaceSettings m_fileInterface;
    TextFileWatch m_fileWatch;
    TextFileReader m_fileReader;      // looks at the watched file away from this thread
    unsigned m_fileLookTicket = 0;    // moves when the watched file or its switch changes
};
