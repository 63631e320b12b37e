#pragma once
// The operator's page inside the main window: the caption list with its commands on the left
// and right, the appearance and text-file settings, and the caption window it creates and
// feeds. It loads the settings file when it opens and saves it after every confirmed change.
#include <windows.h>

#include <string>

#include "display/KirunListener.h"
#include "fileif/TextFileReader.h"
#include "fileif/TextFileWatch.h"
#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "framework/Gdi.h"
#include "model/AppearanceSettings.h"
#include "model/CaptionCommand.h"
#include "model/CaptionList.h"
#include "model/FileInterfaceSettings.h"
#include "panel/GuardedSettings.h"

class CKirunWin;

class CControlDlg : public fw::Dialog,
                    public CKirunListener,
                    public CKirunEndListener,
                    public CKirunWinOwner {
public:
    static constexpr UINT_PTR kFileCheckTimer = 104;
    static constexpr UINT kFileCheckPeriod = 1000;
    // Posted by a batch start that put nothing on air: the program ends as after all rolling.
    static constexpr UINT kNothingOnAirMessage = WM_APP + 1;
    static constexpr UINT kFileLookDoneMessage = WM_APP + 104;  // the file reader's look has ended
    static constexpr UINT kSettingsUnreadableMessage = WM_APP + 2;  // posted by a start that found it so

    CControlDlg();
    ~CControlDlg() override;

    BOOL DestroyWindow() override;

    void onKirunEnd(int index) override;
    void onAllRollEnd() override;
    void onKirunWinGone() override;

    void loadSettings();
    void saveSettings();
    void refreshList();
    void putOnAir(int position);
    void applyAppearance();
    // Takes the result of a finished look, then starts the next look on the file reader
    // unless one is still under way.
    void checkTextFile();
    // Changes what is on air as a command asks; never the list or the settings file.
    CommandResult runCommand(const CaptionCommand& command);

    fw::ListView listCtrl;
    fw::Brush bgBrush;
    std::string iniPath;
    GuardedSettings settingsFile;   // not written over while it could not be read
    CaptionList captionList;
    CKirunWin* captionWin = nullptr;  // deletes itself once its window is destroyed
    AppearanceSettings appearance;
    fw::Font captionFont;             // lent to the caption window
    int autoExit = 0;                 // 1: close the main window when all rolling has ended
    FileInterfaceSettings fileInterface;
    TextFileWatch fileWatch;
    TextFileReader fileReader;      // looks at the watched file away from this thread
    unsigned fileLookTicket = 0;    // moves when the watched file or its switch changes

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(fw::DataExchange& dx) override;
    void PostNcDestroy() override;
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    bool OnCommand(int id);
    void OnAddText();
    void OnChangeText();
    void OnDeleteText();
    void OnDisplayOn();
    void OnDisplayOff();
    void OnAddToCaption();
    void OnRemoveFromDisplay();
    LRESULT OnCtlColor(UINT msg, WPARAM wp, LPARAM lp);
    LRESULT OnGetDispInfo(NMLVDISPINFOA* info);
    void OnCaptionSettings();
    void OnFileInterface();
    // Takes over what a finished look found, if it belongs to the current settings.
    void takeFileLook();
    void OnTimer(UINT_PTR id);

    // Gives the list's columns their widths at the page's resolution.
    void scaleListColumns();
    // Closes the main window, which ends the program.
    void closeProgram();
    // Shows the item's state in its row, without rebuilding the list.
    void showRowState(int position);
    void takeEverythingOffAir();
    // Puts the item at `position` on air without rebuilding the list view; false when there is
    // no such item or no caption window.
    bool sendToStrip(int position);
    // The selected item; -1 when none is (after showing the message) or the row is no item.
    int selectedItem(const char* noSelectionMessage) const;
};
