// The strip on a screen of two monitors side by side (run through tests/support/two-monitors.sh):
// the monitor chosen in the appearance dialog, a resolution change, a monitor unplugged and
// plugged in again, and the caption's size at the screen's resolution.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "DialogDriver.h"
#include "KirunnerProcess.h"
#include "StripRig.h"
#include "display/StripLook.h"
#include "TempDir.h"
#include "resource.h"

using namespace testing_support;

namespace {

const DWORD kTimeout = 20000;
const COLORREF kWhite = RGB(255, 255, 255);
const RECT kFirst{0, 0, 1280, 720};       // \\.\DISPLAY1, the primary monitor
const RECT kSecond{1280, 0, 2304, 768};   // \\.\DISPLAY2, to its right
// The monitors as tests/support/two-monitors.sh makes them: RandR geometries of A and B.
const char kBothMonitors[] = "1280/338x720/190+0+0 1024/270x768/203+1280+0";

// A settings file with one caption "abc" for 5 minutes and these SYSTEM keys before the count.
std::string Settings(const std::string& systemKeys) {
    return "[SYSTEM]\r\n" + systemKeys + "ITEMCOUNT=1\r\n[ITEM0]\r\nMINUTE=5\r\nSTRINGS=616263\r\n";
}

const char kRereadMonitors[] = "--reread-monitors";

// Starts a program and waits for its exit code; STILL_ACTIVE when it could not be started.
DWORD RunProgram(std::string commandLine, bool wait) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
        return STILL_ACTIVE;
    DWORD code = 0;
    if (wait && WaitForSingleObject(info.hProcess, kTimeout) == WAIT_OBJECT_0) GetExitCodeProcess(info.hProcess, &code);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return code;
}

