#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "panel/RGBSetDlg.h"
#include "resource.h"
#include "tests/support/DialogDriver.h"
#include "tests/support/Pixels.h"
#include "tests/unit/test_rgbsetdlg_steps.h"

using namespace testing_support;
using namespace dialog_steps;

namespace {

struct Fields {
    std::string red, green, blue;
    bool operator==(const Fields& o) const { return red == o.red && green == o.green && blue == o.blue; }
};

Fields ReadFields(HWND d) {
    return {ItemText(d, IDC_RED_EDIT), ItemText(d, IDC_GREEN_EDIT), ItemText(d, IDC_BLUE_EDIT)};
}

COLORREF PreviewOnScreen(HWND d) {
    RECT rc;
    GetWindowRect(GetDlgItem(d, IDC_RGB_PREVIEW), &rc);
    RECT middle{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2, 0, 0};
    middle.right = middle.left + 1;
    middle.bottom = middle.top + 1;
    PixelImage image = CaptureScreen(middle);
    return image.empty() ? CLR_INVALID : image.at(0, 0);
}

TEST(RGBSetDlg, ShowsTheComponentsOfTheColourItIsGiven) {
    DialogDriver driver;
    CRGBSetDlg dlg;
    dlg.setColor(0x78FFFF);
    Fields shown;
    COLORREF preview = CLR_INVALID;
    driver.Expect({LetItShow(), Check([&](HWND d) {
                       EXPECT_TRUE(IsWindowVisible(d));
                       shown = ReadFields(d);
                       preview = PreviewOnScreen(d);
                   }),
                   Click(IDCANCEL)});
    ASSERT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_EQ((Fields{"255", "255", "120"}), shown);
    EXPECT_EQ(COLORREF(0x78FFFF), preview);
}

TEST(RGBSetDlg, OkWithoutChangeGivesTheSameColour) {
    for (COLORREF colour : {COLORREF(0x78FFFF), COLORREF(0x000000), COLORREF(0x123456)}) {
        DialogDriver driver;
        CRGBSetDlg dlg;
        dlg.setColor(colour);
        driver.Expect({Click(IDOK)});
        ASSERT_EQ(IDOK, dlg.DoModal());
        EXPECT_EQ(colour, dlg.color());
    }
}

TEST(RGBSetDlg, ArrowsStopAtTheEndsWithoutWrapping) {
    DialogDriver driver;
    CRGBSetDlg dlg;
    dlg.setColor(RGB(255, 0, 254));
    std::vector<Fields> shown;
    auto look = Check([&](HWND d) { shown.push_back(ReadFields(d)); });
    driver.Expect({ClickArrow(IDC_RED_SPIN, true), ClickArrow(IDC_GREEN_SPIN, false),
                   ClickArrow(IDC_BLUE_SPIN, true), look,
                   ClickArrow(IDC_BLUE_SPIN, true), look,
                   ClickArrow(IDC_RED_SPIN, false), ClickArrow(IDC_GREEN_SPIN, true), look,
                   Click(IDOK)});
    ASSERT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ((std::vector<Fields>{{"255", "0", "255"}, {"255", "0", "255"}, {"254", "1", "255"}}),
              shown);
    EXPECT_EQ(RGB(254, 1, 255), dlg.color());
}

TEST(RGBSetDlg, FieldsTakeNoTyping) {
    DialogDriver driver;
    CRGBSetDlg dlg;
    dlg.setColor(RGB(10, 20, 30));
    Fields shown;
    driver.Expect({[](HWND d) {
                       HWND red = GetDlgItem(d, IDC_RED_EDIT);
                       SetFocus(red);
                       SendMessageA(red, EM_SETSEL, 0, -1);
                       PostMessageA(red, WM_CHAR, '9', 1);
                   },
                   Check([&](HWND d) { shown = ReadFields(d); }), Click(IDOK)});
    ASSERT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ((Fields{"10", "20", "30"}), shown);
    EXPECT_EQ(RGB(10, 20, 30), dlg.color());
}

TEST(RGBSetDlg, PreviewFollowsEveryArrowAndItsBrushesAreReleased) {
    GdiHandleLog brushes;
    std::vector<COLORREF> brushColours, screenColours;
    {
        DialogDriver driver;
        CRGBSetDlg dlg;
        dlg.setColor(0x78FFFF);
        auto look = Check([&](HWND d) {
            brushes.note(dlg.m_brushPreview.get());
            brushColours.push_back(BrushColor(dlg.m_brushPreview.get()));
            screenColours.push_back(PreviewOnScreen(d));
        });
        driver.Expect({LetItShow(), look, ClickArrow(IDC_BLUE_SPIN, false), look,
                       ClickArrow(IDC_GREEN_SPIN, false), look,
                       Check([&](HWND) { EXPECT_EQ(1u, brushes.alive()); }), Click(IDCANCEL)});
        ASSERT_EQ(IDCANCEL, dlg.DoModal());
        EXPECT_EQ(0x78FFFFu, dlg.color()) << "Cancel keeps the colour that came in";
    }
    const std::vector<COLORREF> expected{RGB(255, 255, 120), RGB(255, 255, 119), RGB(255, 254, 119)};
    EXPECT_EQ(expected, brushColours);
    EXPECT_EQ(expected, screenColours);
    EXPECT_EQ(3u, brushes.count());
    EXPECT_EQ(0u, brushes.alive());
}

}  // namespace
