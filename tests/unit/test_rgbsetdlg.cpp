#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "panel/RGBSetDlg.h"
#include "resource.h"
#include "tests/unit/test_rgbsetdlg_steps.h"

using namespace testing_support;
using namespace dialog_steps;

namespace {

std::string Fields(HWND d) {
    return ItemText(d, IDC_RED_EDIT) + "," + ItemText(d, IDC_GREEN_EDIT) + "," +
           ItemText(d, IDC_BLUE_EDIT);
}

TEST(RGBSetDlg, ShowsTheColourAndOkWithoutChangeGivesItBack) {
    DialogDriver driver;
    CRGBSetDlg dlg;
    dlg.setColor(0x78FFFF);
    std::string fields;
    COLORREF preview = CLR_INVALID;
    driver.Expect({LetItShow, Check([&](HWND d) {
                       fields = Fields(d);
                       preview = ScreenColorAtCentre(d, IDC_RGB_PREVIEW);
                   }),
                   Click(IDOK)});
    ASSERT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ("255,255,120", fields);
    EXPECT_EQ(0x78FFFFu, preview);
    EXPECT_EQ(0x78FFFFu, dlg.color());
}

TEST(RGBSetDlg, ArrowsStopAtTheEndsAndThePreviewFollowsEachOne) {
    std::vector<HGDIOBJ> brushes;
    std::vector<std::string> fields;
    std::vector<COLORREF> brushColours, screenColours;
    {
        DialogDriver driver;
        CRGBSetDlg dlg;
        dlg.setColor(RGB(255, 0, 120));
        auto look = Check([&](HWND d) {
            fields.push_back(Fields(d));
            brushes.push_back(dlg.m_brushPreview.get());
            brushColours.push_back(BrushColor(dlg.m_brushPreview.get()));
            screenColours.push_back(ScreenColorAtCentre(d, IDC_RGB_PREVIEW));
            EXPECT_EQ(1u, Alive(brushes)) << "the previous preview brush is gone";
        });
        auto typeIntoRed = [](HWND d) {
            SetFocus(GetDlgItem(d, IDC_RED_EDIT));
            SendDlgItemMessageA(d, IDC_RED_EDIT, EM_SETSEL, 0, -1);
            PostMessageA(GetDlgItem(d, IDC_RED_EDIT), WM_CHAR, '9', 1);
        };
        driver.Expect({LetItShow, ClickArrow(IDC_RED_SPIN, true), ClickArrow(IDC_GREEN_SPIN, false),
                       look, ClickArrow(IDC_BLUE_SPIN, false), look, ClickArrow(IDC_RED_SPIN, false),
                       look, typeIntoRed, Check([&](HWND d) { fields.push_back(Fields(d)); }),
                       Click(IDOK)});
        ASSERT_EQ(IDOK, dlg.DoModal());
        EXPECT_EQ(RGB(254, 0, 119), dlg.color());
    }
    EXPECT_EQ((std::vector<std::string>{"255,0,120", "255,0,119", "254,0,119", "254,0,119"}),
              fields);
    const std::vector<COLORREF> shown{RGB(255, 0, 120), RGB(255, 0, 119), RGB(254, 0, 119)};
    EXPECT_EQ(shown, brushColours);
    EXPECT_EQ(shown, screenColours);
    EXPECT_EQ(0u, Alive(brushes)) << "no preview brush outlives the dialog";
}

}  // namespace