// Sets the RandR monitors anew with the fixture script (A's geometry, and B's unless left out) and has Wine read them again. With its use
// of XRandR off, Wine reads the monitors when a process starts, and takes them over from a
// process that changes the display settings, sending WM_DISPLAYCHANGE to every window as
// Windows does when a monitor comes or goes: a new process of this program does that.
bool ChangeMonitors(const std::string& geometries) {
    const char* script = std::getenv("TWO_MONITORS_SCRIPT");
    if (!script) return false;
    static int serial = 0;
    const std::string done = "/tmp/kirunner-monitors-" + std::to_string(GetCurrentProcessId()) + "-" +
                             std::to_string(++serial);
    if (RunProgram(HostPathToWindows(script) + " monitors " + done + " " + geometries, false) == STILL_ACTIVE)
        return false;
    // Wine does not wait for a program of the host: the script leaves a file when it is done.
    const std::string doneFile = HostPathToWindows(done);
    if (!WaitUntil([&] { return FileExists(doneFile); }, kTimeout)) {
        ADD_FAILURE() << "the script did not set the monitors " << geometries;
        return false;
    }
    DeleteFileA(doneFile.c_str());
    char self[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    const DWORD code = RunProgram(std::string("\"") + self + "\" " + kRereadMonitors, true);
    // DISP_CHANGE_SUCCESSFUL, offset by 100: the new monitors were taken over.
    EXPECT_EQ(100u, code) << "reading the monitors again";
    return code == 100;
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
        if (GetSystemMetrics(SM_CXVIRTUALSCREEN) == kSecond.right && GetSystemMetrics(SM_CYVIRTUALSCREEN) == kSecond.bottom)
            return;
        EXPECT_TRUE(ChangeMonitors(kBothMonitors));
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
        if (!dialog) return labels;
        HWND list = GetDlgItem(dialog, IDC_MONITOR_LIST);
        const int count = static_cast<int>(SendMessageA(list, CB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            // Texts of another process's list come across in UTF-16.
            wchar_t wide[128] = L"";
            if (SendMessageW(list, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0) < 128)
                SendMessageW(list, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(wide));
            char text[256] = "";
            WideCharToMultiByte(932, 0, wide, -1, text, sizeof text, nullptr, nullptr);
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
    const std::vector<std::string> expected{"メインモニタ", "1: 1280×720 メイン", "2: 1024×768 右", "全モニタ"};
    EXPECT_EQ(expected, labels);
    // Edge, distance and insets within the second monitor's rectangle.
    EXPECT_TRUE(program.waitForStrip(kSecond.left + 10, kSecond.right - 20, true, kSecond.bottom - 5))
        << program.stripRect().left << "," << program.stripRect().bottom;
    const std::string saved = ReadFileBytes(dir.file("Kirunner.ini"));
    EXPECT_NE(std::string::npos, saved.find("\r\nMONITOR=\\\\.\\DISPLAY2\r\n[ITEM0]")) << saved;
    program.putFirstCaptionOnAir();
    EXPECT_TRUE(program.rolling()) << "the caption rolls on the second monitor";

    // Back to the primary monitor: the key goes, the file is as a program without it writes it.
    EXPECT_EQ(4u, program.chooseMonitor(0).size());
    EXPECT_TRUE(program.waitForStrip(kFirst.left + 10, kFirst.right - 20, true, kFirst.bottom - 5));
    EXPECT_EQ(std::string::npos, ReadFileBytes(dir.file("Kirunner.ini")).find("MONITOR"));
}

// The second monitor goes from 1024x768 to 800x600. (Wine refuses a new size of the primary
// monitor when it reads the monitors again: the mode it keeps for it no longer fits.)
TEST_F(TwoMonitors, ResolutionChangeMovesTheStripToTheNewBottomEdgeWhileCaptionsRoll) {
    TempDir dir;
    Program program(dir, Settings("POS=1\r\nMONITOR=\\\\.\\DISPLAY2\r\n"));
    ASSERT_TRUE(program.ready());
    ASSERT_TRUE(program.waitForStrip(kSecond.left, kSecond.right, true, kSecond.bottom));
    program.putFirstCaptionOnAir();
    ASSERT_TRUE(program.rolling());

    ASSERT_TRUE(ChangeMonitors("1280/338x720/190+0+0 800/211x600/159+1280+0"));
    EXPECT_TRUE(program.waitForStrip(kSecond.left, kSecond.left + 800, true, 600))
        << program.stripRect().right << "," << program.stripRect().bottom;
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

    ASSERT_TRUE(ChangeMonitors("1280/338x720/190+0+0"));
    ASSERT_EQ(1, MonitorCount());
    EXPECT_TRUE(program.waitForStrip(kFirst.left, kFirst.right, false, 0)) << program.stripRect().left;
    EXPECT_TRUE(program.rolling()) << "the caption rolls on on the primary monitor";
    EXPECT_EQ(settings, ReadFileBytes(dir.file("Kirunner.ini"))) << "the stored choice stays";

    ASSERT_TRUE(ChangeMonitors(kBothMonitors));
    EXPECT_TRUE(program.waitForStrip(kSecond.left, kSecond.right, false, 0)) << program.stripRect().left;
    EXPECT_TRUE(program.onAir());
    EXPECT_TRUE(program.rolling());
}

// 表示OFF holds while the screen changes under the strip: it is laid out again where it should
// lie (the rectangle shows it), hidden; 表示ON then shows it there.
TEST_F(TwoMonitors, AHiddenStripStaysHiddenThroughDisplayChangesUntilShownAgain) {
    TempDir dir;
    Program program(dir, Settings("MONITOR=\\\\.\\DISPLAY2\r\n"));
    ASSERT_TRUE(program.ready());
    ASSERT_TRUE(program.waitForStrip(kSecond.left, kSecond.right, false, 0));
    const struct {
        const char* geometries;
        LONG left, right;  // where the strip is laid out
    } changes[] = {
        {"1280/338x720/190+0+0", kFirst.left, kFirst.right},  // its monitor unplugged
        {kBothMonitors, kSecond.left, kSecond.right},         // and plugged in again
        {"1280/338x720/190+0+0 800/211x600/159+1280+0", kSecond.left, kSecond.left + 800},
    };
    for (const auto& change : changes) {
        SCOPED_TRACE(change.geometries);
        PostClick(program.page, IDC_DISPLAY_OFF);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(program.strip); }, kTimeout));
        ASSERT_TRUE(ChangeMonitors(change.geometries));
        EXPECT_TRUE(program.waitForStrip(change.left, change.right, false, 0)) << program.stripRect().left;
        EXPECT_FALSE(IsWindowVisible(program.strip)) << "the display change showed the hidden strip";
        PostClick(program.page, IDC_DISPLAY_ON);
        EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(program.strip) != FALSE; }, kTimeout));
        EXPECT_TRUE(program.waitForStrip(change.left, change.right, false, 0));
    }
}

