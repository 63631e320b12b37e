// Kirunner driven over OSC by a sender on the loopback address, as Companion or QLab would drive
// it: every address changes what is on air and nothing else, and a flood of hostile packets
// changes nothing while the page keeps answering.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "KirunnerProcess.h"
#include "PageParent.h"
#include "TempDir.h"
#include "resource.h"

using namespace testing_support;

namespace {

const DWORD kTimeout = 20000;

std::vector<std::string> States(HWND main) {
    std::vector<std::string> states;
    for (const auto& row : ReadListView(GetDlgItem(ControlPage(main), IDC_CAPTION_LIST), 4))
        states.push_back(row[2]);
    return states;
}

// Starts tests/support/osc_sender.py with `arguments`.
bool StartSender(int port, const std::string& arguments, PROCESS_INFORMATION& process) {
    const char* python = std::getenv("PYTHON3");
    const char* sender = std::getenv("OSC_SENDER");
    if (!python || !sender) return false;
    std::string line = "\"" + HostPathToWindows(python) + "\" \"" + HostPathToWindows(sender) + "\" " +
                       std::to_string(port) + " " + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    CloseHandle(process.hThread);
    return true;
}

// Sends one message and waits for the sender to end.
bool Send(int port, const std::string& arguments) {
    PROCESS_INFORMATION process{};
    if (!StartSender(port, arguments, process)) return false;
    const bool ended = WaitForSingleObject(process.hProcess, kTimeout) == WAIT_OBJECT_0;
    CloseHandle(process.hProcess);
    return ended;
}

class Osc : public ::testing::Test {
protected:
    void SetUp() override {
        settings = SettingsText({{"abc", 5}, {"def", 5}, {"ghi", 5}}, "OSCPORT=" + std::to_string(port) + "\r\n");
        ASSERT_TRUE(WriteFileBytes(dir.file("Kirunner.ini"), settings));
        ASSERT_TRUE(program.Start(dir.path()));
        main = program.MainWindow(kTimeout);
        strip = program.StripWindow(kTimeout);
        ASSERT_TRUE(main && strip);
        const std::string listening = "OSC: listening on 127.0.0.1 port " + std::to_string(port) + "\n";
        ASSERT_TRUE(WaitUntil([&] { return program.Output().find(listening) != std::string::npos; }, kTimeout))
            << program.Output();
    }
    const int port = 39000 + static_cast<int>(GetCurrentProcessId() % 1000);
    TempDir dir;
    std::string settings;
    KirunnerProcess program;
    HWND main = nullptr;
    HWND strip = nullptr;
};

const std::vector<std::string> kOff(3, "------");
const std::vector<std::string> kSecond = {"------", "表示中", "------"};

TEST_F(Osc, EveryAddressChangesWhatIsOnAirAndNeverTheListOrTheFile) {
    const struct {
        const char* message;
        std::vector<std::string> states;
        bool stripShown;
        const char* line;  // for a command that changes nothing: the line that counts it
    } steps[] = {
        {"/kirunner/show i:2", kSecond, true, nullptr},
        {"/kirunner/show i:9", kSecond, true, "OSC: 1 commands not carried out (no such entry 1, not supported 0)\n"},
        {"/kirunner/cutin s:臨時 i:5", kSecond, true,
         "OSC: 1 commands not carried out (no such entry 0, not supported 1)\n"},
        {"/kirunner/strip i:0", kSecond, false, nullptr},
        {"/kirunner/hide i:2", kOff, false, nullptr},
        {"/kirunner/strip i:1", kOff, true, nullptr},
        {"/kirunner/show i:3", {"------", "------", "表示中"}, true, nullptr},
        {"/kirunner/clear", kOff, true, nullptr},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.message);
        ASSERT_TRUE(Send(port, step.message));
        EXPECT_TRUE(WaitUntil([&] { return States(main) == step.states; }, kTimeout));
        EXPECT_TRUE(WaitUntil([&] { return (IsWindowVisible(strip) != FALSE) == step.stripShown; }, kTimeout));
        if (step.line) {
            EXPECT_TRUE(WaitUntil([&] { return program.Output().find(step.line) != std::string::npos; }, kTimeout))
                << program.Output();
        }
    }
    // A free text, its minutes as a float, rolls with no list row.
    ASSERT_TRUE(Send(port, "/kirunner/text s:速報です f:2.0"));
    EXPECT_TRUE(WaitUntil([&] { return CaptureWindow(strip).count(RGB(255, 255, 255)) > 0; }, kTimeout));
    EXPECT_EQ(kOff, States(main));
    EXPECT_EQ(settings, ReadFileBytes(dir.file("Kirunner.ini"))) << "commands never save";
}

TEST_F(Osc, AFloodOfHostilePacketsChangesNothingAndThePageKeepsAnswering) {
    ASSERT_TRUE(Send(port, "/kirunner/show i:2"));
    ASSERT_TRUE(WaitUntil([&] { return States(main) == kSecond; }, kTimeout));

    PROCESS_INFORMATION flood{};
    ASSERT_TRUE(StartSender(port, "--flood 10000 2", flood));
    int answers = 0;
    while (WaitForSingleObject(flood.hProcess, 100) == WAIT_TIMEOUT) {
        DWORD_PTR result = 0;
        ASSERT_TRUE(SendMessageTimeoutA(main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &result)) << "the page hung";
        ++answers;
    }
    CloseHandle(flood.hProcess);
    EXPECT_GT(answers, 5);
    EXPECT_TRUE(WaitUntil([&] { return program.Output().find(" packets dropped (malformed ") != std::string::npos; },
                          kTimeout))
        << program.Output();
    EXPECT_EQ(kSecond, States(main));
    EXPECT_TRUE(IsWindowVisible(strip));
    EXPECT_EQ(settings, ReadFileBytes(dir.file("Kirunner.ini")));
    // The receiver still takes a good command after the flood.
    ASSERT_TRUE(Send(port, "/kirunner/clear"));
    EXPECT_TRUE(WaitUntil([&] { return States(main) == kOff; }, kTimeout));
}

}  // namespace
