#pragma once
// The appearance dialog: text and shadow colours, font, scroll speed, screen edge, the three
// pixel offsets and the monitor of the caption strip; its band, outline and separator. It edits
// one lane at a time (the lane choice at its top, with レーン追加, レーン削除 and the lane's name);
// the cut-in rule is one for the show. The caller gives it the lanes with setLanes() (or one
// lane with setSettings()) before the run and takes them back with lanes(), laneOrigins() and
// cutInAfterCurrent() (or settings()) after IDOK; after IDCANCEL they are as they came in.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "framework/Gdi.h"
#include "model/LaneLook.h"
#include "panel/LaneEdits.h"
#include "panel/MonitorChoice.h"

class CPropatyDlg : public fw::Dialog {
public:
    static constexpr int kGapLimit = 1000;     // edge distance: -1000 ... 1000
    static constexpr int kOffsetLimit = 3000;  // left and right offsets: -3000 ... 3000
    static constexpr int kMaxOpacity = 100;    // band opacity: 0 ... 100 percent
    static constexpr int kMaxLaneNameChars = 40;

    // Colour choices and size choices as the radio groups number them.
    enum ColorChoice { kWhite, kBlack, kYellow, kRed, kUserColor };
    enum SizeChoice { kSmall, kNormal, kLarge, kUserFont };

    explicit CPropatyDlg(HWND parent = nullptr);

    // The shadow that is the complement of a text colour: each component becomes 255 minus itself.
    static COLORREF complementColor(COLORREF color);

    // Says whether the lane with that number (as the dialog opened) holds captions.
    using LaneHasCaptions = std::function<bool(int lane)>;

    // The lanes' looks ([0] is lane 1; 1 to kMaxLanes of them), the cut-in rule, the lane shown
    // first, and whether a lane holds captions (asked before one is removed; none: no lane does).
    void setLanes(std::vector<LaneLook> looks, int cutInAfterCurrent, int selected,
                  LaneHasCaptions laneHasCaptions);
    // The lanes' looks as edited, lane 1 first.
    std::vector<LaneLook> lanes() const;
    // For each lane of lanes(), its number when the dialog opened; 0 for a lane added in it.
    const std::vector<int>& laneOrigins() const { return m_lanes.origins(); }
    int cutInAfterCurrent() const { return m_cutInAfterCurrent; }

    // One lane: lane 1's look; the cut-in rule stays as it is.
    void setSettings(const LaneLook& settings);
    LaneLook settings() const;
    // The brush a colour swatch (IDC_SWATCH_*) was last painted with; null for any other control.
    HBRUSH swatchBrush(int swatchId) const;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(fw::DataExchange& dx) override;
    void OnCancel() override;
    bool OnButtonClicked(int id) override;
    bool OnCommand(int id, int code, HWND control) override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT msg) override;
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    fw::UpDown m_spinGap;
    fw::UpDown m_spinLgap;
    fw::UpDown m_spinRgap;
    fw::UpDown m_spinBandOpacity;
    fw::Brush m_brushWhite;
    fw::Brush m_brushBlack;
    fw::Brush m_brushYellow;
    fw::Brush m_brushRed;
    fw::Brush m_brushUserText;
    fw::Brush m_brushShadow;
    fw::Brush m_brushBand;

    bool routeButton(int id);
    // The lane choice, レーン追加 and レーン削除 (PropatyDlgLanes.cpp).
    void OnLaneChoice();
    void OnAddLane();
    void OnRemoveLane();
    // Keeps the controls' values as the selected lane's look; false (a message shown) when a
    // field is refused.
    bool keepLaneEdits();
    // The controls show the selected lane: its look, its name and the lane row's state.
    void showLane();
    void fillLaneRow();
    void OnColorChoice();
    void OnSizeChoice();
    void OnFontButton();
    void OnTextRgb();
    void OnShadowRgb();
    void OnShadowComplement();
    void OnShadowWhite();
    void OnShadowBlack();
    void OnBandRgb();

    void updateColorButtons();
    void updateFontLabels();
    // The sample caption in the look the controls show now.
    void OnDrawPreview(const DRAWITEMSTRUCT& draw) const;
    // The settings as the controls show them now, before OK takes them.
    LaneLook shownSettings() const;
    // The sample drawn again, and the line that warns of a colour that would not show.
    void showLook();
    // The tallest caption font, in pixels of the display, for the monitor chosen in the list.
    int tallestCaptionPixels() const;
    bool pickColor(COLORREF& color);
    void setShadowColor(COLORREF color);
    void repaintSwatch(int id) const;
    void fillMonitorList();

    LaneLook m_settings;  // the selected lane's look as the controls show it, exchanged with them
    LaneEdits m_lanes;    // every lane; the selected one's look is m_settings until it is kept
    LaneEdits m_originalLanes;  // as the dialog opened, for Cancel
    int m_cutInAfterCurrent = 0;
    int m_originalCutIn = 0;
    LaneHasCaptions m_laneHasCaptions;
    MonitorChoices m_monitorChoices;
    int m_monitorIndex = 0;         // entry of the monitor list
};
