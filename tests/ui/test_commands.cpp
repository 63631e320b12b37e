// Kirunner driven from scripts: exit codes for every way a run ends, commands handed from a
// second process to the running program, and payloads of any shape sent straight at it.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "KirunnerProcess.h"
#include "TempDir.h"
#include "surfaces/CommandPayload.h"
#include "framework/FolderIdentity.h"
#include "framework/WideText.h"
#include "framework/Mbcs.h"
#include "model/StartupState.h"
#include "resource.h"
#include "PageParent.h"

using namespace testing_support;

namespace {

const DWORD kTimeout = 20000;
const std::string kThreeCaptions = SettingsText({{"abc", 5}, {"def", 5}, {"ghi", 5}});

// Runs the program in `folder` with `arguments` to its end; its exit code, or -1 when it did
// not end in time.
long RunToEnd(const std::string& folder, const std::string& arguments) {
    KirunnerProcess program;
    if (!program.StartProgram(folder + "\\Kirunner.exe", arguments)) return -2;
    if (!program.WaitForExit(kTimeout)) return -1;
    return static_cast<long>(program.ExitCode());
}

const std::vector<std::string> kOff(3, "------");

std::string Channel(const std::string& folder) {
    std::string identity;
    return fw::FolderIdentity(fw::WideFromCodePage932(folder), identity) ? identity : "(none)";
}

// The processes whose command receivers carry the channel of `folder`, one per receiver.
std::vector<DWORD> Holders(const std::string& folder) {
    const std::string title = "Kirunner commands: " + Channel(folder);
    std::vector<DWORD> owners;
    for (HWND w = nullptr; (w = FindWindowExA(HWND_MESSAGE, w, "Kirunner.CommandReceiver.1", title.c_str()));) {
        owners.push_back(0);
        GetWindowThreadProcessId(w, &owners.back());
    }
    return owners;
}

TEST(Commands, ExitCodesTellHowEveryRunEnded) {
    TempDir dir;
    ASSERT_TRUE(CopyFileA(BuiltKirunnerPath().c_str(), dir.file("Kirunner.exe").c_str(), FALSE));
    struct Case {
        const char* arguments;
        long code;
    } cases[] = {
        {"-T0", kExitFormatError},
        {"-T4", kExitNothingOnAir},
        {"-R1", kExitNoRunningKirunner},
        {"-C", kExitNoRunningKirunner},
        {"-X", kExitNoRunningKirunner},
        {"-Xy", kExitMalformedCommand},
        {"-S0", kExitMalformedCommand},
        {"-S1 -M0 -Ax", kExitMalformedCommand},
    };
    for (const Case& c : cases) EXPECT_EQ(c.code, RunToEnd(dir.path(), c.arguments)) << c.arguments;
    EXPECT_FALSE(FileExists(dir.file("Kirunner.ini"))) << "none of these ran far enough to save";
}

TEST(Commands, ASecondProcessHandsItsCommandsToTheRunningProgram) {
    TempDir dir;
    WriteFileBytes(dir.file("Kirunner.ini"), kThreeCaptions);
    KirunnerProcess running;
    ASSERT_TRUE(running.Start(dir.path()));
    HWND main = running.MainWindow(kTimeout);
    ASSERT_TRUE(main);
    HWND strip = running.StripWindow();

    struct Step {
        const char* arguments;
        long code;
        std::vector<std::string> states;
    } steps[] = {
        {"-S2", kExitNormal, {"------", "表示中", "------"}},
        {"-S3 -S1", kExitNormal, {"表示中", "表示中", "表示中"}},
        {"-R2", kExitNormal, {"表示中", "------", "表示中"}},
        {"-S4", kExitNoSuchItem, {"表示中", "------", "表示中"}},
        {"-R9 -S2", kExitNoSuchItem, {"表示中", "------", "表示中"}},
        {"-Sx", kExitMalformedCommand, {"表示中", "------", "表示中"}},
        {"-C", kExitNormal, kOff},
        // The free text has a row of its own below the items.
        {"-A速報です -M3", kExitNormal, {"------", "------", "------", "表示中"}},
    };
    for (const Step& step : steps) {
        EXPECT_EQ(step.code, RunToEnd(dir.path(), step.arguments)) << step.arguments;
        EXPECT_EQ(step.states, CaptionStates(main)) << step.arguments;
    }
    // The free text rolls on the strip of the running program.
    EXPECT_TRUE(WaitUntil([&] { return CaptureWindow(strip).count(RGB(255, 255, 255)) > 0; }, kTimeout));
    EXPECT_EQ(kThreeCaptions, ReadFileBytes(dir.file("Kirunner.ini"))) << "commands never save";
    EXPECT_TRUE(running.Running());
    PostMessageA(main, WM_CLOSE, 0, 0);
    ASSERT_TRUE(running.WaitForExit(kTimeout));
    EXPECT_EQ(static_cast<DWORD>(kExitNormal), running.ExitCode());
}

TEST(Commands, ClearNowAndItsButtonBlankTheStripAtOnceWhereClearLetsItScrollOut) {
    // The slowest step and a long caption: scrolling it out would take most of a minute.
    const std::string settings = SettingsText({{std::string(80, 'W'), 5}}, "DELTAX=0\r\n");
    // A command, or the page's 今すぐ消去 when there is none.
    const struct {
        const char* command;
        bool stillShown;
    } cases[] = {{"-C", true}, {"-X", false}, {nullptr, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command ? c.command : "今すぐ消去");
        TempDir dir;
        WriteFileBytes(dir.file("Kirunner.ini"), settings);
        KirunnerProcess running;
        ASSERT_TRUE(running.Start(dir.path(), "-S1"));
        HWND main = running.MainWindow(kTimeout);
        ASSERT_TRUE(main);
        auto shown = [&] { return CaptureWindow(running.StripWindow()).count(RGB(255, 255, 255)) > 0; };
        ASSERT_TRUE(WaitUntil(shown, kTimeout));
        if (c.command) EXPECT_EQ(kExitNormal, RunToEnd(dir.path(), c.command));
        else PostClick(ControlPage(main), IDC_CLEAR_NOW);
        EXPECT_TRUE(WaitUntil([&] { return CaptionStates(main) == std::vector<std::string>{"------"}; }, kTimeout));
        if (c.stillShown) EXPECT_TRUE(shown()) << "the caption scrolls on to its end";
        else EXPECT_TRUE(WaitUntil([&] { return !shown(); }, kTimeout));
        EXPECT_TRUE(IsWindowVisible(running.StripWindow())) << "the strip stays, blank";
        PostMessageA(main, WM_CLOSE, 0, 0);
        EXPECT_TRUE(running.WaitForExit(kTimeout));
    }
}

// Commands reach the copy the operator started in their program folder, by whatever path they
// were started, not a batch run there nor the copy of a folder whose name differs in one
// double-byte character ("ト" 83 67, "エ" 83 47).
TEST(Commands, CommandsReachTheOperatorsCopyOfTheirFolderByAnyPath) {
    TempDir root;
    const std::string to = root.file("\x83\x67"), e = root.file("\x83\x47");
    KirunnerProcess toCopy, eCopy, batch;
    for (const std::string& folder : {to, e}) {
        ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
        WriteFileBytes(folder + "\\Kirunner.ini", kThreeCaptions);
    }
    ASSERT_TRUE(toCopy.Start(to) && eCopy.Start(e));
    HWND toMain = toCopy.MainWindow(kTimeout), eMain = eCopy.MainWindow(kTimeout);
    ASSERT_TRUE(WaitForShown(toMain) && WaitForShown(eMain));
    ASSERT_TRUE(batch.StartProgram(to + "\\Kirunner.exe", "-T3"));
    const std::vector<std::string> third{"------", "------", "表示中"};
    HWND batchMain = batch.MainWindow(kTimeout);
    ASSERT_TRUE(WaitUntil([&] { return CaptionStates(batchMain) == third; }, kTimeout));
    const std::string toByZ = PathByDriveZ(to);
    ASSERT_FALSE(toByZ.empty());

    struct Step {
        std::string folder;
        const char* arguments;
        std::vector<std::string> toStates, eStates;
    } steps[] = {
        {to, "-S1", {"表示中", "------", "------"}, kOff},
        {toByZ, "-S2", {"表示中", "表示中", "------"}, kOff},
        {fw::UpperAscii(to), "-R1", {"------", "表示中", "------"}, kOff},
        {e, "-S3", {"------", "表示中", "------"}, third},
        {toByZ, "-A速報 -M3", {"------", "表示中", "------", "表示中"}, third},
        {toByZ, "-C", kOff, third},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.folder + " " + step.arguments);
        EXPECT_EQ(kExitNormal, RunToEnd(step.folder, step.arguments));
        EXPECT_EQ(step.toStates, CaptionStates(toMain));
        EXPECT_EQ(step.eStates, CaptionStates(eMain));
        EXPECT_EQ(third, CaptionStates(batchMain)) << "reached the batch run";
    }
    EXPECT_EQ(std::vector<DWORD>{toCopy.ProcessId()}, Holders(to));
}

