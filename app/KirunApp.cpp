#include "app/KirunApp.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "surfaces/CommandChannel.h"
#include "app/CommandLine.h"
#include "app/AppHost.h"
#include "app/KirunDlg.h"
#include "framework/App.h"
#include "framework/CommandArguments.h"
#include "framework/Mbcs.h"
#include "model/StartupState.h"

CKirunApp theApp;
std::wstring CurrentDir;
std::string CommandChannel;

namespace {
const DWORD kConsoleLingerMs = 1000;

void useConsole() {
    AllocConsole();
    FILE* stream = nullptr;
    freopen_s(&stream, "CONOUT$", "w", stdout);
    freopen_s(&stream, "CONIN$", "r", stdin);
    SetConsoleCtrlHandler(ConsoleCtrlHandler, TRUE);
}

void useNullDevice() {
    FILE* stream = nullptr;
    freopen_s(&stream, "/dev/nul", "w", stdout);
    freopen_s(&stream, "/dev/nul", "r", stdin);
}

bool putsCaptionOnAir(const std::vector<CaptionCommand>& commands) {
    for (const CaptionCommand& command : commands)
        if (command.kind == CaptionCommand::kShowItem || command.kind == CaptionCommand::kShowText ||
            command.kind == CaptionCommand::kCutIn)
            return true;
    return false;
}

// The exit code of a command line the program cannot run; kExitNormal when it can.
int commandLineFault(const CommandLineScan& scan) {
    if (scan.formatError) return kExitFormatError;
    if (scan.commandError) return kExitMalformedCommand;
    return kExitNormal;
}

// Commands go to the copy that holds this folder's channel; without one, those that put a
// caption on air start this program with it. A normal start takes the channel when no copy
// holds it; a batch run keeps to itself and never takes it. False when the commands were
// handed over, or could not be, and this program is to end with `exitCode`.
bool settleCommandChannel(const CommandLineScan& scan, const std::wstring& programFolder, int& exitCode) {
    CommandChannel.clear();
    if (scan.batchMode) return true;
    const std::string channel = channelName(programFolder);
    const bool gateEntered = enterStartGate(channel);
    if (!scan.commands.empty()) {
        const int handedOver = handOverCommands(channel, scan.commands);
        if (handedOver >= 0 || !putsCaptionOnAir(scan.commands)) {
            leaveStartGate();
            exitCode = handedOver >= 0 ? handedOver : kExitNoRunningKirunner;
            return false;
        }
    }
    // Inside the gate the channel is free until this copy's receiver exists; outside it,
    // another process is taking the channel right now.
    if (gateEntered && !channelHeld(channel)) CommandChannel = channel;
    else leaveStartGate();
    return true;
}

void printStartLines(const CommandLineScan& scan) {
    std::printf("********** Start KIRUNNER DEBUG MODE  *******\n");
    if (scan.debugMode) std::printf("DEBUG_MODE ON\n");
    if (scan.batchMode) {
        std::printf("BatchMode ON\n");
        for (int number : scan.captionNumbers) std::printf("KirunNo=%d\n", number);
    }
}

// Elsewhere the settings file would be read from and written to a folder not the program's.
bool enterProgramFolder(const std::wstring& programFolder) {
    CurrentDir = programFolder;
    const bool entered = SetCurrentDirectoryW(CurrentDir.c_str()) != FALSE;
    std::printf("CurrentDir=%s", fw::CodePage932FromWide(CurrentDir).c_str());
    std::fflush(stdout);
    return entered;
}

int runMainWindow(const StartOptions& start) {
    AppHost host(start);
    CKirunDlg dlg(host, nullptr, CommandChannel);
    if (dlg.DoModal() == -1) return kExitCannotStart;
    return dlg.exitCode();
}
}  // namespace

// Ctrl+C, Ctrl+Break and closing the console do not end the program.
BOOL WINAPI ConsoleCtrlHandler(DWORD) { return TRUE; }

BOOL CKirunApp::InitInstance() {
    // A drive without media or an unreachable path fails quietly: the watched file is looked
    // at every second, and a system box each time would stack up.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);

    // The echo goes to the standard output the process inherited, before any redirection.
    const CommandLineScan scan = scanCommandLine(fw::CommandArguments());
    std::fputs(scan.echo.c_str(), stdout);
    std::fflush(stdout);
    ProgramExitCode = commandLineFault(scan);
    if (ProgramExitCode != kExitNormal) return FALSE;

    // The running program's own file, not argument 0: a caller may pass any argument 0, and a
    // bare name or forward slashes there would leave the settings file in some other folder.
    const std::wstring programFolder = directoryOfProgram(fw::ProgramFilePath());
    if (!settleCommandChannel(scan, programFolder, ProgramExitCode)) return FALSE;

    if (scan.debugMode) useConsole();
    else useNullDevice();
    printStartLines(scan);

    if (enterProgramFolder(programFolder)) {
        ProgramExitCode = runMainWindow(StartOptions{scan.batchMode != 0, scan.captionNumbers, scan.commands});
        if (scan.debugMode) {
            FreeConsole();
            Sleep(kConsoleLingerMs);
        }
    } else {
        ProgramExitCode = kExitCannotStart;
    }
    leaveStartGate();  // when the window failed before its receiver was made
    return FALSE;
}
