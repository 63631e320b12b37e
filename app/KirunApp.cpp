#include "app/KirunApp.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/CommandChannel.h"
#include "app/CommandLine.h"
#include "app/KirunDlg.h"
#include "framework/App.h"
#include "model/StartupState.h"

CKirunApp theApp;
std::string CurrentDir;
std::string CommandChannel;

namespace {
const DWORD kConsoleLingerMs = 1000;

std::vector<std::string> argumentsAfterProgram() {
    std::vector<std::string> arguments;
    for (int i = 1; i < __argc; ++i) arguments.emplace_back(__argv[i] ? __argv[i] : "");
    return arguments;
}

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
        if (command.kind == CaptionCommand::kShowItem || command.kind == CaptionCommand::kShowText)
            return true;
    return false;
}
}  // namespace

// Ctrl+C, Ctrl+Break and closing the console do not end the program.
BOOL WINAPI ConsoleCtrlHandler(DWORD) { return TRUE; }

BOOL CKirunApp::InitInstance() {
    // A drive without media or an unreachable path fails quietly: the watched file is looked
    // at every second, and a system box each time would stack up.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    BatchCaptionNumbers.clear();

    // The echo goes to the standard output the process inherited, before any redirection.
    CommandLineScan scan = scanCommandLine(argumentsAfterProgram());
    std::fputs(scan.echo.c_str(), stdout);
    std::fflush(stdout);
    if (scan.debugMode) DebugMode = 1;
    if (scan.batchMode) BatchMode = 1;
    if (scan.formatError) {
        ProgramExitCode = kExitFormatError;
        return FALSE;
    }
    if (scan.commandError) {
        ProgramExitCode = kExitMalformedCommand;
        return FALSE;
    }
    BatchCaptionNumbers = scan.captionNumbers;

    // The running program's own file, not argument 0: a caller may pass any argument 0, and a
    // bare name or forward slashes there would leave the settings file in some other folder.
    const std::string programFolder = directoryOfProgram(fw::ProgramFilePath());
    // Commands go to the copy that holds this folder's channel; without one, those that put a
    // caption on air start this program with it. A normal start takes the channel when no copy
    // holds it; a batch run keeps to itself and never takes it.
    CommandChannel.clear();
    if (!BatchMode) {
        const std::string channel = channelName(programFolder);
        const bool gateEntered = enterStartGate(channel);
        if (!scan.commands.empty()) {
            const int handedOver = handOverCommands(channel, scan.commands);
            if (handedOver >= 0 || !putsCaptionOnAir(scan.commands)) {
                leaveStartGate();
                ProgramExitCode = handedOver >= 0 ? handedOver : kExitNoRunningKirunner;
                return FALSE;
            }
        }
        // Inside the gate the channel is free until this copy's receiver exists; outside it,
        // another process is taking the channel right now.
        if (gateEntered && !channelHeld(channel)) CommandChannel = channel;
        else leaveStartGate();
    }
    StartCommands = scan.commands;

    if (DebugMode == 1) useConsole();
    else useNullDevice();

    std::printf("********** Start KIRUNNER DEBUG MODE  *******\n");
    if (DebugMode) std::printf("DEBUG_MODE ON\n");
    if (BatchMode) {
        std::printf("BatchMode ON\n");
        for (int number : BatchCaptionNumbers) std::printf("KirunNo=%d\n", number);
    }

    CurrentDir = programFolder;
    const bool entered = SetCurrentDirectoryA(CurrentDir.c_str()) != FALSE;
    std::printf("CurrentDir=%s", CurrentDir.c_str());
    std::fflush(stdout);
    // Elsewhere the settings file would be read from and written to a folder not the program's.
    if (!entered) ProgramExitCode = kExitCannotStart;

    if (entered) {
        CKirunDlg dlg(nullptr);
        if (dlg.DoModal() == -1) ProgramExitCode = kExitCannotStart;

        if (DebugMode == 1) {
            FreeConsole();
            Sleep(kConsoleLingerMs);
        }
        BatchCaptionNumbers.clear();
        StartCommands.clear();
    }
    leaveStartGate();  // when the window failed before its receiver was made
    return FALSE;
}
