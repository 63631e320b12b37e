#pragma once
// The appearance dialog: text and shadow colours, font, scroll speed, screen edge, the three
// pixel offsets and the monitor of the caption strip; its band, outline and separator. The
// caller gives it the appearance settings with
// setSettings() before the run and takes them back with settings() after IDOK; after IDCANCEL
// they are as they came in.
#include <windows.h>

#include <string>

#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "framework/Gdi.h"
#include "model/LaneLook.h"
#include "panel/MonitorChoice.h"

class CPropatyDlg : public fw::Dialog {
public:
    static constexpr int kGapLimit = 1000;     // edge distance: -1000 ... 1000
    static constexpr int kOffsetLimit = 3000;  // left and right offsets: -3000 ... 3000
    static constexpr int kMaxOpacity = 100;    // band opacity: 0 ... 100 percent

    // Colour choices and size choices as the radio groups number them.
    enum ColorChoice { kWhite, kBlack, kYellow, kRed, kUserColor };
    enum SizeChoice { kSmall, kNormal, kLarge, kUserFont };

    explicit CPropatyDlg(HWND parent = nullptr);

    // The shadow that is the complement of a text colour: each component becomes 255 minus itself.
    static COLORREF complementColor(COLORREF color);

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

    LaneLook m_settings;  // what the controls show, exchanged with them directly
    LaneLook m_original;  // as the dialog opened, for Cancel
    MonitorChoices m_monitorChoices;
    int m_monitorIndex = 0;         // entry of the monitor list
};
