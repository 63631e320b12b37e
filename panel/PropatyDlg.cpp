#include "panel/PropatyDlg.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "framework/App.h"
#include "framework/CommonDialogs.h"
#include "model/AppearanceRules.h"
#include "panel/RGBSetDlg.h"
#include "resource.h"

namespace {

const COLORREF kColorMask = 0xFFFFFF;
const int kPointsPerInch = 72;

// The text colour of a fixed colour choice, as its swatch shows it.
COLORREF presetTextColor(int colorChoice) { return captionColorsFor(colorChoice, 0, 0).text; }

const int kCustomColorButtons[] = {IDC_TEXT_RGB, IDC_SHADOW_COMPLEMENT, IDC_SHADOW_WHITE,
                                   IDC_SHADOW_BLACK, IDC_SHADOW_RGB};

std::string faceName(const LOGFONTA& font) {
    const char* end = std::find(font.lfFaceName, font.lfFaceName + LF_FACESIZE, '\0');
    return std::string(font.lfFaceName, end);
}

void setFaceName(LOGFONTA& font, const char* face) {
    std::strncpy(font.lfFaceName, face, LF_FACESIZE - 1);
    font.lfFaceName[LF_FACESIZE - 1] = '\0';
}

}  // namespace

CPropatyDlg::CPropatyDlg(HWND parent)
    : fw::Dialog(IDD_APPEARANCE, parent),
      m_brushWhite(CreateSolidBrush(presetTextColor(kWhite))),
      m_brushBlack(CreateSolidBrush(presetTextColor(kBlack))),
      m_brushYellow(CreateSolidBrush(presetTextColor(kYellow))),
      m_brushRed(CreateSolidBrush(presetTextColor(kRed))) {}

COLORREF CPropatyDlg::complementColor(COLORREF color) { return ~color & kColorMask; }

void CPropatyDlg::setSettings(const AppearanceSettings& settings) {
    m_sizeChoice = settings.sizeChoice;
    m_posChoice = settings.pos;
    m_colorChoice = settings.colorChoice;
    m_userTextColor = settings.userTextColor;
    m_userShadowColor = settings.userShadowColor;
    m_logFont = settings.logFont;
    m_gap = settings.gap;
    m_lgap = settings.lgap;
    m_rgap = settings.rgap;
    m_speedChoice = settings.deltaX - 1;  // the slowest speed is step 1
    m_monitorName = settings.monitorName;
    m_bandOn = settings.bandOn;
    m_bandColor = settings.bandColor;
    m_bandOpacity = settings.bandOpacity;
    m_outline = settings.outline;
    m_separator = settings.separator;
}

AppearanceSettings CPropatyDlg::settings() const {
    AppearanceSettings settings;
    settings.sizeChoice = m_sizeChoice;
    settings.pos = m_posChoice;
    settings.colorChoice = m_colorChoice;
    settings.userTextColor = m_userTextColor;
    settings.userShadowColor = m_userShadowColor;
    settings.logFont = m_logFont;
    settings.gap = m_gap;
    settings.lgap = m_lgap;
    settings.rgap = m_rgap;
    settings.deltaX = m_speedChoice + 1;
    settings.monitorName = m_monitorName;
    settings.bandOn = m_bandOn;
    settings.bandColor = m_bandColor;
    settings.bandOpacity = m_bandOpacity;
    settings.outline = m_outline;
    settings.separator = m_separator;
    return settings;
}

void CPropatyDlg::DoDataExchange(fw::DataExchange& dx) {
    using Read = fw::DataExchange::Read;
    dx.Spin(IDC_GAP_SPIN, m_spinGap, m_gap, -kGapLimit, kGapLimit, Read::kPosition);
    dx.Spin(IDC_LGAP_SPIN, m_spinLgap, m_lgap, -kOffsetLimit, kOffsetLimit, Read::kPosition);
    dx.Spin(IDC_RGAP_SPIN, m_spinRgap, m_rgap, -kOffsetLimit, kOffsetLimit, Read::kPosition);
    dx.Radio(IDC_SIZE_SMALL, m_sizeChoice);
    dx.Radio(IDC_POS_TOP, m_posChoice);
    dx.Radio(IDC_COLOR_WHITE, m_colorChoice);
    dx.Radio(IDC_SPEED_SLOW, m_speedChoice);
    dx.ComboIndex(IDC_MONITOR_LIST, m_monitorIndex);
    if (dx.Saving() && m_monitorIndex >= 0 && m_monitorIndex < static_cast<int>(m_monitorChoices.m_names.size()))
        m_monitorName = m_monitorChoices.m_names[static_cast<size_t>(m_monitorIndex)];
    dx.Check(IDC_BAND_ON, m_bandOn);
    dx.Spin(IDC_BAND_OPACITY_SPIN, m_spinBandOpacity, m_bandOpacity, 0, kMaxOpacity, Read::kPosition);
    dx.Check(IDC_OUTLINE, m_outline);
    dx.Text(IDC_SEPARATOR_EDIT, m_separator);
}