// A start gate held elsewhere (a copy hanging while it becomes the holder) delays a command by
// seconds at most, and a copy started meanwhile runs without taking the channel.
TEST(Commands, AHeldStartGateNeitherHoldsUpCommandsNorHandsOnTheChannel) {
    TempDir dir;
    WriteFileBytes(dir.file("Kirunner.ini"), kThreeCaptions);
    KirunnerProcess holder, command, later;
    ASSERT_TRUE(holder.Start(dir.path()));
    HWND main = holder.MainWindow(kTimeout);
    ASSERT_TRUE(WaitForShown(main));
    HANDLE gate = CreateMutexA(nullptr, TRUE, ("Local\\Kirunner.Start." + Channel(dir.path())).c_str());
    ASSERT_TRUE(gate);
    ASSERT_TRUE(command.StartProgram(dir.file("Kirunner.exe"), "-S2"));
    EXPECT_TRUE(command.WaitForExit(10000)) << "the command waited on the gate";
    EXPECT_EQ(static_cast<DWORD>(kExitNormal), command.ExitCode());
    EXPECT_EQ((std::vector<std::string>{"------", "表示中", "------"}), CaptionStates(main));
    ASSERT_TRUE(later.StartProgram(dir.file("Kirunner.exe"), ""));
    ASSERT_TRUE(WaitForShown(later.MainWindow(kTimeout)));
    ReleaseMutex(gate);
    CloseHandle(gate);
    EXPECT_EQ(std::vector<DWORD>{holder.ProcessId()}, Holders(dir.path())) << "a copy outside the gate took it";
}

