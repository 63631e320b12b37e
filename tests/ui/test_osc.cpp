// Kirunner driven over OSC by a sender on the loopback address, as Companion or QLab would drive
// it: every address changes what is on air and nothing else, and a flood of hostile packets
// changes nothing while the page keeps answering.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "KirunnerProcess.h"
#include "OscSend.h"
#include "PageParent.h"
#include "TempDir.h"
#include "resource.h"

using namespace testing_support;

namespace {

const DWORD kTimeout = 20000;

using Sender = OscSender;

// Sends one message and waits for the sender to end.
bool Send(int port, const std::string& arguments) { return SendOsc(port, arguments, kTimeout); }

class Osc : public ::testing::Test {
protected:
    void SetUp() override {
        settings = SettingsText({{"abc", 5}, {"def", 5}, {"ghi", 5}}, "OSCPORT=" + std::to_string(port) + "\r\n");
        ASSERT_TRUE(WriteFileBytes(dir.file("Kirunner.ini"), settings));
        ASSERT_TRUE(program.Start(dir.path(), "-D586"));  // diagnostic lines on its console
        main = program.MainWindow(kTimeout);
        strip = program.StripWindow(kTimeout);
        ASSERT_TRUE(main && strip);
        const std::string listening = "OSC: listening on 127.0.0.1 port " + std::to_string(port);
        ASSERT_TRUE(WaitUntil([&] { return ConsoleShows(listening); }, kTimeout))
            << Console();
    }
    std::string Console() const { return ReadConsoleOf(program.ProcessId()); }
    // Whether the console shows `line`: rows wrap at the console's width and lose their
    // trailing blanks, so blanks and row ends are left out on both sides.
    static bool ConsoleShows(const KirunnerProcess& process, const std::string& line) {
        auto squeezed = [](std::string text) {
            text.erase(std::remove_if(text.begin(), text.end(), [](char c) { return c == ' ' || c == '\n'; }),
                       text.end());
            return text;
        };
        return squeezed(ReadConsoleOf(process.ProcessId())).find(squeezed(line)) != std::string::npos;
    }
    bool ConsoleShows(const std::string& line) const { return ConsoleShows(program, line); }
    const int port = 39000 + static_cast<int>(GetCurrentProcessId() % 1000);
    TempDir dir;
    std::string settings;
    KirunnerProcess program;
    HWND main = nullptr;
    HWND strip = nullptr;
};

const std::vector<std::string> kOff(3, "------");

// A column of caption pixels higher than half the strip: "|", which no list caption here has.
bool TallGlyphShown(const PixelImage& strip) {
    for (int x = 0; x < strip.width; ++x) {
        int lit = 0;
        for (int y = 0; y < strip.height; ++y) lit += strip.at(x, y) == RGB(255, 255, 255);
        if (lit > strip.height / 2) return true;
    }
    return false;
}
const std::vector<std::string> kSecond = {"------", "表示中", "------"};

TEST_F(Osc, EveryAddressChangesWhatIsOnAirAndNeverTheListOrTheFile) {
    const struct {
        const char* message;
        std::vector<std::string> states;
        bool stripShown;
        const char* line;  // for a command that changes nothing: the line that counts it
    } steps[] = {
        {"/kirunner/show i:2", kSecond, true, nullptr},
        {"/kirunner/show i:9", kSecond, true, "OSC: 1 commands not carried out (no such entry)"},
        {"/kirunner/strip i:0", kSecond, false, nullptr},
        {"/kirunner/hide i:2", kOff, false, nullptr},
        {"/kirunner/strip i:1", kOff, true, nullptr},
        {"/kirunner/show i:3", {"------", "------", "表示中"}, true, nullptr},
        {"/kirunner/clear", kOff, true, nullptr},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.message);
        ASSERT_TRUE(Send(port, step.message));
        EXPECT_TRUE(WaitUntil([&] { return CaptionStates(main) == step.states; }, kTimeout));
        EXPECT_TRUE(WaitUntil([&] { return (IsWindowVisible(strip) != FALSE) == step.stripShown; }, kTimeout));
        if (step.line) {
            EXPECT_TRUE(WaitUntil([&] { return ConsoleShows(step.line); }, kTimeout))
                << Console();
        }
    }
    // A cut-in of tall glyphs, then a free text with its minutes as a float: each rolls on the
    // strip with no list row.
    ASSERT_TRUE(Send(port, "/kirunner/cutin s:|||||||||| i:5"));
    EXPECT_TRUE(WaitUntil([&] { return TallGlyphShown(CaptureWindow(strip)); }, kTimeout));
    ASSERT_TRUE(Send(port, "/kirunner/clear"));
    ASSERT_TRUE(Send(port, "/kirunner/text s:速報です f:2.0"));
    EXPECT_TRUE(WaitUntil([&] { return CaptureWindow(strip).count(RGB(255, 255, 255)) > 0; }, kTimeout));
    std::vector<std::string> withFreeText = kOff;
    withFreeText.push_back("表示中");  // the free text's row below the items
    EXPECT_EQ(withFreeText, CaptionStates(main));
    EXPECT_EQ(settings, ReadFileBytes(dir.file("Kirunner.ini"))) << "commands never save";
}

