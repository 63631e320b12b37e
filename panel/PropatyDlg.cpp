#include "panel/PropatyDlg.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <utility>

#include "display/DesktopComposition.h"
#include "framework/App.h"
#include "framework/CommonDialogs.h"
#include "framework/MessageBox.h"
#include "model/AppearanceRules.h"
#include "panel/CaptionPreview.h"
#include "panel/RGBSetDlg.h"
#include "resource.h"

namespace {
const char kFontTooLarge[] = "文字の大きさは%dポイントまでです";
const COLORREF kWarningColor = RGB(192, 0, 0);

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

COLORREF CPropatyDlg::complementColor(COLORREF color) { return rgbOnly(~color); }

void CPropatyDlg::setLanes(std::vector<LaneLook> looks, int cutInAfterCurrent, int selected,
                           LaneHasCaptions laneHasCaptions) {
    m_lanes = LaneEdits(std::move(looks), selected);
    m_settings = m_lanes.look();
    m_cutInAfterCurrent = cutInAfterCurrent;
    m_laneHasCaptions = std::move(laneHasCaptions);
}

std::vector<LaneLook> CPropatyDlg::lanes() const {
    std::vector<LaneLook> looks = m_lanes.looks();
    looks[static_cast<size_t>(m_lanes.selected() - 1)] = m_settings;
    return looks;
}

void CPropatyDlg::setSettings(const LaneLook& settings) { setLanes({settings}, m_cutInAfterCurrent, 1, nullptr); }

LaneLook CPropatyDlg::settings() const { return lanes().front(); }

void CPropatyDlg::DoDataExchange(fw::DataExchange& dx) {
    using Read = fw::DataExchange::Read;
    LaneLook& s = m_settings;
    dx.Spin(IDC_GAP_SPIN, m_spinGap, s.gap, -kGapLimit, kGapLimit, Read::kPosition);
    dx.Spin(IDC_LGAP_SPIN, m_spinLgap, s.lgap, -kOffsetLimit, kOffsetLimit, Read::kPosition);
    dx.Spin(IDC_RGAP_SPIN, m_spinRgap, s.rgap, -kOffsetLimit, kOffsetLimit, Read::kPosition);
    dx.Radio(IDC_SIZE_SMALL, s.sizeChoice);
    dx.Radio(IDC_POS_TOP, s.pos);
    dx.Radio(IDC_COLOR_WHITE, s.colorChoice);
    // The speed buttons count from the slowest step; no button stands for a step below it.
    int speedButton = s.deltaX >= kSlowestStep ? s.deltaX - kSlowestStep : -1;
    dx.Radio(IDC_SPEED_SLOW, speedButton);
    if (dx.Saving()) s.deltaX = speedButton + kSlowestStep;
    dx.ComboIndex(IDC_MONITOR_LIST, m_monitorIndex);
    if (dx.Saving() && m_monitorIndex >= 0 && m_monitorIndex < static_cast<int>(m_monitorChoices.m_names.size()))
        s.monitorName = m_monitorChoices.m_names[static_cast<size_t>(m_monitorIndex)];
    dx.Check(IDC_BAND_ON, s.bandOn);
    dx.Spin(IDC_BAND_OPACITY_SPIN, m_spinBandOpacity, s.bandOpacity, 0, kMaxOpacity, Read::kPosition);
    dx.Check(IDC_OUTLINE, s.outline);
    dx.Text(IDC_SEPARATOR_EDIT, s.separator);
    dx.Check(IDC_SMOOTH, s.smooth);
    std::string speed = speedPxText(s.speedPx);  // empty: the speed buttons' speed
    dx.Text(IDC_SPEED_PX_EDIT, speed);
    if (dx.Saving()) s.speedPx = speedPxFromText(speed);
    dx.Check(IDC_CUTIN_AFTER, m_cutInAfterCurrent);
    dx.Text(IDC_LANE_NAME, s.name);
}

void CPropatyDlg::fillMonitorList() {
    m_monitorChoices = monitorChoices(connectedMonitors(), m_settings.monitorName);
    HWND list = GetDlgItem(IDC_MONITOR_LIST);
    SendMessageA(list, CB_RESETCONTENT, 0, 0);
    for (const std::string& label : m_monitorChoices.m_labels)
        SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(label.c_str()));
    m_monitorIndex = m_monitorChoices.m_selected;
}