// A double-click and a hot-key press at one moment: one copy holds the channel.
TEST(Commands, APlainStartAndACommandTogetherGiveOneHolder) {
    TempDir dir;
    WriteFileBytes(dir.file("Kirunner.ini"), kThreeCaptions);
    KirunnerProcess plain, command;
    ASSERT_TRUE(plain.Start(dir.path()));
    ASSERT_TRUE(command.StartProgram(dir.file("Kirunner.exe"), "-A速報"));
    for (const KirunnerProcess* program : {&plain, &command})  // handed over and ended, or shown
        ASSERT_TRUE(WaitUntil([&] { return !program->Running() || WaitForShown(program->MainWindow(0), 0); }, kTimeout));
    EXPECT_EQ(1u, Holders(dir.path()).size());
}

// Two commands started together (a double press on a hot-key pad) find one program between
// them: whichever comes first starts it, the other hands its command to it and ends.
TEST(Commands, TwoCommandsStartedTogetherShareOneProgram) {
    TempDir dir;
    WriteFileBytes(dir.file("Kirunner.ini"), kThreeCaptions);
    KirunnerProcess first, second;
    ASSERT_TRUE(first.Start(dir.path(), "-S1"));
    ASSERT_TRUE(second.StartProgram(dir.file("Kirunner.exe"), "-S2"));
    ASSERT_TRUE(WaitUntil([&] { return !first.Running() || !second.Running(); }, kTimeout))
        << "each process started a program of its own";
    KirunnerProcess& handedOver = first.Running() ? second : first;
    KirunnerProcess& program = first.Running() ? first : second;
    EXPECT_EQ(static_cast<DWORD>(kExitNormal), handedOver.ExitCode());
    HWND main = program.MainWindow(kTimeout);
    ASSERT_TRUE(main);
    EXPECT_TRUE(WaitUntil([&] {
        return CaptionStates(main) == std::vector<std::string>{"表示中", "表示中", "------"};
    }, kTimeout));
    EXPECT_TRUE(program.Running()) << "one program stays";
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.WaitForExit(kTimeout));
}

