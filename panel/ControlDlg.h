#pragma once
// The operator's page inside the main window: the caption list view with its commands on the
// left and right, and the dialogs that edit an item, the appearance and the text-file
// settings. What the commands do, the page leaves to the program's controller, and shows what
// the controller reports and what the show holds.
#include <windows.h>

#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "framework/Gdi.h"
#include "panel/CaptionListKeys.h"
#include "panel/ChildAnchors.h"
#include "panel/ControllerEvents.h"
#include "panel/KirunController.h"

class CControlDlg : public fw::Dialog, private ControllerEvents {
public:
    static constexpr UINT_PTR kFileCheckTimer = 104;
    // Posted by a batch start that put nothing on air: the program ends as after all rolling.
    static constexpr UINT kNothingOnAirMessage = WM_APP + 1;

    // The page shows `controller`, whose reports come to events() once the program's wiring has
    // handed them over.
    explicit CControlDlg(KirunController& controller);

    BOOL DestroyWindow() override;

    ControllerEvents& events() { return *this; }
    KirunController& controller() { return m_controller; }
    const KirunController& controller() const { return m_controller; }
    const fw::ListView& listCtrl() const { return m_listCtrl; }
    CaptionList& captionList() { return m_controller.captionList(); }
    const CaptionList& captionList() const { return m_controller.captionList(); }
    void putOnAir(int position) { m_controller.putOnAir(position); }
    void applyAppearance() { m_controller.applyAppearance(); }
    void checkTextFile() { m_controller.checkTextFile(); }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(fw::DataExchange& dx) override;
    bool OnButtonClicked(int id) override;
    bool OnNotify(int id, NMHDR* header, LRESULT& result) override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT msg) override;
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    // Shows every row again, with redrawing off while it does.
    void refreshList();
    void rowChanged(int position) override;
    void listChanged() override { refreshList(); }
    void fileCaptionChanged(const std::wstring* text) override { showFileRow(text); }
    // While the strips are hidden, 表示OFF stays held down.
    void stripShownChanged(bool shown) override;
    // The watched file's caption (`text`, null when it is off air) as a row below the items
    // while it is on air; no row otherwise.
    void showFileRow(const std::wstring* text);
    // The row of the watched file's caption; -1 when it has none.
    int fileRow() const { return m_fileRowShown ? m_controller.captionList().count() : -1; }
    // Sets the time-left column of the rows on air, and nothing else.
    void showTimesLeft();
    // Closes the main window, which ends the program.
    void closeRequested() override;
    int showMessage(const char* text, UINT type) override;

    void OnAddText();
    void OnChangeText();
    void OnDeleteText();
    void OnDisplayOn();
    void OnDisplayOff();
    void OnAddToCaption();
    void OnRemoveFromDisplay();
    void OnGetDispInfo(NMLVDISPINFOW* info);
    void OnGetDispInfo(NMLVDISPINFOA* info);
    // Delete, F2 and Ctrl+N on the list: as テキスト削除, テキスト変更 and テキスト追加.
    void OnListKey(WORD key);
    LRESULT OnListCustomDraw(NMLVCUSTOMDRAW* draw) const;
    void OnCaptionSettings();
    void OnFileInterface();
    void OnTimer(UINT_PTR id);
    // The list's context menu at the screen point packed in `lp` (-1, -1: from the keyboard).
    void OnListContextMenu(LPARAM lp);
    void OnCutIn();
    void OnEndCutIn();

    // Gives the list's columns their widths at the page's resolution.
    void scaleListColumns();
    // The selected item; -1 when none is (after showing the message) or the row is no item.
    int selectedItem(const char* noSelectionMessage) const;
    // Selects the row (the last one when `row` lies beyond it), gives it the list's focus mark
    // and scrolls it into view; nothing when the list is empty.
    void selectRow(int row);

    fw::ListView m_listCtrl;
    CaptionListKeys m_listKeys;
    ChildAnchors m_anchors;  // the list grows with the page, the buttons keep to its right edge
    bool m_fileRowShown = false;
    fw::Brush m_bgBrush;
    KirunController& m_controller;
};
