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
#include "panel/CaptionRows.h"
#include "panel/ChildAnchors.h"
#include "control/ControllerEvents.h"
#include "control/KirunController.h"

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
    void rowChanged(int position) override { m_rows.showItemState(position); }
    // Every row again. The list's key subclass is lifted while the rows are filled: under some
    // systems every message through a subclass costs a round trip, four a row.
    void listChanged() override {
        const CaptionListKeys::Lifted keysLifted(m_listKeys);
        m_rows.showAll();
    }
    void offListCaptionsChanged() override { m_rows.showOffList(); }
    // While the strips are hidden, 表示OFF stays held down.
    void stripShownChanged(bool shown) override;
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
    // Delete, F2 and Ctrl+N on the list: as テキスト削除, テキスト変更 and テキスト追加.
    void OnListKey(WORD key);
    void OnCaptionSettings();
    void OnFileInterface();
    void OnTimer(UINT_PTR id);
    // The list's context menu at the screen point packed in `lp` (-1, -1: from the keyboard).
    void OnListContextMenu(LPARAM lp);
    void OnCutIn();
    void OnEndCutIn();
    // The web remote's dialog: switched on or off, its address, its pairing code.
    void OnRemoteSettings();
    // The data sources' dialog: saved and started again on OK.
    void OnSourceSettings();

    // The selected row for a command: nothing (after showing `noSelection`) when no row is
    // selected, or when the row is a caption that is no list item and `offListAnswer` says
    // what the command cannot do for it (null: the row is the command's).
    CaptionRows::Target commandRow(const char* noSelection, const char* offListAnswer) const;
    // Where the list item of `row` is now: the remote may have edited the list while a question
    // or a dialog was open. -1 (after saying so) when the item has been deleted meanwhile.
    int chosenPosition(const CaptionRows::Target& row) const;

    fw::ListView m_listCtrl;
    KirunController& m_controller;
    CaptionRows m_rows;
    CaptionListKeys m_listKeys;
    ChildAnchors m_anchors;  // the list grows with the page, the buttons keep to its right edge
    fw::Brush m_bgBrush;
};
