#pragma once
// The colour dialog: red, green and blue, each 0 to 255, moved only by up-down arrows,
// with a preview that follows every step.
#include <windows.h>
#include <commctrl.h>

#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "framework/Gdi.h"

class CRGBSetDlg : public fw::Dialog {
public:
    static constexpr int kMinComponent = 0;
    static constexpr int kMaxComponent = 255;

    explicit CRGBSetDlg(HWND parent = nullptr);

    // The components of a COLORREF (red in the low byte) and back, each taken as a byte.
    void setColor(COLORREF color);
    COLORREF color() const;
    static COLORREF colorFromComponents(int red, int green, int blue);

    int m_red = 0;
    int m_green = 0;
    int m_blue = 0;
    fw::Brush m_brushPreview;
    fw::UpDown m_spinRed;
    fw::UpDown m_spinGreen;
    fw::UpDown m_spinBlue;
    fw::Control m_preview;

protected:
    void DoDataExchange(fw::DataExchange& dx) override;
    bool OnNotify(int id, NMHDR* header, LRESULT& result) override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT msg) override;

private:
    void OnDeltaPos();
};
