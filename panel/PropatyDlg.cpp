#include "panel/PropatyDlg.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "framework/App.h"
#include "framework/CommonDialogs.h"
#include "panel/RGBSetDlg.h"
#include "resource.h"

namespace {

// The text colours of the four preset choices.
const COLORREF kPresetWhite = RGB(255, 255, 255);
const COLORREF kPresetBlack = RGB(50, 50, 50);
const COLORREF kPresetYellow = RGB(255, 255, 120);
const COLORREF kPresetRed = RGB(255, 0, 0);

const COLORREF kColorMask = 0xFFFFFF;

// The fixed sizes in pixels (character height), whatever the screen resolution.
const LONG kFixedHeights[] = {-12, -16, -21};
const char kFixedFace[] = "ＭＳ Ｐゴシック";

const int kCustomColorButtons[] = {IDC_TEXT_RGB, IDC_SHADOW_COMPLEMENT, IDC_SHADOW_WHITE,
                                   IDC_SHADOW_BLACK, IDC_SHADOW_RGB};

std::string FaceName(const LOGFONTA& font) {
    const char* end = std::find(font.lfFaceName, font.lfFaceName + LF_FACESIZE, '\0');
    return std::string(font.lfFaceName, end);
}

void SetFaceName(LOGFONTA& font, const char* face) {
    std::strncpy(font.lfFaceName, face, LF_FACESIZE - 1);
    font.lfFaceName[LF_FACESIZE - 1] = '\0';
}

}  // namespace

CPropatyDlg::CPropatyDlg(HWND parent)
    : fw::Dialog(IDD_APPEARANCE, parent),
      m_brushWhite(CreateSolidBrush(kPresetWhite)),
      m_brushBlack(CreateSolidBrush(kPresetBlack)),
      m_brushYellow(CreateSolidBrush(kPresetYellow)),
      m_brushRed(CreateSolidBrush(kPresetRed)) {}

COLORREF CPropatyDlg::ComplementColor(COLORREF color) { return ~color & kColorMask; }

CPropatyDlg::Values CPropatyDlg::values() const {
    return Values{m_sizeChoice, m_posChoice, m_colorChoice, m_userTextColor, m_userShadowColor,
                  m_logFont,    m_gap,       m_lgap,        m_rgap,          m_speedChoice};
}

void CPropatyDlg::restore(const Values& v) {
    m_sizeChoice = v.sizeChoice;
    m_posChoice = v.posChoice;
    m_colorChoice = v.colorChoice;
    m_userTextColor = v.userTextColor;
    m_userShadowColor = v.userShadowColor;
    m_logFont = v.logFont;
    m_gap = v.gap;
    m_lgap = v.lgap;
    m_rgap = v.rgap;
    m_speedChoice = v.speedChoice;
}

void CPropatyDlg::DoDataExchange(fw::DataExchange& dx) {
    dx.Bind(IDC_GAP_SPIN, m_spinGap);
    dx.Bind(IDC_LGAP_SPIN, m_spinLgap);
    dx.Bind(IDC_RGAP_SPIN, m_spinRgap);
    dx.Radio(IDC_SIZE_SMALL, m_sizeChoice);
    dx.Radio(IDC_POS_TOP, m_posChoice);
    dx.Radio(IDC_COLOR_WHITE, m_colorChoice);
    dx.Radio(IDC_SPEED_SLOW, m_speedChoice);
}

BOOL CPropatyDlg::OnInitDialog() {
    m_original = values();
    fw::Dialog::OnInitDialog();
    m_spinGap.SetRange32(-kGapLimit, kGapLimit);
    m_spinGap.SetPos32(m_gap);
    m_spinRgap.SetRange32(-kOffsetLimit, kOffsetLimit);
    m_spinRgap.SetPos32(m_rgap);
    m_spinLgap.SetRange32(-kOffsetLimit, kOffsetLimit);
    m_spinLgap.SetPos32(m_lgap);
    updateFontLabels();
    updateColorButtons();
    return TRUE;
}

LRESULT CPropatyDlg::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_COMMAND:
        if (HIWORD(wp) == BN_CLICKED && OnButtonClicked(LOWORD(wp))) return 0;
        break;
    case WM_CTLCOLORSTATIC:
        return OnCtlColor(msg, wp, lp);
    }
    return fw::Dialog::HandleMessage(msg, wp, lp);
}

bool CPropatyDlg::OnButtonClicked(int id) {
    switch (id) {
    case IDC_COLOR_WHITE:
    case IDC_COLOR_BLACK:
    case IDC_COLOR_YELLOW:
    case IDC_COLOR_RED:
    case IDC_COLOR_USER:
        OnColorChoice();
        return true;
    case IDC_SIZE_SMALL:
    case IDC_SIZE_NORMAL:
    case IDC_SIZE_LARGE:
    case IDC_SIZE_USER:
        OnSizeChoice();
        return true;
    case IDC_FONT_BUTTON:
        OnFontButton();
        return true;
    case IDC_TEXT_RGB:
        OnTextRgb();
        return true;
    case IDC_SHADOW_COMPLEMENT:
        OnShadowComplement();
        return true;
    case IDC_SHADOW_WHITE:
        OnShadowWhite();
        return true;
    case IDC_SHADOW_BLACK:
        OnShadowBlack();
        return true;
    case IDC_SHADOW_RGB:
        OnShadowRgb();
        return true;
    default:
        return false;
    }
}