BOOL CPropatyDlg::OnInitDialog() {
    m_originalLanes = m_lanes;
    m_originalCutIn = m_cutInAfterCurrent;
    fillMonitorList();
    fillLaneRow();
    SendDlgItemMessageA(m_hWnd, IDC_SEPARATOR_EDIT, EM_LIMITTEXT, kMaxSeparatorBytes, 0);
    SendDlgItemMessageA(m_hWnd, IDC_LANE_NAME, EM_LIMITTEXT, kMaxLaneNameChars, 0);
    fw::Dialog::OnInitDialog();
    updateFontLabels();
    updateColorButtons();
    showLook();
    return TRUE;
}

LRESULT CPropatyDlg::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_DRAWITEM && wp == IDC_PREVIEW) {
        OnDrawPreview(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp));
        return TRUE;
    }
    return fw::Dialog::HandleMessage(msg, wp, lp);
}

LaneLook CPropatyDlg::shownSettings() const {
    LaneLook shown = m_settings;
    // The check boxes, the opacity and the separator are taken by OK; the sample follows them at once.
    shown.bandOn = IsDlgButtonChecked(m_hWnd, IDC_BAND_ON) == BST_CHECKED ? 1 : 0;
    shown.outline = IsDlgButtonChecked(m_hWnd, IDC_OUTLINE) == BST_CHECKED ? 1 : 0;
    shown.smooth = IsDlgButtonChecked(m_hWnd, IDC_SMOOTH) == BST_CHECKED ? 1 : 0;
    shown.bandOpacity = static_cast<int>(SendDlgItemMessageA(m_hWnd, IDC_BAND_OPACITY_SPIN, UDM_GETPOS32, 0, 0));
    char separator[kMaxSeparatorBytes + 1] = {};
    GetDlgItemTextA(m_hWnd, IDC_SEPARATOR_EDIT, separator, sizeof separator);
    shown.separator = separator;
    return shown;
}

void CPropatyDlg::OnDrawPreview(const DRAWITEMSTRUCT& draw) const {
    drawCaptionPreview(draw.hDC, draw.rcItem, shownSettings(), fw::LogPixelsY(), desktopCompositor().composing);
}

void CPropatyDlg::showLook() {
    if (!m_hWnd) return;
    InvalidateRect(GetDlgItem(IDC_PREVIEW), nullptr, FALSE);
    const char* warning = keyColourWarning(shownSettings(), desktopCompositor().composing);
    SetDlgItemTextA(m_hWnd, IDC_KEY_COLOR_WARNING, warning ? warning : "");
}

bool CPropatyDlg::OnButtonClicked(int id) {
    const bool handled = routeButton(id);
    // Whatever a button changed, the sample shows it.
    showLook();
    return handled;
}

bool CPropatyDlg::OnCommand(int id, int code, HWND control) {
    if (code == EN_CHANGE && (id == IDC_BAND_OPACITY_EDIT || id == IDC_SEPARATOR_EDIT)) {
        showLook();
        return true;
    }
    if (code == CBN_SELCHANGE && id == IDC_LANE_LIST) {
        OnLaneChoice();
        return true;
    }
    return fw::Dialog::OnCommand(id, code, control);
}

bool CPropatyDlg::routeButton(int id) {
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
    case IDC_LANE_ADD:
        OnAddLane();
        return true;
    case IDC_LANE_REMOVE:
        OnRemoveLane();
        return true;
    default:
        return fw::Dialog::OnButtonClicked(id);
    }
}

void CPropatyDlg::updateColorButtons() {
    UpdateData(TRUE);
    bool enable = m_settings.colorChoice == kUserColor;
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
    if (pickColor(m_settings.userTextColor)) repaintSwatch(IDC_SWATCH_USER_TEXT);
}

void CPropatyDlg::OnShadowRgb() {
    if (pickColor(m_settings.userShadowColor)) repaintSwatch(IDC_SWATCH_SHADOW);
}

void CPropatyDlg::OnBandRgb() {
    if (pickColor(m_settings.bandColor)) repaintSwatch(IDC_SWATCH_BAND);
}

void CPropatyDlg::setShadowColor(COLORREF color) {
    m_settings.userShadowColor = color;
    repaintSwatch(IDC_SWATCH_SHADOW);
}