// Without a running program, a caption command starts it with that caption on air. Payloads of
// every shape, and a flood of them, sent straight at it then: it keeps answering and scrolling,
// and writes nothing.
TEST(Commands, StartedByACommandItTakesHostilePayloadsWithoutHarm) {
    TempDir dir;
    WriteFileBytes(dir.file("Kirunner.ini"), kThreeCaptions);
    KirunnerProcess running;
    ASSERT_TRUE(running.Start(dir.path(), "-S3"));
    HWND main = running.MainWindow(kTimeout);
    ASSERT_TRUE(main);
    ASSERT_TRUE(WaitForShown(main));
    EXPECT_EQ((std::vector<std::string>{"------", "------", "表示中"}), CaptionStates(main));
    HWND receiver = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        receiver = FindWindowExA(HWND_MESSAGE, nullptr, "Kirunner.CommandReceiver.1", nullptr);
        return receiver != nullptr;
    }, kTimeout));

    std::srand(12345);
    std::vector<char> bytes(remote::kMaxPayloadBytes + 64);
    int refused = 0, sent = 0;
    const DWORD start = GetTickCount();
    for (int i = 0; i < 10000; ++i) {
        size_t size = static_cast<size_t>(std::rand()) % bytes.size();
        for (size_t b = 0; b < size && b < 64; ++b) bytes[b] = static_cast<char>(std::rand());
        if (i % 3 == 0 && size >= sizeof(remote::Header)) {
            // A header that claims the right size and version, with any kind, number and count.
            remote::Header header{sizeof(remote::Header), remote::kVersion,
                                  static_cast<std::uint32_t>(std::rand() % 6),
                                  std::rand() % 8 - 2, std::rand() % 70000 - 5,
                                  static_cast<std::uint32_t>(std::rand())};
            std::memcpy(bytes.data(), &header, sizeof header);
        }
        std::vector<char> valid;
        if (i % 10 == 1) {  // well-formed commands mixed in: show, hide or a text
            CaptionCommand command;
            command.kind = static_cast<CaptionCommand::Kind>(1 + std::rand() % 4);
            command.number = 1 + std::rand() % 3;
            command.text = L"flood";
            valid = remote::encodeCommand(command);
        }
        COPYDATASTRUCT data{};
        data.dwData = i % 5 == 0 ? 7 : remote::kMagic;
        data.cbData = static_cast<DWORD>(valid.empty() ? size : valid.size());
        data.lpData = !valid.empty() ? valid.data() : size ? bytes.data() : nullptr;
        DWORD_PTR answer = 0;
        if (SendMessageTimeoutA(receiver, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                                SMTO_ABORTIFHUNG, 5000, &answer)) {
            ++sent;
            if (static_cast<LRESULT>(answer) == remote::kAnswerMalformed) ++refused;
        }
    }
    std::printf("10000 payloads in %lu ms, %d answered, %d refused\n",
                static_cast<unsigned long>(GetTickCount() - start), sent, refused);
    EXPECT_EQ(10000, sent) << "every payload was answered";
    EXPECT_GE(refused, 9000) << "only the well-formed ones are carried out";
    EXPECT_LE(refused, 9000 + 10);

    DWORD_PTR answer = 0;
    EXPECT_TRUE(SendMessageTimeoutA(main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &answer));
    EXPECT_EQ(kThreeCaptions, ReadFileBytes(dir.file("Kirunner.ini")));
    EXPECT_EQ(kExitNormal, RunToEnd(dir.path(), "-S2")) << "well-formed commands still work";
    PostMessageA(main, WM_CLOSE, 0, 0);
    ASSERT_TRUE(running.WaitForExit(kTimeout));
    EXPECT_EQ(static_cast<DWORD>(kExitNormal), running.ExitCode());
}