// The visible strips of the program (windows of the strip's class), left to right.
std::vector<HWND> Strips(const KirunnerProcess& process, const std::string& stripClass) {
    std::vector<HWND> strips;
    for (HWND w : process.TopWindows())
        if (IsWindowVisible(w) && ClassName(w) == stripClass) strips.push_back(w);
    std::sort(strips.begin(), strips.end(), [](HWND a, HWND b) {
        RECT ra{}, rb{};
        GetWindowRect(a, &ra);
        GetWindowRect(b, &rb);
        return ra.left < rb.left;
    });
    return strips;
}

// The two strips show the same point of the same caption: their rightmost columns, where the
// text enters, hold the same pixels (taken again should a tick fall between the two captures).
bool SameCaptionPoint(HWND first, HWND second) {
    return WaitUntil([&] {
        const PixelImage a = CaptureWindow(first), b = CaptureWindow(second);
        const int columns = 200;
        if (a.empty() || b.empty() || a.height != b.height || a.count(kWhite) == 0) return false;
        for (int y = 0; y < a.height; ++y)
            for (int x = 0; x < columns; ++x)
                if ((a.at(a.width - columns + x, y) == kWhite) != (b.at(b.width - columns + x, y) == kWhite)) return false;
        return true;
    }, kTimeout, 10);
}

// 全モニタ: a strip on each monitor at its own edge, the same caption at the same point of its
// text; a monitor unplugged loses its strip and gets it back, the other rolls on unmoved; the
// choice is stored as MONITOR=* and comes back at the next start.
TEST_F(TwoMonitors, EveryMonitorGetsAStripShowingTheSamePointOfTheSameCaption) {
    TempDir dir;
    {
        Program program(dir, Settings("GAP=3\r\n"));
        ASSERT_TRUE(program.ready());
        const std::vector<std::string> labels = program.chooseMonitor(3);
        ASSERT_EQ(4u, labels.size());
        EXPECT_EQ("全モニタ", labels[3]);
        EXPECT_TRUE(WaitUntil([&] {
            return ReadFileBytes(dir.file("Kirunner.ini")).find("\r\nMONITOR=*\r\n") != std::string::npos;
        }, kTimeout)) << "stored as MONITOR=*";
    }
    Program program(dir, ReadFileBytes(dir.file("Kirunner.ini")));
    ASSERT_TRUE(program.ready());
    const std::string stripClass = ClassName(program.strip);
    std::vector<HWND> strips;
    ASSERT_TRUE(WaitUntil([&] { return (strips = Strips(program.process, stripClass)).size() == 2; }, kTimeout));
    program.strip = strips[0];  // the primary monitor's, which leads the other
    RECT first{}, second{};
    GetWindowRect(strips[0], &first);
    GetWindowRect(strips[1], &second);
    EXPECT_EQ((std::vector<LONG>{kFirst.left, kFirst.right, 3}), (std::vector<LONG>{first.left, first.right, first.top}));
    EXPECT_EQ((std::vector<LONG>{kSecond.left, kSecond.right, 3}), (std::vector<LONG>{second.left, second.right, second.top}));
    program.putFirstCaptionOnAir();
    ASSERT_TRUE(program.rolling());
    EXPECT_TRUE(SameCaptionPoint(strips[0], strips[1]));

    ASSERT_TRUE(ChangeMonitors("1280/338x720/190+0+0"));
    EXPECT_TRUE(WaitUntil([&] { return Strips(program.process, stripClass).size() == 1; }, kTimeout));
    EXPECT_TRUE(program.rolling()) << "the primary's strip rolls on";
    ASSERT_TRUE(ChangeMonitors(kBothMonitors));
    ASSERT_TRUE(WaitUntil([&] { return (strips = Strips(program.process, stripClass)).size() == 2; }, kTimeout));
    EXPECT_EQ(program.strip, strips[0]) << "the primary's strip is the same window throughout";
    EXPECT_TRUE(program.onAir());
    EXPECT_TRUE(SameCaptionPoint(strips[0], strips[1])) << "the strip plugged in again shows the same point";
}

