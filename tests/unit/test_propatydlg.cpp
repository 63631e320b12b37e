#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <tuple>
#include <vector>

#include <windows.h>
#include <dlgs.h>

#include "framework/App.h"
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
struct Settings {
    int sizeChoice = CPropatyDlg::kUserFont, posChoice = 1, colorChoice = CPropatyDlg::kUserColor;
    COLORREF text = 0x78FFFF, shadow = 0x123456;
    LOGFONTA font = {-20, 0, 0, 0, FW_BOLD, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, 0, 0, "Tahoma"};
    int gap = 1000, lgap = -3000, rgap = 3000, speedChoice = 2;

    static Settings Of(const CPropatyDlg& d) {
        return {d.m_sizeChoice, d.m_posChoice, d.m_colorChoice, d.m_userTextColor,
                d.m_userShadowColor, d.m_logFont, d.m_gap, d.m_lgap, d.m_rgap, d.m_speedChoice};
    }
    void ApplyTo(CPropatyDlg& d) const {
        d.m_sizeChoice = sizeChoice, d.m_posChoice = posChoice, d.m_colorChoice = colorChoice;
        d.m_userTextColor = text, d.m_userShadowColor = shadow, d.m_logFont = font;
        d.m_gap = gap, d.m_lgap = lgap, d.m_rgap = rgap, d.m_speedChoice = speedChoice;
    }
    bool operator==(const Settings& o) const {
        return std::tie(sizeChoice, posChoice, colorChoice, text, shadow, gap, lgap, rgap, speedChoice) ==
                   std::tie(o.sizeChoice, o.posChoice, o.colorChoice, o.text, o.shadow, o.gap,
                            o.lgap, o.rgap, o.speedChoice) &&
               std::memcmp(&font, &o.font, sizeof font) == 0;
    }
};

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
    Settings().ApplyTo(dlg);
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
    Settings expected;
    expected.rgap = 2999;  // the other two arrows were at the ends of their ranges
    EXPECT_TRUE(Settings::Of(dlg) == expected);
}

TEST(PropatyDlg, CustomColourButtonsFollowEveryColourRadio) {
    DialogDriver driver;
    CPropatyDlg dlg;
    Settings start;
    start.colorChoice = CPropatyDlg::kWhite;
    start.ApplyTo(dlg);
    std::string seen;
    auto look = Check([&](HWND d) { seen += CustomButtons(d) + " "; });
    driver.Expect({look, Click(IDC_COLOR_USER), look, Click(IDC_COLOR_WHITE), look,
                   Click(IDC_COLOR_USER), Click(IDC_COLOR_BLACK), look, Click(IDC_COLOR_USER),
                   Click(IDC_COLOR_YELLOW), look, Click(IDC_COLOR_USER), Click(IDC_COLOR_RED), look,
                   Click(IDOK)});
    ASSERT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ("00000 11111 00000 00000 00000 00000 ", seen);
    EXPECT_EQ(CPropatyDlg::kRed, dlg.m_colorChoice);
}

