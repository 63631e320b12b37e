// The strip on a screen of two monitors side by side (run through tests/support/two-monitors.sh):
// the monitor chosen in the appearance dialog, a resolution change, a monitor unplugged and
// plugged in again, and the caption's size at the screen's resolution.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "KirunnerProcess.h"
#include "TempDir.h"
#include "resource.h"

using namespace testing_support;

namespace {

const DWORD kTimeout = 20000;
const COLORREF kWhite = RGB(255, 255, 255);
const RECT kFirst{0, 0, 1280, 720};       // \\.\DISPLAY1, the primary monitor
const RECT kSecond{1280, 0, 2304, 768};   // \\.\DISPLAY2, to its right
const char kFirstGeometry[] = "A 1280/338x720/190+0+0 screen";
const char kSecondGeometry[] = "B 1024/270x768/203+1280+0 none";

// A settings file with one caption "abc" for 5 minutes and these SYSTEM keys before the count.
std::string Settings(const std::string& systemKeys) {
    return "[SYSTEM]\r\n" + systemKeys + "ITEMCOUNT=1\r\n[ITEM0]\r\nMINUTE=5\r\nSTRINGS=616263\r\n";
}

// Runs the fixture script's change of the monitors and has Wine read them again. With its use
// of XRandR off, Wine reads the monitors only when display settings change; it then sends
// WM_DISPLAYCHANGE to every window, as Windows does when a monitor comes or goes.
bool ChangeMonitors(const std::string& change) {
    const char* script = std::getenv("TWO_MONITORS_SCRIPT");
    if (!script) return false;
    static int serial = 0;
    const std::string done = "/tmp/kirunner-monitors-" + std::to_string(GetCurrentProcessId()) + "-" +
                             std::to_string(++serial);
    std::string command = HostPathToWindows(script) + " " + change + " " + done;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
        return false;
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    // Wine does not wait for a program of the host: the script leaves a file when it is done.
    const std::string doneFile = HostPathToWindows(done);
    if (!WaitUntil([&] { return FileExists(doneFile); }, kTimeout)) return false;
    DeleteFileA(doneFile.c_str());
    return ChangeDisplaySettingsExA(nullptr, nullptr, nullptr, 0, nullptr) == DISP_CHANGE_SUCCESSFUL;
}

int MonitorCount() { return GetSystemMetrics(SM_CMONITORS); }

class TwoMonitors : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(std::getenv("TWO_MONITORS_SCRIPT")) << "run through tests/support/two-monitors.sh";
        ASSERT_EQ(2, MonitorCount()) << "Wine sees one monitor: is its use of XRandR off?";
    }
    // Every test starts from the two monitors as the fixture made them.
    void TearDown() override {
        if (MonitorCount() == 2 && GetSystemMetrics(SM_CXSCREEN) == kFirst.right) return;
        EXPECT_TRUE(ChangeMonitors(std::string("set ") + kFirstGeometry));
        EXPECT_TRUE(ChangeMonitors(std::string("set ") + kSecondGeometry));
    }
};

// The program started in a folder with a prepared settings file, its strip and control page.
class Program {
public:
    Program(const TempDir& dir, const std::string& settings) {
        WriteFileBytes(dir.file("Kirunner.ini"), settings);
        if (!process.Start(dir.path())) return;
        main = process.MainWindow(kTimeout);
        if (!WaitForShown(main, kTimeout)) return;
        page = ControlPage(main);
        strip = process.StripWindow(kTimeout);
    }
    ~Program() {
        if (main) PostMessageA(main, WM_CLOSE, 0, 0);
        process.WaitForExit(kTimeout);
    }
    bool ready() const { return main && page && strip; }

    RECT stripRect() const {
        RECT rect{};
        GetWindowRect(strip, &rect);
        return rect;
    }
    // Waits until the strip runs from `left` to `right`, with its top or bottom edge at `edge`.
    bool waitForStrip(LONG left, LONG right, bool atBottom, LONG edge) const {
        return WaitUntil([&] {
            RECT r = stripRect();
            return r.left == left && r.right == right && (atBottom ? r.bottom : r.top) == edge;
        }, kTimeout);
    }
    void putFirstCaptionOnAir() const {
        SelectListRow(GetDlgItem(page, IDC_CAPTION_LIST), 0);
        PostClick(page, IDC_ADD_TO_CAPTION);
    }
    bool onAir() const { return ReadListView(GetDlgItem(page, IDC_CAPTION_LIST), 4)[0][2] == "表示中"; }
    // The caption's white text shows on the strip, and moves left.
    bool rolling() const {
        int entered = -1;
        if (!WaitUntil([&] { return (entered = CaptureWindow(strip).firstColumnWith(kWhite)) >= 0; }, kTimeout))
            return false;
        return WaitUntil([&] {
            const int now = CaptureWindow(strip).firstColumnWith(kWhite);
            return now >= 0 && now < entered;
        }, kTimeout);
    }