// A caption wider than every monitor: 150 "W"s; and second, one narrower than each, whose
// passes follow each other across the primary's strip.
std::string LongCaptionSettings(const std::string& systemKeys) {
    std::string hex;
    for (int i = 0; i < 150; ++i) hex += "57";
    // ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789
    const std::string shortHex = "4142434445464748494a4b4c4d4e4f505152535455565758595a30313233343536373839";
    return "[SYSTEM]\r\n" + systemKeys + "ITEMCOUNT=2\r\n[ITEM0]\r\nMINUTE=5\r\nSTRINGS=" + hex +
           "\r\n[ITEM1]\r\nMINUTE=5\r\nSTRINGS=" + shortHex + "\r\n";
}

// Columns (from the right edge) of a strip capture that show white.
std::vector<bool> WhiteColumns(const PixelImage& strip) {
    std::vector<bool> white(static_cast<size_t>(strip.width), false);
    for (int y = 0; y < strip.height; ++y)
        for (int x = 0; x < strip.width; ++x)
            if (strip.at(x, y) == kWhite) white[static_cast<size_t>(strip.width - 1 - x)] = true;
    return white;
}

// How far `later` has moved left of `earlier`, two captures of strips of the same caption,
// right-aligned: the shift from `least` to `most` at which the fewest columns both show differ
// in showing white, and that share of them.
struct Shift {
    int columns = 0;
    double differing = 1;
};
Shift ShiftBetween(const PixelImage& earlier, const PixelImage& later, int least, int most) {
    const std::vector<bool> a = WhiteColumns(earlier), b = WhiteColumns(later);
    const int columns = static_cast<int>(std::min(a.size(), b.size()));
    Shift best;
    for (int shift = least; shift <= most; ++shift) {
        int compared = 0, differing = 0;
        for (int d = std::max(shift, 0); d < columns + std::min(shift, 0); ++d, ++compared)
            if (b[static_cast<size_t>(d)] != a[static_cast<size_t>(d - shift)]) ++differing;
        if (compared > 0 && differing < best.differing * compared)
            best = Shift{shift, static_cast<double>(differing) / compared};
    }
    return best;
}

// The smooth look at 300 px/s moves 5 columns a frame at 60 frames a second.
const int kFrameStep = 5;