TEST(PropatyDlg, ShadowButtonsRepaintTheSwatchAndNoBrushOutlivesTheDialog) {
    for (COLORREF text : {COLORREF(0x78FFFF), COLORREF(0xFFFFFF)}) {
        const COLORREF complement = text == 0x78FFFF ? 0x870000 : 0x000000;
        std::vector<HGDIOBJ> brushes;
        std::vector<COLORREF> shadows, onScreen;
        {
            DialogDriver driver;
            CPropatyDlg dlg;
            Settings start;
            start.text = text;
            start.ApplyTo(dlg);
            for (auto* preset : {&dlg.m_brushWhite, &dlg.m_brushBlack, &dlg.m_brushYellow, &dlg.m_brushRed})
                brushes.push_back(preset->get());
            auto look = Check([&](HWND d) {
                shadows.push_back(BrushColor(dlg.m_brushShadow.get()));
                onScreen.push_back(ScreenColorAtCentre(d, IDC_SWATCH_SHADOW));
                brushes.push_back(dlg.m_brushShadow.get());
                EXPECT_EQ(5u, Alive(brushes)) << "the four presets and the latest shadow brush";
            });
            driver.Expect({LetItShow, Click(IDC_SHADOW_COMPLEMENT), look, Click(IDC_SHADOW_WHITE),
                           look, Click(IDC_SHADOW_BLACK), look, Click(IDC_SHADOW_COMPLEMENT), look,
                           Click(IDOK)});
            ASSERT_EQ(IDOK, dlg.DoModal());
            EXPECT_EQ(complement, dlg.m_userShadowColor);
            brushes.push_back(dlg.m_brushUserText.get());
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
    Settings().ApplyTo(dlg);
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
    EXPECT_EQ(-21, dlg.m_logFont.lfHeight);
    EXPECT_STREQ(kFixedFace, dlg.m_logFont.lfFaceName);

    for (LONG height : {0, 20}) {
        CPropatyDlg other;
        Settings start;
        start.font.lfHeight = height;
        start.ApplyTo(other);
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
    Settings start;
    start.colorChoice = 7, start.sizeChoice = -1, start.posChoice = 2, start.speedChoice = 4;
    start.ApplyTo(dlg);
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
              (std::vector<int>{dlg.m_colorChoice, dlg.m_sizeChoice, dlg.m_posChoice, dlg.m_speedChoice}));
}

TEST(PropatyDlg, CustomColoursComeFromTheColourDialog) {
    DialogDriver driver;
    CPropatyDlg dlg;
    Settings().ApplyTo(dlg);
    std::vector<std::string> fields;
    std::vector<COLORREF> swatches;  // brushes are made anew only when the swatches paint
    auto readFields = Check([&](HWND d) {
        fields.push_back(ItemText(d, IDC_RED_EDIT) + "," + ItemText(d, IDC_GREEN_EDIT) + "," +
                         ItemText(d, IDC_BLUE_EDIT));
    });
    auto lookSwatches = Check([&](HWND) {
        swatches.push_back(BrushColor(dlg.m_brushUserText.get()));
        swatches.push_back(BrushColor(dlg.m_brushShadow.get()));
    });
    driver.Expect({LetItShow, Click(IDC_TEXT_RGB), lookSwatches, Click(IDC_SHADOW_RGB),
                   lookSwatches, Click(IDC_TEXT_RGB), Click(IDOK)});
    driver.Expect({readFields, ClickArrow(IDC_BLUE_SPIN, false), Click(IDOK)});
    driver.Expect({readFields, ClickArrow(IDC_RED_SPIN, true), Click(IDOK)});
    driver.Expect({ClickArrow(IDC_GREEN_SPIN, false), Click(IDCANCEL)});
    ASSERT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ((std::vector<std::string>{"255,255,120", "86,52,18"}), fields);
    EXPECT_EQ((std::vector<COLORREF>{0x77FFFF, 0x123456, 0x77FFFF, 0x123457}), swatches);
    EXPECT_EQ(0x77FFFFu, dlg.m_userTextColor) << "the cancelled colour dialog changed nothing";
    EXPECT_EQ(0x123457u, dlg.m_userShadowColor);
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
    Settings().ApplyTo(dlg);
    std::string chosen;
    bool colourShown = true;
    Labels labels;
    driver.Expect({Click(IDC_FONT_BUTTON), Check([&](HWND d) { labels = FontLabels(d); }), Click(IDOK)});
    driver.Expect(ChooseFont(chosen, colourShown));
    ASSERT_EQ(IDOK, dlg.DoModal());
    ASSERT_FALSE(chosen.empty());
    EXPECT_FALSE(colourShown) << "the font dialog offers no effects";
    EXPECT_EQ((Labels{chosen, kSize, "20"}), labels);
    EXPECT_EQ(chosen, dlg.m_logFont.lfFaceName);
    EXPECT_EQ(-27, dlg.m_logFont.lfHeight);
}

TEST(PropatyDlg, CancelLeavesEverythingAsItCameIn) {
    DialogDriver driver;
    CPropatyDlg dlg;
    Settings().ApplyTo(dlg);
    std::string chosen;
    bool colourShown = true;
    Settings inside;
    driver.Expect({Click(IDC_TEXT_RGB), Click(IDC_FONT_BUTTON), Click(IDC_SHADOW_COMPLEMENT),
                   Click(IDC_SPEED_FAST), Click(IDC_POS_TOP), Click(IDC_COLOR_RED),
                   ClickArrow(IDC_GAP_SPIN, false), Click(IDC_SIZE_SMALL),
                   Check([&](HWND) { inside = Settings::Of(dlg); }), Click(IDCANCEL)});
    driver.Expect({ClickArrow(IDC_RED_SPIN, false), Click(IDOK)});
    driver.Expect(ChooseFont(chosen, colourShown));
    ASSERT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_EQ(0x78FFFEu, inside.text) << "the colour dialog was confirmed";
    EXPECT_FALSE(chosen.empty()) << "the font dialog was confirmed";
    EXPECT_TRUE(Settings::Of(dlg) == Settings());
}

}  // namespace
