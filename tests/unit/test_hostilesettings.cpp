// The control page opened over settings files that no dialog writes: numbers at the ends of
// their range or no numbers at all, oversized names and texts, offsets far off the screen and
// binary junk. The page must open, lay out its strip within reach, keep its list and font
// bounded and roll a caption.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <climits>
#include <random>
#include <string>
#include <vector>

#include "display/KirunWin.h"
#include "display/StripPlacement.h"
#include "model/AppearanceRules.h"
#include "model/SettingsFile.h"
#include "model/StartupState.h"
#include "tests/support/FileLooks.h"
#include "tests/support/PageChecks.h"
#include "tests/support/PageHost.h"
#include "tests/support/StdoutCapture.h"
#include "tests/support/PageParent.h"
#include "Cp932.h"

using namespace testing_support;

namespace {

const char* const kHostileNumbers[] = {"-2147483648", "-1", "0", "99999999999", "-99999999999",
                                       "2147483647", "abc", "", "0x7fffffff", "12abc", " -5 "};

std::string Line(const std::string& key, const std::string& value) { return key + "=" + value + "\r\n"; }


// A settings file with these keys in section SYSTEM, one item and these keys in section FILE.
std::string SystemKeys(const std::string& keys, const std::string& itemCount = "1",
                       const std::string& itemMinutes = "1", const std::string& fileKeys = "EXEC=0\r\n") {
    return "[SYSTEM]\r\n" + keys + Line("ITEMCOUNT", itemCount) + "[ITEM0]\r\n" + Line("MINUTE", itemMinutes) +
           Line("STRINGS", Hex("キャプション")) + "[FILE]\r\n" + fileKeys;
}

class HostileSettings : public ::testing::Test {
protected:
    void SetUp() override { GetWindowRect(GetDesktopWindow(), &screen); }
    void TearDown() override {
        host.Close();
    }
    CControlDlg& Page() { return *host.page(); }
    CKirunWin& Strip() { return *host.host()->strips().first(); }
    RECT StripRect() {
        RECT rect{};
        GetWindowRect(Strip().Hwnd(), &rect);
        return rect;
    }