void CPropatyDlg::updateColorButtons() {
    UpdateData(TRUE);
    bool enable = m_colorChoice == kUserColor;
    for (int id : kCustomColorButtons) EnableWindow(GetDlgItem(id), enable ? TRUE : FALSE);
}

void CPropatyDlg::OnColorChoice() { updateColorButtons(); }

void CPropatyDlg::repaintSwatch(int id) const { InvalidateRect(GetDlgItem(id), nullptr, TRUE); }

bool CPropatyDlg::pickColor(COLORREF& color) {
    CRGBSetDlg dialog(m_hWnd);
    dialog.setColor(color);
    if (dialog.DoModal() != IDOK) return false;
    color = dialog.color();
    return true;
}

void CPropatyDlg::OnTextRgb() {
    if (pickColor(m_userTextColor)) repaintSwatch(IDC_SWATCH_USER_TEXT);
}

void CPropatyDlg::OnShadowRgb() {
    if (pickColor(m_userShadowColor)) repaintSwatch(IDC_SWATCH_SHADOW);
}

void CPropatyDlg::setShadowColor(COLORREF color) {
    m_userShadowColor = color;
    repaintSwatch(IDC_SWATCH_SHADOW);
}

void CPropatyDlg::OnShadowComplement() { setShadowColor(ComplementColor(m_userTextColor)); }
void CPropatyDlg::OnShadowWhite() { setShadowColor(RGB(255, 255, 255)); }
void CPropatyDlg::OnShadowBlack() { setShadowColor(RGB(0, 0, 0)); }

void CPropatyDlg::OnSizeChoice() {
    UpdateData(TRUE);
    HWND fontButton = GetDlgItem(IDC_FONT_BUTTON);
    if (m_sizeChoice >= kSmall && m_sizeChoice <= kLarge) {
        m_logFont.lfHeight = kFixedHeights[m_sizeChoice];
        SetFaceName(m_logFont, kFixedFace);
        EnableWindow(fontButton, FALSE);
    } else {
        EnableWindow(fontButton, TRUE);
    }
    updateFontLabels();
}

void CPropatyDlg::OnFontButton() {
    if (fw::ChooseFontDialog(m_hWnd, m_logFont, CF_SCREENFONTS)) updateFontLabels();
}

void CPropatyDlg::updateFontLabels() {
    SetDlgItemTextA(m_hWnd, IDC_FONT_NAME, FaceName(m_logFont).c_str());
    const LONG height = m_logFont.lfHeight;
    std::string label = "サイズ";
    std::string value;
    if (height < 0) {
        // A negative height is the character height in pixels; MulDiv rounds both signs
        // alike, so negating the points is safe even for the most negative height.
        value = std::to_string(-fw::PixelsToPoints(height));
    } else if (height == 0) {
        value = "デフォルト";
    } else {
        label = "高さ";
        value = std::to_string(height);
    }
    SetDlgItemTextA(m_hWnd, IDC_FONT_SIZE_LABEL, label.c_str());
    SetDlgItemTextA(m_hWnd, IDC_FONT_SIZE, value.c_str());
}

LRESULT CPropatyDlg::OnCtlColor(UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT result = Default(msg, wp, lp);
    SetBkMode(reinterpret_cast<HDC>(wp), TRANSPARENT);
    HBRUSH brush = nullptr;
    switch (GetDlgCtrlID(reinterpret_cast<HWND>(lp))) {
    case IDC_SWATCH_WHITE: brush = m_brushWhite.get(); break;
    case IDC_SWATCH_BLACK: brush = m_brushBlack.get(); break;
    case IDC_SWATCH_YELLOW: brush = m_brushYellow.get(); break;
    case IDC_SWATCH_RED: brush = m_brushRed.get(); break;
    case IDC_SWATCH_USER_TEXT:
        m_brushUserText.reset(CreateSolidBrush(m_userTextColor & kColorMask));
        brush = m_brushUserText.get();
        break;
    case IDC_SWATCH_SHADOW:
        m_brushShadow.reset(CreateSolidBrush(m_userShadowColor & kColorMask));
        brush = m_brushShadow.get();
        break;
    default:
        return result;
    }
    return reinterpret_cast<LRESULT>(brush);
}

void CPropatyDlg::OnOK() {
    m_gap = m_spinGap.GetPos32();
    m_lgap = m_spinLgap.GetPos32();
    m_rgap = m_spinRgap.GetPos32();
    fw::Dialog::OnOK();
}

void CPropatyDlg::OnCancel() {
    restore(m_original);
    fw::Dialog::OnCancel();
}
