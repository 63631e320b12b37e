// The strip's look changed while a caption rolls, and its band, as an operator meets them: a
// settings change never sends the caption back to the right edge, and a band shows only while a
// caption is on the strip.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "KirunnerProcess.h"
#include "PageParent.h"
#include "TempDir.h"
#include "resource.h"

using namespace testing_support;

namespace {

const DWORD kTimeout = 20000;
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kRed = RGB(255, 0, 0);

class Looks : public ::testing::Test {
protected:
    void Start(const std::string& systemKeys, const std::string& text) {
        ASSERT_TRUE(WriteFileBytes(dir.file("Kirunner.ini"), SettingsText({{text, 5}}, systemKeys)));
        ASSERT_TRUE(program.Start(dir.path()));
        main = program.MainWindow(kTimeout);
        strip = program.StripWindow(kTimeout);
        ASSERT_TRUE(main && strip);
        page = ControlPage(main);
    }
    void PutOnAir() const {
        SelectListRow(GetDlgItem(page, IDC_CAPTION_LIST), 0);
        PostClick(page, IDC_ADD_TO_CAPTION);
    }
    // Presses キルン設定, clicks `control` in it (none: 0) and OK.
    void AppearanceOk(int control) const {
        PostClick(page, IDC_CAPTION_SETTINGS);
        HWND dialog = program.WaitForDialog("キルン設定", kTimeout);
        ASSERT_TRUE(dialog);
        if (control) SendMessageA(GetDlgItem(dialog, control), BM_CLICK, 0, 0);
        PostClick(dialog, IDOK);
        ASSERT_TRUE(WaitForGone(dialog, kTimeout));
    }
    // The first column of the strip in `colour`; -1 when none shows it.
    int FirstColumn(COLORREF colour) const { return CaptureWindow(strip).firstColumnWith(colour); }

    TempDir dir;
    KirunnerProcess program;
    HWND main = nullptr, strip = nullptr, page = nullptr;
};

// A long caption well into the strip: OK without a change leaves it moving on from where it
// was; a new colour applies to it where it is.
TEST_F(Looks, AppearanceOkNeverSendsTheCaptionBackToTheRightEdge) {
    Start("DELTAX=4\r\nRGAP=1200\r\n", std::string(120, 'W'));
    PutOnAir();
    int before = -1;
    ASSERT_TRUE(WaitUntil([&] { return (before = FirstColumn(kWhite)) >= 0 && before < 600; }, kTimeout))
        << "the caption never came well into the strip";
    AppearanceOk(0);
    const int after = FirstColumn(kWhite);
    EXPECT_GE(after, 0);
    EXPECT_LE(after, before) << "the caption started again at the right edge";

    AppearanceOk(IDC_COLOR_RED);
    int red = -1;
    EXPECT_TRUE(WaitUntil([&] { return (red = FirstColumn(kRed)) >= 0; }, kTimeout)) << "the new colour never showed";
    EXPECT_LE(red, after) << "the colour change sent the caption back";
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.WaitForExit(kTimeout));
}

// With a band, nothing shows while nothing is on the strip: at start, and after 今すぐ消去.
TEST_F(Looks, ABandShowsOnlyWhileACaptionIsOnTheStrip) {
    Start("BAND=1\r\nBANDRGB=255\r\n", "abc");
    const auto bandShown = [&] { return IsWindowVisible(strip) && CaptureWindow(strip).count(kRed) > 0; };
    Sleep(500);
    EXPECT_FALSE(IsWindowVisible(strip)) << "an empty band at start";
    PutOnAir();
    EXPECT_TRUE(WaitUntil(bandShown, kTimeout)) << "the band never came with the caption";
    PostClick(page, IDC_CLEAR_NOW);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(strip); }, kTimeout)) << "an empty band after 今すぐ消去";
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.WaitForExit(kTimeout));
}

}  // namespace