void CPropatyDlg::OnShadowComplement() { setShadowColor(complementColor(m_settings.userTextColor)); }
void CPropatyDlg::OnShadowWhite() { setShadowColor(RGB(255, 255, 255)); }
void CPropatyDlg::OnShadowBlack() { setShadowColor(RGB(0, 0, 0)); }

void CPropatyDlg::OnSizeChoice() {
    UpdateData(TRUE);
    HWND fontButton = GetDlgItem(IDC_FONT_BUTTON);
    if (m_settings.sizeChoice >= kSmall && m_settings.sizeChoice <= kLarge) {
        m_settings.logFont.lfHeight = fixedFontHeight(m_settings.sizeChoice);
        setFaceName(m_settings.logFont, defaultCaptionFont().lfFaceName);
        EnableWindow(fontButton, FALSE);
    } else {
        EnableWindow(fontButton, TRUE);
    }
    updateFontLabels();
}

void CPropatyDlg::OnFontButton() {
    // The font dialog speaks in pixels of the display; the settings keep pixels at the stored
    // resolution.
    LOGFONTA shown = m_settings.logFont;
    shown.lfHeight = MulDiv(shown.lfHeight, fw::LogPixelsY(), kStoredFontDpi);
    if (!fw::ChooseFontDialog(m_hWnd, shown, CF_SCREENFONTS)) return;
    // A caption taller than a quarter of its monitor would cover the picture it runs over.
    const int tallest = tallestCaptionPixels();
    if (shown.lfHeight < -tallest || shown.lfHeight > tallest) {
        char message[96];
        // Rounded down: the bound named is one the dialog takes.
        std::snprintf(message, sizeof message, kFontTooLarge, tallest * 72 / fw::LogPixelsY());
        fw::ShowMessage(message);
        return;
    }
    shown.lfHeight = MulDiv(shown.lfHeight, kStoredFontDpi, fw::LogPixelsY());
    m_settings.logFont = shown;
    updateFontLabels();
}

int CPropatyDlg::tallestCaptionPixels() const {
    const std::vector<MonitorInfo> monitors = connectedMonitors();
    // The monitor chosen in the list now, not yet taken by OK.
    const int entry = static_cast<int>(SendDlgItemMessageA(m_hWnd, IDC_MONITOR_LIST, CB_GETCURSEL, 0, 0));
    const bool chosen = entry >= 0 && entry < static_cast<int>(m_monitorChoices.m_names.size());
    const MonitorInfo* monitor =
        stripMonitor(monitors, chosen ? m_monitorChoices.m_names[static_cast<size_t>(entry)] : std::string());
    const int height = monitor ? monitor->m_rect.bottom - monitor->m_rect.top : GetSystemMetrics(SM_CYSCREEN);
    return height / 4;
}

void CPropatyDlg::updateFontLabels() {
    SetDlgItemTextA(m_hWnd, IDC_FONT_NAME, faceName(m_settings.logFont).c_str());
    const LONG height = m_settings.logFont.lfHeight;
    std::string label = "サイズ";
    std::string value;
    if (height < 0) {
        // A negative height is the character height in pixels at the stored resolution; MulDiv
        // rounds both signs alike, so negating the points is safe even for the most negative height.
        value = std::to_string(-fw::PixelsToPointsAt(height, kStoredFontDpi));
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

HBRUSH CPropatyDlg::OnCtlColor(HDC dc, HWND control, UINT msg) {
    if (msg != WM_CTLCOLORSTATIC) return nullptr;
    SetBkMode(dc, TRANSPARENT);
    const int id = GetDlgCtrlID(control);
    if (id == IDC_KEY_COLOR_WARNING) SetTextColor(dc, kWarningColor);
    // The custom colours' brushes are made when their swatches paint, in the colour of the moment.
    if (id == IDC_SWATCH_USER_TEXT) m_brushUserText.reset(CreateSolidBrush(rgbOnly(m_settings.userTextColor)));
    if (id == IDC_SWATCH_SHADOW) m_brushShadow.reset(CreateSolidBrush(rgbOnly(m_settings.userShadowColor)));
    if (id == IDC_SWATCH_BAND) m_brushBand.reset(CreateSolidBrush(rgbOnly(m_settings.bandColor)));
    return swatchBrush(id);
}

void CPropatyDlg::OnCancel() {
    m_lanes = m_originalLanes;
    m_settings = m_lanes.look();
    m_cutInAfterCurrent = m_originalCutIn;
    fw::Dialog::OnCancel();
}