    PageHost host;
    RECT screen{};
};

TEST_F(HostileSettings, EveryNumberAtItsEndsOrNoNumberAtAll) {
    const char* const keys[] = {"COLOR", "RGB", "RGBSDW", "POS", "GAP", "LGAP", "RGAP", "SIZE",
                                "DELTAX", "FONTHEIGHT", "FONTWEIGHT", "FONTITALIC"};
    for (const char* value : kHostileNumbers) {
        std::string system;
        for (const char* key : keys) system += Line(key, value);
        system += Line("FONTFACENAME", "Arial");
        const std::string fileKeys = Line("EXEC", value) + Line("MINUTE", value) + Line("PATH", value);
        ASSERT_TRUE(host.Open(SystemKeys(system, "1", value, fileKeys))) << value;
        ExpectSanePage(host, std::string("every key ") + value);
        host.Roll(12, 20);
        CheckTextFileNow(Page());
        ExpectSanePage(host, std::string("rolled, every key ") + value);
        EXPECT_TRUE(Rolling(*host.host())) << value;
    }
}

TEST_F(HostileSettings, ItemCountIsBoundedAndNeverNegative) {
    const struct {
        const char* stored;
        int loaded;
    } cases[] = {{"2147483647", kMaxLoadedItems}, {"-1", 0}, {"-2147483648", 0}, {"abc", 0}, {"3", 3}};
    for (const auto& c : cases) {
        ASSERT_TRUE(host.Open(SystemKeys("", c.stored)));
        EXPECT_EQ(c.loaded, Page().captionList().count()) << c.stored;
        EXPECT_EQ(c.loaded, Page().listCtrl().GetItemCount()) << c.stored;
        if (c.loaded > 0) {
            EXPECT_EQ(L"キャプション", Page().captionList().at(0).m_text) << "the stored item comes first";
            EXPECT_EQ(L"", Page().captionList().at(c.loaded - 1).m_text) << "missing sections are empty items";
        }
        host.Roll(10, 10);
        ExpectSanePage(host, std::string("ITEMCOUNT ") + c.stored);
    }
}

TEST_F(HostileSettings, LongFaceNamesAreCutToTheFaceField) {
    std::string twoByte;
    for (int i = 0; i < 500; ++i) twoByte += "あ";  // 1,000 bytes of double-byte characters
    for (const std::string& face : {std::string(1000, 'F'), twoByte}) {
        ASSERT_TRUE(host.Open(SystemKeys(Line("SIZE", "3") + Line("FONTFACENAME", face) + Line("FONTHEIGHT", "-20"))));
        const std::string loaded = Page().controller().appearance().logFont.lfFaceName;
        EXPECT_GE(loaded.size(), 30u);
        EXPECT_LE(loaded.size(), static_cast<size_t>(LF_FACESIZE - 1));
        EXPECT_EQ(face.substr(0, loaded.size()), loaded) << "cut between whole characters";
        ExpectSanePage(host, "face of 1,000 bytes");
    }
}

TEST_F(HostileSettings, AbsurdFontHeightIsHeldAtAThousandPixels) {
    ASSERT_TRUE(host.Open(SystemKeys(Line("SIZE", "3") + Line("FONTFACENAME", "Arial") + Line("FONTHEIGHT", "-100000"))));
    EXPECT_EQ(-kMaxFontHeight, Page().controller().appearance().logFont.lfHeight);
    const RECT rect = StripRect();
    EXPECT_GT(rect.bottom - rect.top, kMaxFontHeight / 2) << "the tall font is used, only bounded";
    host.Roll(5, 5);
    ExpectSanePage(host, "FONTHEIGHT -100000");
}

TEST_F(HostileSettings, StripLiesWhereTheOffsetsSayWithinWindowCoordinates) {
    const struct {
        int pos, gap, lgap, rgap;
    } cases[] = {{0, 10, 20, 30},          {1, -1000, -3000, -3000}, {0, INT_MAX, 0, 0},
                 {1, INT_MIN, 0, 0},       {0, 0, INT_MIN, 0},        {0, 0, 0, INT_MIN},
                 {1, 100000, 100000, 0},   {0, 0, 600, 600},          {0, 0, INT_MAX, INT_MAX}};
    for (const auto& c : cases) {
        const std::string keys = Line("POS", std::to_string(c.pos)) + Line("GAP", std::to_string(c.gap)) +
                                 Line("LGAP", std::to_string(c.lgap)) + Line("RGAP", std::to_string(c.rgap));
        ASSERT_TRUE(host.Open(SystemKeys(keys)));
        const RECT rect = StripRect();
        const StripPlacement want =
            computeStripPlacement(screen, rect.bottom - rect.top, c.pos, c.gap, c.lgap, c.rgap);
        const std::string what = "POS " + std::to_string(c.pos) + " GAP " + std::to_string(c.gap) + " LGAP " +
                                 std::to_string(c.lgap) + " RGAP " + std::to_string(c.rgap);
        EXPECT_EQ(want.x, rect.left) << what;
        EXPECT_EQ(want.y, rect.top) << what;
        EXPECT_EQ(want.width, rect.right - rect.left) << what;
        if (want.width == 0) {
            EXPECT_EQ(nullptr, Strip().stripBitmap()) << "an empty strip has no picture";
        }
        host.Roll(12, 5);
        EXPECT_TRUE(Rolling(*host.host())) << what;
        ExpectSanePage(host, what);
    }
    // Offsets a dialog can set still give the exact sums.
    ASSERT_TRUE(host.Open(SystemKeys(Line("GAP", "10") + Line("LGAP", "20") + Line("RGAP", "30"))));
    const RECT rect = StripRect();
    EXPECT_EQ(screen.left + 20, rect.left);
    EXPECT_EQ(screen.top + 10, rect.top);
    EXPECT_EQ(screen.right - 30, rect.right);
}

TEST_F(HostileSettings, ScrollStepsOutsideTheSpeedsScrollAtNormalSpeed) {
    for (const char* step : {"0", "-5", "100000"}) {
        ASSERT_TRUE(host.Open(SystemKeys(Line("DELTAX", step))));
        EXPECT_EQ(2, Strip().look().m_deltaX) << step;
        Page().putOnAir(0);
        const int before = Strip().scrollX();
        ScrollTick(*host.host());
        EXPECT_EQ(before + 2, Strip().scrollX()) << step;
    }
}

TEST_F(HostileSettings, CaptionTextsOfOddLengthJunkOrHugeHexLoadBounded) {
    std::string hugeHex;
    for (int i = 0; i < 50000; ++i) hugeHex += "41";  // 100,000 digits
    const std::string ini = "[SYSTEM]\r\nITEMCOUNT=4\r\n[ITEM0]\r\nSTRINGS=616\r\n[ITEM1]\r\nSTRINGS=zz41\r\n"
                            "[ITEM2]\r\nSTRINGS=41zz42\r\n[ITEM3]\r\nSTRINGS=" + hugeHex + "\r\n";
    ASSERT_TRUE(host.Open(ini));
    ASSERT_EQ(4, Page().captionList().count());
    EXPECT_EQ(L"", Page().captionList().at(0).m_text) << "odd length decodes nothing";
    EXPECT_EQ(L"", Page().captionList().at(1).m_text) << "a junk pair is a NUL, which ends the text";
    EXPECT_EQ(L"A", Page().captionList().at(2).m_text);
    const std::wstring& huge = Page().captionList().at(3).m_text;
    EXPECT_GE(huge.size(), 511u);
    EXPECT_LE(huge.size(), 2048u);
    EXPECT_EQ(std::wstring(huge.size(), L'A'), huge);
    Page().putOnAir(3);
    for (int i = 0; i < 50; ++i) ScrollTick(*host.host());
    EXPECT_EQ(huge, Strip().currentText());
    ExpectSanePage(host, "hex texts");
}

TEST_F(HostileSettings, UserColoursWithHighBitsShowTheirRgbBytes) {
    ASSERT_TRUE(host.Open(SystemKeys(Line("COLOR", "4") + Line("RGB", "-1") + Line("RGBSDW", "-16777216"))));
    EXPECT_EQ(RGB(255, 255, 255), Strip().look().m_textColor);
    EXPECT_EQ(RGB(0, 0, 0), Strip().look().m_shadowColor);
}

TEST_F(HostileSettings, BinarySettingsFilesOpenWithDefaultsOrWhatTheyHappenToHold) {
    std::mt19937 random(7);
    std::vector<std::string> files;
    for (int i = 0; i < 4; ++i) {
        std::string bytes(4096, '\0');
        for (char& c : bytes) c = static_cast<char>(random() & 0xFF);
        files.push_back(bytes);
    }
    files.push_back(std::string(4096, '\0'));
    files.push_back("\xFF\xFE" + files[0]);                      // looks like UTF-16
    files.push_back("[SYSTEM]\r\nITEMCOUNT=2\r\n" + files[1]);   // a header, then junk
    files.push_back("[SYSTEM]\r\nGAP=" + std::string(100000, '9') + "\r\n");
    for (size_t i = 0; i < files.size(); ++i) {
        ASSERT_TRUE(host.Open(files[i]));
        host.Roll(10, 10);
        ExpectSanePage(host, "binary file " + std::to_string(i));
    }
}

// Counts LVM_DELETEALLITEMS sent on this thread: one for each rebuild of the list view.
int g_listRebuilds = 0;
LRESULT CALLBACK CountRebuilds(int code, WPARAM wp, LPARAM lp) {
    const CWPSTRUCT* message = reinterpret_cast<const CWPSTRUCT*>(lp);
    if (code == HC_ACTION && message->message == LVM_DELETEALLITEMS) ++g_listRebuilds;
    return CallNextHookEx(nullptr, code, wp, lp);
}

TEST_F(HostileSettings, TenThousandBatchNumbersRebuildTheListOnce) {
    std::vector<int> numbers;
    for (int i = 0; i < 10000; ++i) numbers.push_back(i % 3 + 1);  // 3 is beyond the list
    host.SetStart(BatchStart(numbers));
    const std::string ini = "[SYSTEM]\r\nITEMCOUNT=2\r\n[ITEM0]\r\nSTRINGS=" + Hex("A") + "\r\n[ITEM1]\r\nSTRINGS=" +
                            Hex("B") + "\r\n";
    g_listRebuilds = 0;
    HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, CountRebuilds, nullptr, GetCurrentThreadId());
    ASSERT_TRUE(hook);
    std::string printed;
    bool opened = false;
    {
        StdoutCapture capture;
        opened = host.Open(ini);
        printed = capture.text();
    }
    UnhookWindowsHookEx(hook);
    ASSERT_TRUE(opened);
    EXPECT_EQ(1, g_listRebuilds) << "once, as the page opens after all batch numbers";
    EXPECT_EQ("CKirunWin::addKirun() index=0\nCKirunWin::addKirun() index=1\n", printed)
        << "each item goes to the strip once, in the order of its first number";
    EXPECT_TRUE(Page().controller().onAir(0));
    EXPECT_TRUE(Page().controller().onAir(1));
    EXPECT_EQ(2, host.host()->show().laneOf(1).schedule().count()) << "a number given again renews its caption";
    EXPECT_EQ("表示中", Page().listCtrl().GetItemText(1, 2));
}

}  // namespace