void CPropatyDlg::fillMonitorList() {
    m_monitorChoices = monitorChoices(connectedMonitors(), m_monitorName);
    HWND list = GetDlgItem(IDC_MONITOR_LIST);
    SendMessageA(list, CB_RESETCONTENT, 0, 0);
    for (const std::string& label : m_monitorChoices.m_labels)
        SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(label.c_str()));
    m_monitorIndex = m_monitorChoices.m_selected;
}

BOOL CPropatyDlg::OnInitDialog() {
    m_original = settings();
    fillMonitorList();
    SendDlgItemMessageA(m_hWnd, IDC_SEPARATOR_EDIT, EM_LIMITTEXT, kMaxSeparatorBytes, 0);
    fw::Dialog::OnInitDialog();
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
    case IDC_BAND_RGB:
        OnBandRgb();
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

void CPropatyDlg::OnBandRgb() {
    if (pickColor(m_bandColor)) repaintSwatch(IDC_SWATCH_BAND);
}

void CPropatyDlg::setShadowColor(COLORREF color) {
    m_userShadowColor = color;
    repaintSwatch(IDC_SWATCH_SHADOW);
}

void CPropatyDlg::OnShadowComplement() { setShadowColor(complementColor(m_userTextColor)); }
void CPropatyDlg::OnShadowWhite() { setShadowColor(RGB(255, 255, 255)); }
void CPropatyDlg::OnShadowBlack() { setShadowColor(RGB(0, 0, 0)); }

void CPropatyDlg::OnSizeChoice() {
    UpdateData(TRUE);
    HWND fontButton = GetDlgItem(IDC_FONT_BUTTON);
    if (m_sizeChoice >= kSmall && m_sizeChoice <= kLarge) {
        m_logFont.lfHeight = fixedFontHeight(m_sizeChoice);
        setFaceName(m_logFont, defaultCaptionFont().lfFaceName);
        EnableWindow(fontButton, FALSE);
    } else {
        EnableWindow(fontButton, TRUE);
    }
    updateFontLabels();
}

void CPropatyDlg::OnFontButton() {
    // The font dialog speaks in pixels of the display; the settings keep pixels at the stored
    // resolution.
    LOGFONTA shown = m_logFont;
    shown.lfHeight = MulDiv(shown.lfHeight, fw::LogPixelsY(), kStoredFontDpi);
    if (!fw::ChooseFontDialog(m_hWnd, shown, CF_SCREENFONTS)) return;
    shown.lfHeight = MulDiv(shown.lfHeight, kStoredFontDpi, fw::LogPixelsY());
    m_logFont = shown;
    updateFontLabels();
}

void CPropatyDlg::updateFontLabels() {
    SetDlgItemTextA(m_hWnd, IDC_FONT_NAME, faceName(m_logFont).c_str());
    const LONG height = m_logFont.lfHeight;
    std::string label = "サイズ";
    std::string value;
    if (height < 0) {
        // A negative height is the character height in pixels at the stored resolution; MulDiv
        // rounds both signs alike, so negating the points is safe even for the most negative height.
        value = std::to_string(-MulDiv(height, kPointsPerInch, kStoredFontDpi));
    } else if (height == 0) {
        value = "デフォルト";
    } else {
        label = "高さ";
        value = std::to_string(height);
    }
    SetDlgItemTextA(m_hWnd, IDC_FONT_SIZE_LABEL, label.c_str());
    SetDlgItemTextA(m_hWnd, IDC_FONT_SIZE, value.c_str());
}

HBRUSH CPropatyDlg::swatchBrush(int swatchId) const {
    switch (swatchId) {
    case IDC_SWATCH_WHITE: return m_brushWhite.get();
    case IDC_SWATCH_BLACK: return m_brushBlack.get();
    case IDC_SWATCH_YELLOW: return m_brushYellow.get();
    case IDC_SWATCH_RED: return m_brushRed.get();
    case IDC_SWATCH_USER_TEXT: return m_brushUserText.get();
    case IDC_SWATCH_SHADOW: return m_brushShadow.get();
    case IDC_SWATCH_BAND: return m_brushBand.get();
    default: return nullptr;
    }
}

LRESULT CPropatyDlg::OnCtlColor(UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT result = Default(msg, wp, lp);
    SetBkMode(reinterpret_cast<HDC>(wp), TRANSPARENT);
    const int id = GetDlgCtrlID(reinterpret_cast<HWND>(lp));
    // The custom colours' brushes are made when their swatches paint, in the colour of the moment.
    if (id == IDC_SWATCH_USER_TEXT) m_brushUserText.reset(CreateSolidBrush(m_userTextColor & kColorMask));
    if (id == IDC_SWATCH_SHADOW) m_brushShadow.reset(CreateSolidBrush(m_userShadowColor & kColorMask));
    if (id == IDC_SWATCH_BAND) m_brushBand.reset(CreateSolidBrush(m_bandColor & kColorMask));
    HBRUSH brush = swatchBrush(id);
    return brush ? reinterpret_cast<LRESULT>(brush) : result;
}

void CPropatyDlg::OnCancel() {
    setSettings(m_original);
    fw::Dialog::OnCancel();
}
