#pragma once
// The operator's page inside the main window: the caption list view with its commands on the
// left and right, and the dialogs that edit an item, the appearance and the text-file
// settings. It starts and stops nothing: what the commands do, the page leaves to the program's
// controller, and it draws what the show holds, from its snapshot, whenever the show changes.
#include <windows.h>

#include <vector>

#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "framework/Gdi.h"
#include "panel/CaptionListKeys.h"
#include "panel/CaptionRows.h"
#include "panel/ChildAnchors.h"
#include "control/KirunController.h"
#include "show/ShowListener.h"

class CControlDlg : public fw::Dialog, private ShowListener {
public:
    // The time left on the rows counts down on this timer, once a second.
    static constexpr UINT_PTR kTimeLeftTimer = 105;

    // The page commands `controller` and shows its show, from the start of the window on.
    explicit CControlDlg(KirunController& controller);

    BOOL DestroyWindow() override;

    KirunController& controller() { return m_controller; }
    const KirunController& controller() const { return m_controller; }
    const fw::ListView& listCtrl() const { return m_listCtrl; }
    CaptionList& captionList() { return m_controller.captionList(); }
    const CaptionList& captionList() const { return m_controller.captionList(); }
    void putOnAir(int position) { m_controller.putOnAir(position); }
    void applyAppearance() { m_controller.applyAppearance(); }
    void checkTextFile() { m_controller.checkTextFile(); }
    // Draws every row from the show's snapshot now.
    void drawAll();

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(fw::DataExchange& dx) override;
    bool OnButtonClicked(int id) override;
    bool OnNotify(int id, NMHDR* header, LRESULT& result) override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT msg) override;
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    // A change naming one item's position draws that row; any other draws every row.
    void showChanged(const ShowChange& change) override;
    // While the lane of the selected row (lane 1 when none is) is hidden, 表示OFF stays held down.
    void showLaneShown();
    // 表示ON or 表示OFF for the lane of the selected row.
    void showLane(bool shown);

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
    bool m_offHeld = false;   // 表示OFF is shown held down
    // The lanes and lane 1's 表示ON/OFF as the rows were last drawn.
    std::vector<LaneState> m_lanes;
    bool m_stripShown = true;
    bool m_listening = false; // the page hears the show's changes
};