// However the strip is hidden or shown again, the page tells: 表示OFF stays held down and the
// top band says 表示OFF中 while it is hidden.
TEST_F(Osc, TheHiddenStripIsShownOnThePageWhicheverWayItWasHidden) {
    HWND page = ControlPage(main);
    HWND off = GetDlgItem(page, IDC_DISPLAY_OFF);
    auto appearanceOk = [&] {
        PostClick(page, IDC_CAPTION_SETTINGS);
        HWND dialog = program.WaitForDialog("キルン設定", kTimeout);
        ASSERT_TRUE(dialog);
        PostClick(dialog, IDOK);
        ASSERT_TRUE(WaitForGone(dialog));
    };
    const struct {
        const char* how;
        std::function<void()> act;
        bool shown;
    } steps[] = {
        {"表示OFF", [&] { PostClick(page, IDC_DISPLAY_OFF); }, false},
        {"表示ON", [&] { PostClick(page, IDC_DISPLAY_ON); }, true},
        {"OSC strip 0", [&] { ASSERT_TRUE(Send(port, "/kirunner/strip i:0")); }, false},
        {"the appearance dialog's OK", appearanceOk, true},
        {"OSC strip 0 again", [&] { ASSERT_TRUE(Send(port, "/kirunner/strip i:0")); }, false},
        {"表示OFF while hidden", [&] { PostClick(page, IDC_DISPLAY_OFF); }, false},
        {"OSC strip 1", [&] { ASSERT_TRUE(Send(port, "/kirunner/strip i:1")); }, true},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.how);
        step.act();
        EXPECT_TRUE(WaitUntil([&] { return (IsWindowVisible(strip) != FALSE) == step.shown; }, kTimeout));
        EXPECT_TRUE(WaitUntil([&] {
            return ((SendMessageA(off, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0) == !step.shown;
        }, kTimeout)) << "表示OFF is held down exactly while the strip is hidden";
        const std::string band = step.shown ? "" : "表示OFF中";
        EXPECT_TRUE(WaitUntil([&] { return WindowText(GetDlgItem(main, IDC_STATUS_LINE)) == band; }, kTimeout));
    }
}

TEST_F(Osc, ACopyFindingThePortInUseSaysSoAndRunsOn) {
    TempDir other;
    ASSERT_TRUE(WriteFileBytes(other.file("Kirunner.ini"), settings));
    KirunnerProcess second;
    ASSERT_TRUE(second.Start(other.path(), "-D586"));
    ASSERT_TRUE(second.MainWindow(kTimeout));
    const std::string line = "OSC: cannot listen on 127.0.0.1 port " + std::to_string(port) + " (error 10048)";
    EXPECT_TRUE(WaitUntil([&] { return ConsoleShows(second, line); }, kTimeout)) << ReadConsoleOf(second.ProcessId());
    EXPECT_TRUE(Send(port, "/kirunner/show i:1"));
    EXPECT_TRUE(WaitUntil([&] { return CaptionStates(main) == std::vector<std::string>{"表示中", "------", "------"}; },
                          kTimeout)) << "the first copy keeps the port";
}

TEST_F(Osc, AFloodOfHostilePacketsChangesNothingAndThePageKeepsAnswering) {
    ASSERT_TRUE(Send(port, "/kirunner/show i:2"));
    ASSERT_TRUE(WaitUntil([&] { return CaptionStates(main) == kSecond; }, kTimeout));

    Sender flood(port, "--flood 10000 2");
    ASSERT_TRUE(flood.Started());
    int answers = 0;
    for (ULONGLONG begin = GetTickCount64(); !flood.Ended() && GetTickCount64() - begin < kTimeout; Sleep(100)) {
        DWORD_PTR result = 0;
        ASSERT_TRUE(SendMessageTimeoutA(main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &result)) << "the page hung";
        ++answers;
    }
    ASSERT_TRUE(flood.Ended());
    EXPECT_GT(answers, 5);
    EXPECT_TRUE(WaitUntil([&] { return ConsoleShows(" packets dropped (malformed "); },
                          kTimeout))
        << Console();
    EXPECT_EQ(kSecond, CaptionStates(main));
    EXPECT_TRUE(IsWindowVisible(strip));
    EXPECT_EQ(settings, ReadFileBytes(dir.file("Kirunner.ini")));
    // The receiver still takes a good command after the flood.
    ASSERT_TRUE(Send(port, "/kirunner/clear"));
    EXPECT_TRUE(WaitUntil([&] { return CaptionStates(main) == kOff; }, kTimeout));
    // Closing ends the receiver's wait and the program.
    PostMessageA(main, WM_CLOSE, 0, 0);
    ASSERT_TRUE(program.WaitForExit(kTimeout));
    EXPECT_EQ(0u, program.ExitCode());
}

// A stuck button sending valid commands hundreds of times a second: the page answers a click
// at once, and the last cut-in is the one on air.
TEST_F(Osc, AFloodOfValidCommandsNeverFreezesThePage) {
    Sender flood(port, "--commands 2000 4");
    ASSERT_TRUE(flood.Started());
    Sleep(1000);  // well into the flood
    HWND page = ControlPage(main);
    const ULONGLONG clicked = GetTickCount64();
    PostClick(page, IDC_DISPLAY_OFF);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(strip); }, kTimeout));
    const ULONGLONG answered = GetTickCount64() - clicked;
    std::printf("a click on 表示OFF answered in %llu ms during the flood\n", answered);
    EXPECT_LT(answered, 1000u) << "a generous bound for a loaded machine";
    DWORD_PTR result = 0;
    EXPECT_TRUE(SendMessageTimeoutA(main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &result)) << "the page hung";
    ASSERT_TRUE(WaitUntil([&] { return flood.Ended(); }, kTimeout));
    PostClick(page, IDC_DISPLAY_ON);
    EXPECT_TRUE(WaitUntil([&] { return CaptionStates(main)[0] == "表示中"; }, kTimeout));
    EXPECT_EQ(settings, ReadFileBytes(dir.file("Kirunner.ini")));
}