    // Opens the appearance dialog, chooses entry `index` of its monitor list and presses OK;
    // the list's texts as the dialog showed them.
    std::vector<std::string> chooseMonitor(int index) const {
        std::vector<std::string> labels;
        PostClick(page, IDC_CAPTION_SETTINGS);
        HWND dialog = process.WaitForDialog("キルン設定", kTimeout);
        if (!WaitForShown(dialog, kTimeout)) return labels;
        HWND list = GetDlgItem(dialog, IDC_MONITOR_LIST);
        const int count = static_cast<int>(SendMessageA(list, CB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            char text[256] = "";
            if (SendMessageA(list, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0) < static_cast<LRESULT>(sizeof text))
                SendMessageA(list, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
            labels.push_back(text);
        }
        SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        PostClick(dialog, IDOK);
        WaitForGone(dialog, kTimeout);
        return labels;
    }

    KirunnerProcess process;
    HWND main = nullptr, page = nullptr, strip = nullptr;
};

TEST_F(TwoMonitors, MonitorChosenInTheDialogHoldsTheStripAndIsStoredByDeviceName) {
    TempDir dir;
    Program program(dir, Settings("POS=1\r\nGAP=5\r\nLGAP=10\r\nRGAP=20\r\n"));
    ASSERT_TRUE(program.ready());
    // Without the key: the primary monitor, as before.
    EXPECT_TRUE(program.waitForStrip(kFirst.left + 10, kFirst.right - 20, true, kFirst.bottom - 5));

    const std::vector<std::string> labels = program.chooseMonitor(2);
    const std::vector<std::string> expected{"メインモニタ", "1: 1280×720 メイン", "2: 1024×768 右"};
    EXPECT_EQ(expected, labels);
    // Edge, distance and insets within the second monitor's rectangle.
    EXPECT_TRUE(program.waitForStrip(kSecond.left + 10, kSecond.right - 20, true, kSecond.bottom - 5))
        << program.stripRect().left << "," << program.stripRect().bottom;
    const std::string saved = ReadFileBytes(dir.file("Kirunner.ini"));
    EXPECT_NE(std::string::npos, saved.find("\r\nMONITOR=\\\\.\\DISPLAY2\r\n[ITEM0]")) << saved;
    program.putFirstCaptionOnAir();
    EXPECT_TRUE(program.rolling()) << "the caption rolls on the second monitor";

    // Back to the primary monitor: the key goes, the file is as a program without it writes it.
    EXPECT_EQ(3u, program.chooseMonitor(0).size());
    EXPECT_TRUE(program.waitForStrip(kFirst.left + 10, kFirst.right - 20, true, kFirst.bottom - 5));
    EXPECT_EQ(std::string::npos, ReadFileBytes(dir.file("Kirunner.ini")).find("MONITOR"));
}

TEST_F(TwoMonitors, ResolutionChangeMovesTheStripToTheNewBottomEdgeWhileCaptionsRoll) {
    TempDir dir;
    Program program(dir, Settings("POS=1\r\n"));
    ASSERT_TRUE(program.ready());
    ASSERT_TRUE(program.waitForStrip(0, 1280, true, 720));
    program.putFirstCaptionOnAir();
    ASSERT_TRUE(program.rolling());

    ASSERT_TRUE(ChangeMonitors("set A 1024/338x600/190+0+0 screen"));
    EXPECT_TRUE(program.waitForStrip(0, 1024, true, 600)) << program.stripRect().right << "," << program.stripRect().bottom;
    EXPECT_TRUE(program.onAir());
    EXPECT_TRUE(program.rolling()) << "the caption rolls on after the change";
}

TEST_F(TwoMonitors, StripFallsBackToThePrimaryWhileItsMonitorIsGoneAndReturns) {
    TempDir dir;
    const std::string settings = Settings("MONITOR=\\\\.\\DISPLAY2\r\n");
    Program program(dir, settings);
    ASSERT_TRUE(program.ready());
    ASSERT_TRUE(program.waitForStrip(kSecond.left, kSecond.right, false, 0));
    program.putFirstCaptionOnAir();
    ASSERT_TRUE(program.rolling());

    ASSERT_TRUE(ChangeMonitors("remove B"));
    ASSERT_EQ(1, MonitorCount());
    EXPECT_TRUE(program.waitForStrip(kFirst.left, kFirst.right, false, 0)) << program.stripRect().left;
    EXPECT_TRUE(program.rolling()) << "the caption rolls on on the primary monitor";
    EXPECT_EQ(settings, ReadFileBytes(dir.file("Kirunner.ini"))) << "the stored choice stays";

    ASSERT_TRUE(ChangeMonitors(std::string("set ") + kSecondGeometry));
    EXPECT_TRUE(program.waitForStrip(kSecond.left, kSecond.right, false, 0)) << program.stripRect().left;
    EXPECT_TRUE(program.onAir());
    EXPECT_TRUE(program.rolling());
}

// The height a caption font of `height` pixels at 96 DPI gives the strip at `dpi`: the height
// of "ABC" in the scaled font, and a pixel above and below for the shadow.
LONG StripHeightFor(LONG height, int dpi, const char* face) {
    HFONT font = CreateFontA(MulDiv(height, dpi, 96), 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, 0,
                             0, 0, 0, face);
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    SIZE size{0, 0};
    GetTextExtentPoint32A(dc, "ABC", 3, &size);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    DeleteObject(font);
    return size.cy + 2;
}

int ScreenDpi() {
    HDC dc = GetDC(nullptr);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(nullptr, dc);
    return dpi;
}

// Run at 96 and at 144 DPI: the stored heights are pixels at 96 DPI, the strip scales them to
// its monitor, and the dialog shows and saves them unscaled.
TEST_F(TwoMonitors, CaptionHeightIsScaledToTheMonitorsResolution) {
    const int dpi = ScreenDpi();
    ASSERT_EQ(std::atoi(std::getenv("TWO_MONITORS_DPI")), dpi);
    const struct {
        const char* keys;
        LONG height;
        const char* face;
        const char* points;  // as the appearance dialog shows the size
    } cases[] = {
        {"SIZE=0\r\n", -12, "ＭＳ Ｐゴシック", "9"},
        {"SIZE=2\r\n", -21, "ＭＳ Ｐゴシック", "16"},
        {"SIZE=3\r\nFONTFACENAME=Arial\r\nFONTHEIGHT=-40\r\nFONTWEIGHT=400\r\n", -40, "Arial", "30"},
    };
    for (const auto& c : cases) {
        TempDir dir;
        Program program(dir, Settings(std::string("MONITOR=\\\\.\\DISPLAY2\r\n") + c.keys));
        ASSERT_TRUE(program.ready()) << c.keys;
        const LONG expected = StripHeightFor(c.height, dpi, c.face);
        EXPECT_TRUE(WaitUntil([&] {
            RECT r = program.stripRect();
            return r.left == kSecond.left && r.bottom - r.top == expected;
        }, kTimeout)) << c.keys << ": height " << program.stripRect().bottom - program.stripRect().top
                      << ", expected " << expected;
        if (dpi > 96) {
            EXPECT_GT(expected, StripHeightFor(c.height, 96, c.face)) << c.keys;
        }

        PostClick(program.page, IDC_CAPTION_SETTINGS);
        HWND dialog = program.process.WaitForDialog("キルン設定", kTimeout);
        ASSERT_TRUE(WaitForShown(dialog, kTimeout));
        EXPECT_EQ(c.points, WindowText(GetDlgItem(dialog, IDC_FONT_SIZE))) << c.keys;
        PostClick(dialog, IDOK);
        ASSERT_TRUE(WaitForGone(dialog, kTimeout));
        EXPECT_NE(std::string::npos,
                  ReadFileBytes(dir.file("Kirunner.ini")).find("FONTHEIGHT=" + std::to_string(c.height) + "\r\n"))
            << c.keys;
    }
}

}  // namespace