// Captions told apart on the strip by where their glyphs lie: "_" low, "-" in the middle,
// "|" from top to bottom.
enum class Glyphs { kNone, kLow, kMiddle, kFull };

Glyphs GlyphsIn(const PixelImage& strip, int fromX, int toX) {
    int top = strip.height, bottom = -1;
    for (int y = 0; y < strip.height; ++y)
        for (int x = std::max(fromX, 0); x < std::min(toX, strip.width); ++x)
            if (strip.at(x, y) == RGB(255, 255, 255)) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    if (bottom < 0) return Glyphs::kNone;
    if (bottom - top + 1 > strip.height / 2) return Glyphs::kFull;
    return (top + bottom) / 2 > strip.height * 2 / 3 ? Glyphs::kLow : Glyphs::kMiddle;
}

// The captions that enter at the strip's right edge, in order, until `count` have or `waitMs`
// have passed.
std::vector<Glyphs> Entering(HWND strip, size_t count, DWORD waitMs = kTimeout) {
    std::vector<Glyphs> entered;
    const DWORD start = GetTickCount();
    while (entered.size() < count && GetTickCount() - start < waitMs) {
        const PixelImage picture = CaptureWindow(strip);
        const Glyphs now = GlyphsIn(picture, picture.width - 24, picture.width);
        if (now != Glyphs::kNone && (entered.empty() || entered.back() != now)) entered.push_back(now);
        Sleep(20);
    }
    return entered;
}

// "-" is half-way in when "|" cuts in: it leaves at once and is due again once the cut-in is
// over, or (CUTINAFTER=1) it rolls on, and "_" is due.
TEST(Commands, ACutInComesAheadOfTheCycleWhichThenGoesOnWhereItWas) {
    using G = Glyphs;
    for (bool afterCurrent : {false, true}) {
        SCOPED_TRACE(afterCurrent ? "after the current caption" : "at once");
        TempDir dir;
        const std::string system = std::string("DELTAX=4\r\nSIZE=2\r\n") + (afterCurrent ? "CUTINAFTER=1\r\n" : "");
        WriteFileBytes(dir.file("Kirunner.ini"),
                       SettingsText({{std::string(12, '_'), 5}, {std::string(30, '-'), 5}}, system));
        KirunnerProcess running;
        ASSERT_TRUE(running.Start(dir.path(), "-S1 -S2"));
        HWND main = running.MainWindow(kTimeout);
        ASSERT_TRUE(main);
        HWND strip = running.StripWindow();
        ASSERT_EQ((std::vector<G>{G::kLow, G::kMiddle}), Entering(strip, 2));
        // "-" well on its way in.
        ASSERT_TRUE(WaitUntil([&] {
            const PixelImage picture = CaptureWindow(strip);
            return GlyphsIn(picture, picture.width - 200, picture.width - 150) == G::kMiddle;
        }, kTimeout, 20));

        EXPECT_EQ(kExitNormal, RunToEnd(dir.path(), "-I|||||||||||| -M5"));
        // Within a tick or two; "-" would take many seconds to roll out of the strip.
        const bool cleared = WaitUntil([&] {
            const PixelImage picture = CaptureWindow(strip);
            return GlyphsIn(picture, 0, picture.width - 120) == G::kNone;
        }, 1000, 20);
        EXPECT_EQ(!afterCurrent, cleared) << "the caption under way leaves at once, or rolls on";
        const std::vector<G> during = afterCurrent ? std::vector<G>{G::kMiddle, G::kFull} : std::vector<G>{G::kFull};
        EXPECT_EQ(during, Entering(strip, 3, 5000)) << "then only the cut-in enters, pass after pass";

        PostMessageA(ControlPage(main), WM_COMMAND, MAKEWPARAM(ID_CUTIN_END, 0), 0);
        const std::vector<G> due = afterCurrent ? std::vector<G>{G::kFull, G::kLow, G::kMiddle}
                                                : std::vector<G>{G::kFull, G::kMiddle, G::kLow};
        EXPECT_EQ(due, Entering(strip, 3));
        PostMessageA(main, WM_CLOSE, 0, 0);
        ASSERT_TRUE(running.WaitForExit(kTimeout));
    }
}

}  // namespace