// A second monitor far wider than the primary: a caption taken off air soon after it entered
// drains out of both strips, not only out of the primary's; a monitor plugged in while a caption
// rolls shows at once the part of the caption the other strip shows.
TEST_F(TwoMonitors, EveryStripDrainsToItsOwnEndAndAStripPluggedInJoinsWhereTheOthersAre) {
    const char kWiderSecond[] = "1280/338x720/190+0+0 2048/541x720/190+1280+0";
    ASSERT_TRUE(ChangeMonitors(kWiderSecond));
    TempDir dir;
    Program program(dir, LongCaptionSettings("MONITOR=*\r\nSMOOTH=1\r\nSPEEDPX=300\r\n"));
    ASSERT_TRUE(program.ready());
    const std::string stripClass = ClassName(program.strip);
    std::vector<HWND> strips;
    ASSERT_TRUE(WaitUntil([&] { return (strips = Strips(program.process, stripClass)).size() == 2; }, kTimeout));
    program.strip = strips[0];
    const auto clear = [&] {
        return CaptureWindow(strips[0]).count(kWhite) == 0 && CaptureWindow(strips[1]).count(kWhite) == 0;
    };

    program.putFirstCaptionOnAir();
    ASSERT_TRUE(program.rolling());
    PostClick(program.page, IDC_REMOVE_FROM_DISPLAY);
    EXPECT_TRUE(WaitUntil([&] { return !program.onAir(); }, kTimeout));
    EXPECT_TRUE(WaitUntil(clear, 30000)) << "a piece of the caption stayed on a strip";

    // The short caption: the primary's strip shows its current pass and the ones before.
    SelectListRow(GetDlgItem(program.page, IDC_CAPTION_LIST), 1);
    PostClick(program.page, IDC_ADD_TO_CAPTION);
    ASSERT_TRUE(program.rolling());
    Sleep(1000);  // the caption well into both strips
    ASSERT_TRUE(ChangeMonitors("1280/338x720/190+0+0"));
    ASSERT_TRUE(WaitUntil([&] { return Strips(program.process, stripClass).size() == 1; }, kTimeout));
    ASSERT_TRUE(ChangeMonitors(kWiderSecond));
    ASSERT_TRUE(WaitUntil([&] { return (strips = Strips(program.process, stripClass)).size() == 2; }, kTimeout, 5));
    // From its first pictures on it shows what the primary's strip shows, taken just before and
    // just after, give or take one frame's move. A capture may catch a repaint half done: the
    // closer of the two counts, taken again for a moment (joined behind, a strip differs for
    // seconds, by a fifth of the columns or more).
    EXPECT_TRUE(WaitUntil([&] {
        const PixelImage before = CaptureWindow(strips[0]);
        const PixelImage joined = CaptureWindow(strips[1]);
        const PixelImage after = CaptureWindow(strips[0]);
        const int moved = ShiftBetween(before, after, 0, 40 * kFrameStep).columns;
        const double differing = std::min(ShiftBetween(before, joined, -kFrameStep, moved + kFrameStep).differing,
                                          ShiftBetween(joined, after, -kFrameStep, moved + kFrameStep).differing);
        return before.count(kWhite) > 0 && differing < 0.05;
    }, 300, 0)) << "the strip plugged in does not show the part of the caption the primary's strip shows";
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
        ASSERT_TRUE(dialog);
        EXPECT_EQ(c.points, WindowText(GetDlgItem(dialog, IDC_FONT_SIZE))) << c.keys;
        PostClick(dialog, IDOK);
        ASSERT_TRUE(WaitForGone(dialog, kTimeout));
        // The file is saved once the dialog has gone.
        const std::string stored = "FONTHEIGHT=" + std::to_string(c.height) + "\r\n";
        EXPECT_TRUE(WaitUntil([&] { return ReadFileBytes(dir.file("Kirunner.ini")).find(stored) != std::string::npos; },
                              kTimeout))
            << c.keys;
    }
}

// The list's columns are 35, 70, 50 and 300 pixels at 96 DPI, and wider in proportion above it.
TEST_F(TwoMonitors, ListColumnsAreScaledToTheResolution) {
    const int dpi = ScreenDpi();
    TempDir dir;
    Program program(dir, Settings(""));
    ASSERT_TRUE(program.ready());
    HWND list = GetDlgItem(program.page, IDC_CAPTION_LIST);
    int column = 0;
    for (int width : {35, 70, 50, 300})
        EXPECT_EQ(MulDiv(width, dpi, 96), SendMessageA(list, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column++), 0))
            << "column " << column;
}

