#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <tuple>
#include <vector>

#include <windows.h>
#include <dlgs.h>

#include "KirunnerProcess.h"
#include "framework/App.h"
#include "panel/CaptionPreview.h"
#include "panel/PropatyDlg.h"
#include "resource.h"
#include "tests/unit/test_rgbsetdlg_steps.h"

using namespace testing_support;
using namespace dialog_steps;

namespace {

using Labels = std::vector<std::string>;
const char kFixedFace[] = "ＭＳ Ｐゴシック";
const std::string kSize = "サイズ";

// Everything the dialog edits; starts as user colours, a user font, bottom edge, "やや早い" and
// the offsets at the ends of their ranges.
LaneLook Start() {
    LaneLook s;
    s.sizeChoice = CPropatyDlg::kUserFont, s.pos = 1, s.colorChoice = CPropatyDlg::kUserColor;
    s.userTextColor = 0x78FFFF, s.userShadowColor = 0x123456;
    s.logFont = {-20, 0, 0, 0, FW_BOLD, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, 0, 0, "Tahoma"};
    s.gap = 1000, s.lgap = -3000, s.rgap = 3000, s.deltaX = 3;
    return s;
}

bool Same(const LaneLook& a, const LaneLook& o) {
    return std::tie(a.sizeChoice, a.pos, a.colorChoice, a.userTextColor, a.userShadowColor, a.gap,
                    a.lgap, a.rgap, a.deltaX, a.bandOn, a.bandColor, a.bandOpacity, a.outline,
                    a.separator, a.smooth, a.speedPx) ==
               std::tie(o.sizeChoice, o.pos, o.colorChoice, o.userTextColor, o.userShadowColor,
                        o.gap, o.lgap, o.rgap, o.deltaX, o.bandOn, o.bandColor, o.bandOpacity,
                        o.outline, o.separator, o.smooth, o.speedPx) &&
           std::memcmp(&a.logFont, &o.logFont, sizeof a.logFont) == 0;
}

// "1" or "0" for each control: checked (radios) or enabled (others).
std::string States(HWND d, std::vector<int> ids, bool checked) {
    std::string out;
    for (int id : ids)
        out += (checked ? IsDlgButtonChecked(d, id) == BST_CHECKED
                        : IsWindowEnabled(GetDlgItem(d, id)) != FALSE) ? '1' : '0';
    return out;
}
std::string CustomButtons(HWND d) {
    return States(d, {IDC_TEXT_RGB, IDC_SHADOW_COMPLEMENT, IDC_SHADOW_WHITE, IDC_SHADOW_BLACK,
                      IDC_SHADOW_RGB}, false);
}
Labels FontLabels(HWND d) {
    return {ItemText(d, IDC_FONT_NAME), ItemText(d, IDC_FONT_SIZE_LABEL), ItemText(d, IDC_FONT_SIZE)};
}

TEST(PropatyDlg, OpensWithTheStoredSettingsAndOkReadsThemBack) {
    DialogDriver driver;
    CPropatyDlg dlg;
    dlg.setSettings(Start());
    std::vector<std::string> seen;
    std::vector<COLORREF> swatches;
    driver.Expect({LetItShow, Check([&](HWND d) {
                       seen = {States(d, {IDC_COLOR_USER, IDC_SIZE_USER, IDC_POS_BOTTOM,
                                          IDC_SPEED_RATHER_FAST, IDC_COLOR_WHITE}, true),
                               CustomButtons(d), ItemText(d, IDC_GAP_EDIT),
                               ItemText(d, IDC_LGAP_EDIT), ItemText(d, IDC_RGAP_EDIT)};
                       for (int id : {IDC_SWATCH_WHITE, IDC_SWATCH_BLACK, IDC_SWATCH_YELLOW,
                                      IDC_SWATCH_RED, IDC_SWATCH_USER_TEXT, IDC_SWATCH_SHADOW})
                           swatches.push_back(ScreenColorAtCentre(d, id));
                   }),
                   ClickArrow(IDC_GAP_SPIN, true), ClickArrow(IDC_LGAP_SPIN, false),
                   ClickArrow(IDC_RGAP_SPIN, false), Click(IDOK)});
    ASSERT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ((std::vector<std::string>{"11110", "11111", "1000", "-3000", "3000"}), seen);
    EXPECT_EQ((std::vector<COLORREF>{0xFFFFFF, 0x323232, 0x78FFFF, 0x0000FF, 0x78FFFF, 0x123456}),
              swatches);
    LaneLook expected = Start();
    expected.rgap = 2999;  // the other two arrows were at the ends of their ranges
    EXPECT_TRUE(Same(dlg.settings(), expected));
}

TEST(PropatyDlg, CustomColourButtonsFollowEveryColourRadio) {
    DialogDriver driver;
    CPropatyDlg dlg;
    LaneLook start = Start();
    start.colorChoice = CPropatyDlg::kWhite;
    dlg.setSettings(start);
    std::string seen;
    auto look = Check([&](HWND d) { seen += CustomButtons(d) + " "; });
    driver.Expect({look, Click(IDC_COLOR_USER), look, Click(IDC_COLOR_WHITE), look,
                   Click(IDC_COLOR_USER), Click(IDC_COLOR_BLACK), look, Click(IDC_COLOR_USER),
                   Click(IDC_COLOR_YELLOW), look, Click(IDC_COLOR_USER), Click(IDC_COLOR_RED), look,
                   Click(IDOK)});
    ASSERT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ("00000 11111 00000 00000 00000 00000 ", seen);
    EXPECT_EQ(CPropatyDlg::kRed, dlg.settings().colorChoice);
}

TEST(PropatyDlg, ShadowButtonsRepaintTheSwatchAndNoBrushOutlivesTheDialog) {
    for (COLORREF text : {COLORREF(0x78FFFF), COLORREF(0xFFFFFF)}) {
        const COLORREF complement = text == 0x78FFFF ? 0x870000 : 0x000000;
        std::vector<HGDIOBJ> brushes;
        std::vector<COLORREF> shadows, onScreen;
        {
            DialogDriver driver;
            CPropatyDlg dlg;
            LaneLook start = Start();
            start.userTextColor = text;
            dlg.setSettings(start);
            for (int preset : {IDC_SWATCH_WHITE, IDC_SWATCH_BLACK, IDC_SWATCH_YELLOW, IDC_SWATCH_RED})
                brushes.push_back(dlg.swatchBrush(preset));
            auto look = Check([&](HWND d) {
                shadows.push_back(BrushColor(dlg.swatchBrush(IDC_SWATCH_SHADOW)));
                onScreen.push_back(ScreenColorAtCentre(d, IDC_SWATCH_SHADOW));
                brushes.push_back(dlg.swatchBrush(IDC_SWATCH_SHADOW));
                EXPECT_EQ(5u, Alive(brushes)) << "the four presets and the latest shadow brush";
            });
            driver.Expect({LetItShow, Click(IDC_SHADOW_COMPLEMENT), look, Click(IDC_SHADOW_WHITE),
                           look, Click(IDC_SHADOW_BLACK), look, Click(IDC_SHADOW_COMPLEMENT), look,
                           Click(IDOK)});
            ASSERT_EQ(IDOK, dlg.DoModal());
            EXPECT_EQ(complement, dlg.settings().userShadowColor);
            brushes.push_back(dlg.swatchBrush(IDC_SWATCH_USER_TEXT));
        }
        const std::vector<COLORREF> expected{complement, 0xFFFFFF, 0x000000, complement};
        EXPECT_EQ(expected, shadows);
        EXPECT_EQ(expected, onScreen);
        EXPECT_EQ(0u, Alive(brushes));
    }
}

TEST(PropatyDlg, FontLabelsFollowTheSizeChoiceAtOnce) {
    ASSERT_EQ(96, fw::LogPixelsY());
    DialogDriver driver;
    CPropatyDlg dlg;
    dlg.setSettings(Start());
    std::vector<Labels> labels;
    std::string fontButton;
    auto look = Check([&](HWND d) {
        labels.push_back(FontLabels(d));
        fontButton += States(d, {IDC_FONT_BUTTON}, false);
    });
    driver.Expect({look, Click(IDC_SIZE_SMALL), look, Click(IDC_SIZE_NORMAL), look,
                   Click(IDC_SIZE_LARGE), look, Click(IDC_SIZE_USER), look, Click(IDOK)});
    ASSERT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ((std::vector<Labels>{{"Tahoma", kSize, "15"}, {kFixedFace, kSize, "9"},
                                   {kFixedFace, kSize, "12"}, {kFixedFace, kSize, "16"},
                                   {kFixedFace, kSize, "16"}}),
              labels);
    EXPECT_EQ("10001", fontButton);
    EXPECT_EQ(-21, dlg.settings().logFont.lfHeight);
    EXPECT_STREQ(kFixedFace, dlg.settings().logFont.lfFaceName);

    for (LONG height : {0, 20}) {
        CPropatyDlg other;
        LaneLook start = Start();
        start.logFont.lfHeight = height;
        other.setSettings(start);
        Labels shown;
        driver.Expect({Check([&](HWND d) { shown = FontLabels(d); }), Click(IDCANCEL)});
        other.DoModal();
        EXPECT_EQ((height ? Labels{"Tahoma", "高さ", "20"} : Labels{"Tahoma", kSize, "デフォルト"}),
                  shown);
    }
}

TEST(PropatyDlg, ChoicesOutsideTheGroupsCheckNoRadio) {
    DialogDriver driver;
    CPropatyDlg dlg;
    LaneLook start = Start();
    start.colorChoice = 7, start.sizeChoice = -1, start.pos = 2, start.deltaX = 5;
    dlg.setSettings(start);
    std::string radios, buttons;
    driver.Expect({LetItShow, Check([&](HWND d) {
                       radios = States(d, {IDC_COLOR_WHITE, IDC_COLOR_BLACK, IDC_COLOR_YELLOW,
                                           IDC_COLOR_RED, IDC_COLOR_USER, IDC_SIZE_SMALL,
                                           IDC_SIZE_NORMAL, IDC_SIZE_LARGE, IDC_SIZE_USER,
                                           IDC_POS_TOP, IDC_POS_BOTTOM, IDC_SPEED_SLOW,
                                           IDC_SPEED_NORMAL, IDC_SPEED_RATHER_FAST, IDC_SPEED_FAST},
                                       true);
                       buttons = CustomButtons(d);
                   }),
                   Click(IDOK)});
    ASSERT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(std::string(15, '0'), radios);
    EXPECT_EQ("00000", buttons);
    EXPECT_EQ((std::vector<int>{-1, -1, -1, -1}),
              (std::vector<int>{dlg.settings().colorChoice, dlg.settings().sizeChoice, dlg.settings().pos, dlg.settings().deltaX - 1}));
}

TEST(PropatyDlg, CustomColoursComeFromTheColourDialog) {
    DialogDriver driver;
    CPropatyDlg dlg;
    dlg.setSettings(Start());
    std::vector<std::string> fields;
    std::vector<COLORREF> swatches;  // brushes are made anew only when the swatches paint
    auto readFields = Check([&](HWND d) {
        fields.push_back(ItemText(d, IDC_RED_EDIT) + "," + ItemText(d, IDC_GREEN_EDIT) + "," +
                         ItemText(d, IDC_BLUE_EDIT));
    });
    auto lookSwatches = Check([&](HWND) {
        swatches.push_back(BrushColor(dlg.swatchBrush(IDC_SWATCH_USER_TEXT)));
        swatches.push_back(BrushColor(dlg.swatchBrush(IDC_SWATCH_SHADOW)));
    });
    driver.Expect({LetItShow, Click(IDC_TEXT_RGB), lookSwatches, Click(IDC_SHADOW_RGB),
                   lookSwatches, Click(IDC_TEXT_RGB), Click(IDOK)});
    driver.Expect({readFields, ClickArrow(IDC_BLUE_SPIN, false), Click(IDOK)});
    driver.Expect({readFields, ClickArrow(IDC_RED_SPIN, true), Click(IDOK)});
    driver.Expect({ClickArrow(IDC_GREEN_SPIN, false), Click(IDCANCEL)});
    ASSERT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ((std::vector<std::string>{"255,255,120", "86,52,18"}), fields);
    EXPECT_EQ((std::vector<COLORREF>{0x77FFFF, 0x123456, 0x77FFFF, 0x123457}), swatches);
    EXPECT_EQ(0x77FFFFu, dlg.settings().userTextColor) << "the cancelled colour dialog changed nothing";
    EXPECT_EQ(0x123457u, dlg.settings().userShadowColor);
    EXPECT_EQ(4, driver.DialogsOpened());
}

// In the font dialog: notes whether the colour box shows, then picks the first face other
// than Tahoma that offers 20 points, and OK.
std::vector<DialogStep> ChooseFont(std::string& chosen, bool& colourShown) {
    auto select = [](HWND d, int id, LRESULT index) {
        SendDlgItemMessageA(d, id, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        SendMessageA(d, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), LPARAM(GetDlgItem(d, id)));
    };
    return {[&chosen, &colourShown, select](HWND d) {
                colourShown = IsWindowVisible(GetDlgItem(d, cmb4)) != FALSE;
                LRESULT count = SendDlgItemMessageA(d, cmb1, CB_GETCOUNT, 0, 0);
                for (LRESULT i = 0; i < count && chosen.empty(); ++i) {
                    char face[256] = {};
                    if (SendDlgItemMessageA(d, cmb1, CB_GETLBTEXTLEN, i, 0) >= LF_FACESIZE) continue;
                    SendDlgItemMessageA(d, cmb1, CB_GETLBTEXT, i, LPARAM(face));
                    if (face[0] == '@' || std::string("Tahoma") == face) continue;
                    select(d, cmb1, i);
                    LRESULT size = SendDlgItemMessageA(d, cmb3, CB_FINDSTRINGEXACT, WPARAM(-1), LPARAM("20"));
                    if (size == CB_ERR) continue;
                    select(d, cmb3, size);
                    chosen = face;
                }
            },
            Click(IDOK)};
}

TEST(PropatyDlg, UserFontComesFromTheFontDialog) {
    DialogDriver driver;
    CPropatyDlg dlg;
    dlg.setSettings(Start());
    std::string chosen;
    bool colourShown = true;
    Labels labels;
    driver.Expect({Click(IDC_FONT_BUTTON), Check([&](HWND d) { labels = FontLabels(d); }), Click(IDOK)});
    driver.Expect(ChooseFont(chosen, colourShown));
    ASSERT_EQ(IDOK, dlg.DoModal());
    ASSERT_FALSE(chosen.empty());
    EXPECT_FALSE(colourShown) << "the font dialog offers no effects";
    EXPECT_EQ((Labels{chosen, kSize, "20"}), labels);
    EXPECT_EQ(chosen, dlg.settings().logFont.lfFaceName);
    EXPECT_EQ(-27, dlg.settings().logFont.lfHeight);
}

TEST(PropatyDlg, CancelLeavesEverythingAsItCameIn) {
    DialogDriver driver;
    CPropatyDlg dlg;
    dlg.setSettings(Start());
    std::string chosen;
    bool colourShown = true;
    LaneLook inside;
    driver.Expect({Click(IDC_TEXT_RGB), Click(IDC_FONT_BUTTON), Click(IDC_SHADOW_COMPLEMENT),
                   Click(IDC_SPEED_FAST), Click(IDC_POS_TOP), Click(IDC_COLOR_RED),
                   ClickArrow(IDC_GAP_SPIN, false), Click(IDC_SIZE_SMALL),
                   Check([&](HWND) { inside = dlg.settings(); }), Click(IDCANCEL)});
    driver.Expect({ClickArrow(IDC_RED_SPIN, false), Click(IDOK)});
    driver.Expect(ChooseFont(chosen, colourShown));
    ASSERT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_EQ(0x78FFFEu, inside.userTextColor) << "the colour dialog was confirmed";
    EXPECT_FALSE(chosen.empty()) << "the font dialog was confirmed";
    EXPECT_TRUE(Same(dlg.settings(), Start()));
}

// The right-hand column: band on/off, its colour and opacity, the outline and the separator,
// shown as stored, changed, and kept by OK or dropped by Cancel.
TEST(PropatyDlg, BandOutlineAndSeparatorAreShownAndKeptOnlyByOk) {
    LaneLook start = Start();
    start.bandOn = 1, start.bandColor = 0x123456, start.bandOpacity = 100, start.outline = 1;
    start.separator = "　◆　";
    for (int button : {IDOK, IDCANCEL}) {
        SCOPED_TRACE(button);
        DialogDriver driver;
        CPropatyDlg dlg;
        dlg.setSettings(start);
        std::vector<std::string> shown, inside;
        COLORREF swatch = CLR_INVALID;
        auto look = [](HWND d) {
            return std::vector<std::string>{States(d, {IDC_BAND_ON, IDC_OUTLINE}, true),
                                            ItemText(d, IDC_BAND_OPACITY_EDIT), ItemText(d, IDC_SEPARATOR_EDIT)};
        };
        driver.Expect({LetItShow, Check([&](HWND d) {
                           shown = look(d);
                           swatch = ScreenColorAtCentre(d, IDC_SWATCH_BAND);
                       }),
                       ClickArrow(IDC_BAND_OPACITY_SPIN, true), ClickArrow(IDC_BAND_OPACITY_SPIN, false),
                       Click(IDC_BAND_ON), Click(IDC_OUTLINE), SetText(IDC_SEPARATOR_EDIT, " | "),
                       Click(IDC_BAND_RGB), Check([&](HWND d) { inside = look(d); }), Click(button)});
        driver.Expect({ClickArrow(IDC_RED_SPIN, false), Click(IDOK)});
        ASSERT_EQ(button, dlg.DoModal());
        EXPECT_EQ((std::vector<std::string>{"11", "100", "　◆　"}), shown);
        EXPECT_EQ(0x123456u, swatch);
        EXPECT_EQ((std::vector<std::string>{"00", "99", " | "}), inside) << "100 is the top of the range";
        LaneLook expected = start;
        if (button == IDOK) {
            expected.bandOn = 0, expected.bandColor = 0x123455, expected.bandOpacity = 99;
            expected.outline = 0, expected.separator = " | ";
        }
        EXPECT_TRUE(Same(dlg.settings(), expected));
    }
}

// The smooth look's box and speed: shown as stored, and what is typed read back as a speed
// within its bounds, or none; the cut-in's box beside them.
TEST(PropatyDlg, SmoothLookItsSpeedAndTheCutInChoiceAreReadBack) {
    const struct {
        int smooth, speedPx;
        const char* shown;
        const char* typed;
        int saved;
    } cases[] = {{1, 35, "35", "99999", kMaxSpeedPx}, {0, 0, "", "0", 0}, {1, 9999, "", "7", 7}, {0, 20, "20", "", 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        LaneLook start = Start();
        start.smooth = c.smooth, start.speedPx = c.speedPx;
        DialogDriver driver;
        CPropatyDlg dlg;
        dlg.setLanes({start}, c.smooth, 1, nullptr);
        std::string shown, checked;
        driver.Expect({LetItShow, Check([&](HWND d) {
                           checked = States(d, {IDC_SMOOTH, IDC_CUTIN_AFTER}, true);
                           shown = ItemText(d, IDC_SPEED_PX_EDIT);
                       }),
                       Click(IDC_SMOOTH), Click(IDC_CUTIN_AFTER), SetText(IDC_SPEED_PX_EDIT, c.typed),
                       Click(IDOK)});
        ASSERT_EQ(IDOK, dlg.DoModal());
        EXPECT_EQ(c.smooth ? "11" : "00", checked);
        EXPECT_EQ(c.shown, shown);
        LaneLook expected = start;
        expected.smooth = !c.smooth, expected.speedPx = c.saved;
        EXPECT_TRUE(Same(dlg.settings(), expected));
        EXPECT_EQ(!c.smooth, dlg.cutInAfterCurrent());
    }
}

}  // namespace

namespace {

// The font dialog with a size typed into its size box, and OK.
std::vector<DialogStep> TypeFontSize(const std::string& points) {
    return {[points](HWND d) {
                // A face first: the dialog may open with none chosen.
                SendDlgItemMessageA(d, cmb1, CB_SETCURSEL, 0, 0);
                SendMessageA(d, WM_COMMAND, MAKEWPARAM(cmb1, CBN_SELCHANGE), LPARAM(GetDlgItem(d, cmb1)));
                SendDlgItemMessageA(d, cmb3, CB_SETCURSEL, WPARAM(-1), 0);
                SetDlgItemTextA(d, cmb3, points.c_str());
                SendMessageA(d, WM_COMMAND, MAKEWPARAM(cmb3, CBN_EDITCHANGE), LPARAM(GetDlgItem(d, cmb3)));
            },
            Click(IDOK)};
}

TEST(PropatyDlg, AFontTallerThanAQuarterOfTheMonitorIsRefusedWithItsBound) {
    const int tallest = GetSystemMetrics(SM_CYSCREEN) / 4;  // pixels of the primary monitor's quarter
    const int bound = tallest * 72 / fw::LogPixelsY();  // the most points within it
    const std::string message = "文字の大きさは" + std::to_string(bound) + "ポイントまでです";
    const struct {
        int points;
        bool taken;
    } cases[] = {{1648, false}, {bound + 1, false}, {bound, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.points);
        MessageBoxRecorder boxes;
        DialogDriver driver;
        CPropatyDlg dlg;
        dlg.setSettings(Start());
        driver.Expect({Click(IDC_FONT_BUTTON), Click(IDOK)});
        driver.Expect(TypeFontSize(std::to_string(c.points)));
        ASSERT_EQ(IDOK, dlg.DoModal());
        EXPECT_EQ(c.taken ? std::vector<std::string>{} : std::vector<std::string>{message}, boxes.texts());
        const LONG expected = c.taken ? -MulDiv(MulDiv(c.points, fw::LogPixelsY(), 72), 96, fw::LogPixelsY())
                                      : Start().logFont.lfHeight;
        EXPECT_EQ(expected, dlg.settings().logFont.lfHeight);
    }
}

TEST(PropatyDlg, TheSampleShowsTheChosenColoursAtOnce) {
    const struct {
        int radio;
        COLORREF text;
        COLORREF shadow;
    } cases[] = {{IDC_COLOR_WHITE, RGB(255, 255, 255), RGB(0, 0, 0)}, {IDC_COLOR_RED, RGB(255, 0, 0), RGB(0, 255, 255)}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.radio);
        DialogDriver driver;
        CPropatyDlg dlg;
        dlg.setSettings(Start());
        PixelImage sample;
        driver.Expect({Click(c.radio), Check([&](HWND d) { sample = CaptureWindow(GetDlgItem(d, IDC_PREVIEW)); }),
                       Click(IDCANCEL)});
        ASSERT_EQ(IDCANCEL, dlg.DoModal());
        ASSERT_FALSE(sample.empty());
        EXPECT_GT(sample.count(c.text), 0);
        EXPECT_GT(sample.count(c.shadow), 0);
        EXPECT_GT(sample.count(kPreviewDesktop), sample.width) << "the grey stands for the desktop";
    }
}

}  // namespace

namespace {

// A text or shadow colour that the strip would show as the desktop (its key colour) is named in
// a line below OK while the strip would show it so: not with a band, not with another colour.
TEST(PropatyDlg, AColourThatWouldNotShowIsNamedBelowOk) {
    LaneLook start = Start();
    start.userTextColor = RGB(200, 200, 200);
    DialogDriver driver;
    CPropatyDlg dlg;
    dlg.setSettings(start);
    std::vector<std::string> seen;
    auto look = Check([&](HWND d) { seen.push_back(ItemText(d, IDC_KEY_COLOR_WARNING)); });
    driver.Expect({LetItShow, look, Click(IDC_BAND_ON), look, Click(IDC_BAND_ON), look, Click(IDC_COLOR_WHITE), look,
                   Click(IDCANCEL)});
    ASSERT_EQ(IDCANCEL, dlg.DoModal());
    const std::string hidden = "文字の色（200,200,200）は透明になり表示されません";
    EXPECT_EQ((std::vector<std::string>{hidden, "", hidden, ""}), seen);
}

}  // namespace
