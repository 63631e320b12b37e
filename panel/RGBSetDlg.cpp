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

bool CRGBSetDlg::OnNotify(int id, NMHDR* header, LRESULT& result) {
    if (header->code != static_cast<UINT>(UDN_DELTAPOS)) return false;
    if (id != IDC_RED_SPIN && id != IDC_GREEN_SPIN && id != IDC_BLUE_SPIN) return false;
    OnDeltaPos();
    result = 0;  // let the change happen
    return true;
}

void CRGBSetDlg::OnDeltaPos() {
    // The up-down moves after this notification returns; the preview paints later, from
    // the new positions.
    InvalidateRect(m_preview.Hwnd(), nullptr, TRUE);
}

HBRUSH CRGBSetDlg::OnCtlColor(HDC dc, HWND control, UINT msg) {
    if (msg != WM_CTLCOLORSTATIC) return nullptr;
    SetBkMode(dc, TRANSPARENT);
    if (GetDlgCtrlID(control) != IDC_RGB_PREVIEW)
        return nullptr;  // the platform's own background, also behind the edits' transparent digits
    m_brushPreview.reset(CreateSolidBrush(colorFromComponents(
        m_spinRed.GetPos32(), m_spinGreen.GetPos32(), m_spinBlue.GetPos32())));
    return m_brushPreview.get();
}