// Two lanes on the top edge, lane 1 on the second monitor and lane 2 on every monitor, held as
// the program holds them: where both are, lane 2 lies just below lane 1 at its own distance, and
// on the primary alone at the edge; so again after the second monitor is unplugged (lane 1 falls
// back to the primary) and plugged in.
TEST_F(TwoMonitors, LanesOnTheSameEdgeStackWithoutCoveringEachOtherThroughMonitorChanges) {
    const int fontHeights[] = {-20, -30};
    const char* monitors[] = {"\\\\.\\DISPLAY2", "*"};
    const int gaps[] = {5, 3};
    std::vector<fw::Font> fonts;
    LanesRig rig(2);
    for (int number = 1; number <= 2; ++number) {
        LOGFONTA lf{};
        lf.lfHeight = fontHeights[number - 1];
        lstrcpynA(lf.lfFaceName, "Arial", LF_FACESIZE);
        fonts.emplace_back(CreateFontIndirectA(&lf));
        LaneLook settings;
        settings.monitorName = monitors[number - 1];
        settings.gap = gaps[number - 1];
        ASSERT_TRUE(rig.strips(number).start(stripLookFor(settings, fonts.back().get())));
    }
    const auto rectOf = [](const CKirunWin* strip) {
        RECT rect{};
        GetWindowRect(strip->Hwnd(), &rect);
        return rect;
    };
    // Lane 1 at its distance on its monitor; every strip of lane 2 below it where it is, else at
    // the edge; no two strips overlapping.
    const auto stacked = [&](const RECT& laneOneMonitor, std::string& why) {
        const RECT one = rectOf(rig.strips(1).first());
        if (one.left != laneOneMonitor.left || one.top != laneOneMonitor.top + gaps[0]) return why = "lane 1", false;
        if (rig.strips(2).count() != MonitorCount()) return why = "lane 2's strips", false;
        for (int i = 0; i < rig.strips(2).count(); ++i) {
            const RECT two = rectOf(rig.strips(2).strip(i));
            const bool withLaneOne = two.left == one.left;
            RECT overlap{};
            if (IntersectRect(&overlap, &one, &two)) return why = "overlap", false;
            if (two.top != (withLaneOne ? one.bottom : 0) + gaps[1])
                return why = "lane 2 at " + std::to_string(two.top) + " beside lane 1 at " +
                             std::to_string(one.top) + ".." + std::to_string(one.bottom), false;
        }
        return true;
    };
    const struct {
        const char* geometries;  // null: as the fixture made them
        RECT laneOneMonitor;
    } phases[] = {{nullptr, kSecond}, {"1280/338x720/190+0+0", kFirst}, {kBothMonitors, kSecond}};
    for (const auto& phase : phases) {
        if (phase.geometries) {
            // The strips live on this thread: it takes the system's display messages while
            // another thread has the monitors changed.
            std::atomic<int> changed{-1};
            std::thread change([&] { changed = ChangeMonitors(phase.geometries) ? 1 : 0; });
            while (changed < 0) {
                PumpMessages();
                Sleep(10);
            }
            change.join();
            ASSERT_EQ(1, changed.load());
        }
        std::string why;
        EXPECT_TRUE(WaitUntil([&] { PumpMessages(); return stacked(phase.laneOneMonitor, why); }, kTimeout, 20))
            << (phase.geometries ? phase.geometries : "at the start") << ": " << why;
    }
}

}  // namespace

// The test program, or, started by a test with kRereadMonitors, the process that has Wine read
// the monitors again.
int main(int argc, char** argv) {
    if (argc == 2 && std::string(argv[1]) == kRereadMonitors) {
        // The primary monitor's size, as this process found it, set as its mode.
        MONITORINFO info{};
        info.cbSize = sizeof info;
        if (!GetMonitorInfoA(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &info)) return 1;
        DEVMODEA mode{};
        mode.dmSize = sizeof mode;
        mode.dmPelsWidth = static_cast<DWORD>(info.rcMonitor.right - info.rcMonitor.left);
        mode.dmPelsHeight = static_cast<DWORD>(info.rcMonitor.bottom - info.rcMonitor.top);
        mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
        return 100 + ChangeDisplaySettingsExA(nullptr, &mode, nullptr, 0, nullptr);
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
