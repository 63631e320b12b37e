#include "panel/RGBSetDlg.h"

#include "resource.h"

CRGBSetDlg::CRGBSetDlg(HWND parent) : fw::Dialog(IDD_RGB_SELECT, parent) {}

COLORREF CRGBSetDlg::colorFromComponents(int red, int green, int blue) {
    return RGB(static_cast<BYTE>(red), static_cast<BYTE>(green), static_cast<BYTE>(blue));
}

void CRGBSetDlg::setColor(COLORREF color) {
    m_red = GetRValue(color);
    m_green = GetGValue(color);
    m_blue = GetBValue(color);
}

COLORREF CRGBSetDlg::color() const { return colorFromComponents(m_red, m_green, m_blue); }

void CRGBSetDlg::DoDataExchange(fw::DataExchange& dx) {
    using Read = fw::DataExchange::Read;
    dx.Spin(IDC_RED_SPIN, m_spinRed, m_red, kMinComponent, kMaxComponent, Read::kPosition);
    dx.Spin(IDC_GREEN_SPIN, m_spinGreen, m_green, kMinComponent, kMaxComponent, Read::kPosition);
    dx.Spin(IDC_BLUE_SPIN, m_spinBlue, m_blue, kMinComponent, kMaxComponent, Read::kPosition);
    dx.Bind(IDC_RGB_PREVIEW, m_preview);
}

BOOL CRGBSetDlg::OnInitDialog() {
    fw::Dialog::OnInitDialog();
    return TRUE;
}

LRESULT CRGBSetDlg::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_COMMAND:
        if (LOWORD(wp) == IDOK && HIWORD(wp) == BN_CLICKED) {
            OnOkButton();
            return 0;
        }
        break;
    case WM_NOTIFY: {
        const NMHDR* header = reinterpret_cast<const NMHDR*>(lp);
        if (header->code == static_cast<UINT>(UDN_DELTAPOS) &&
            (header->idFrom == IDC_RED_SPIN || header->idFrom == IDC_GREEN_SPIN ||
             header->idFrom == IDC_BLUE_SPIN))
            return OnDeltaPos();
        break;
    }
    case WM_CTLCOLORSTATIC:
        return OnCtlColor(msg, wp, lp);
    }
    return fw::Dialog::HandleMessage(msg, wp, lp);
}

LRESULT CRGBSetDlg::OnDeltaPos() {
    // The up-down moves after this notification returns; the preview paints later, from
    // the new positions.
    InvalidateRect(m_preview.Hwnd(), nullptr, TRUE);
    return 0;  // let the change happen
}

LRESULT CRGBSetDlg::OnCtlColor(UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT result = Default(msg, wp, lp);
    HDC dc = reinterpret_cast<HDC>(wp);
    SetBkMode(dc, TRANSPARENT);
    switch (GetDlgCtrlID(reinterpret_cast<HWND>(lp))) {
    case IDC_RGB_PREVIEW:
        m_brushPreview.reset(CreateSolidBrush(colorFromComponents(
            m_spinRed.GetPos32(), m_spinGreen.GetPos32(), m_spinBlue.GetPos32())));
        return reinterpret_cast<LRESULT>(m_brushPreview.get());
    case IDC_RED_EDIT:
    case IDC_GREEN_EDIT:
    case IDC_BLUE_EDIT:
        return 0;  // the platform's own background behind the transparent digits
    default:
        return result;
    }
}

void CRGBSetDlg::OnOkButton() {
    fw::Dialog::OnOK();  // reads the three positions
}
