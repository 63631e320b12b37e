#pragma once
// The appearance dialog: text and shadow colours, font, scroll speed, screen edge and the
// three pixel offsets of the caption strip. The caller sets the members before the run and
// reads them back after IDOK; after IDCANCEL they are as they came in.
#include <windows.h>

#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "framework/Gdi.h"

class CPropatyDlg : public fw::Dialog {
public:
    static constexpr int kGapLimit = 1000;     // edge distance: -1000 ... 1000
    static constexpr int kOffsetLimit = 3000;  // left and right offsets: -3000 ... 3000

    // Colour choices and size choices as the radio groups number them.
    enum ColorChoice { kWhite, kBlack, kYellow, kRed, kUserColor };
    enum SizeChoice { kSmall, kNormal, kLarge, kUserFont };

    explicit CPropatyDlg(HWND parent = nullptr);

    // The shadow that is the complement of a text colour: each component becomes 255 minus itself.
    static COLORREF ComplementColor(COLORREF color);

    fw::UpDown m_spinGap;
    int m_sizeChoice = -1;
    int m_posChoice = -1;
    int m_colorChoice = -1;
    COLORREF m_userTextColor = RGB(255, 255, 255);
    COLORREF m_userShadowColor = RGB(0, 0, 0);
    fw::Brush m_brushWhite;
    fw::Brush m_brushBlack;
    fw::Brush m_brushYellow;
    fw::Brush m_brushRed;
    LOGFONTA m_logFont{};
    fw::Brush m_brushUserText;
    fw::Brush m_brushShadow;
    int m_gap = 0;
    int m_lgap = 0;
    int m_rgap = 0;
    int m_speedChoice = 0;
    fw::UpDown m_spinLgap;
    fw::UpDown m_spinRgap;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(fw::DataExchange& dx) override;
    void OnOK() override;
    void OnCancel() override;
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    // What the dialog edits, kept at the start so that Cancel can put it back.
    struct Values {
        int sizeChoice, posChoice, colorChoice;
        COLORREF userTextColor, userShadowColor;
        LOGFONTA logFont;
        int gap, lgap, rgap, speedChoice;
    };
    Values values() const;
    void restore(const Values& v);

    bool OnButtonClicked(int id);
    void OnColorChoice();
    void OnSizeChoice();
    void OnFontButton();
    void OnTextRgb();
    void OnShadowRgb();
    void OnShadowComplement();
    void OnShadowWhite();
    void OnShadowBlack();
    LRESULT OnCtlColor(UINT msg, WPARAM wp, LPARAM lp);

    void updateColorButtons();
    void updateFontLabels();
    bool pickColor(COLORREF& color);
    void setShadowColor(COLORREF color);
    void repaintSwatch(int id) const;

    Values m_original{};
};