// A copy that finds its port taken says so in its top band, tries again, and takes the port
// once it is free.
TEST_F(Osc, APortInUseIsShownAndTakenOnceFree) {
    TempDir other;
    ASSERT_TRUE(WriteFileBytes(other.file("Kirunner.ini"), settings));
    KirunnerProcess second;
    ASSERT_TRUE(second.Start(other.path(), "-D586"));
    HWND secondMain = second.MainWindow(kTimeout);
    ASSERT_TRUE(secondMain);
    const std::string shown = "OSC: 127.0.0.1:" + std::to_string(port) + " で受信できません（再試行中）";
    EXPECT_TRUE(WaitUntil([&] { return WindowText(GetDlgItem(secondMain, IDC_STATUS_LINE)) == shown; }, kTimeout));
    PostMessageA(main, WM_CLOSE, 0, 0);
    ASSERT_TRUE(program.WaitForExit(kTimeout));
    const std::string listening = "OSC: listening on 127.0.0.1 port " + std::to_string(port);
    EXPECT_TRUE(WaitUntil([&] { return ConsoleShows(second, listening); }, kTimeout)) << ReadConsoleOf(second.ProcessId());
    EXPECT_TRUE(WaitUntil([&] { return WindowText(GetDlgItem(secondMain, IDC_STATUS_LINE)).empty(); }, kTimeout));
    ASSERT_TRUE(Send(port, "/kirunner/show i:2"));
    EXPECT_TRUE(WaitUntil([&] { return CaptionStates(secondMain) == kSecond; }, kTimeout));
}

}  // namespace
