#pragma once
// The application object: reads the command line, chooses the debug console or silence, makes
// the program's directory the working directory and runs the main window modally.
#include <windows.h>

#include <string>

extern std::wstring CurrentDir;  // directory part of the program path
// The command channel this copy is to hold; empty when another copy holds it, or in a batch run.
extern std::string CommandChannel;

class CKirunApp {
public:
    // The whole run. Returns FALSE on every path: the program ends when it returns.
    BOOL InitInstance();
};

BOOL WINAPI ConsoleCtrlHandler(DWORD eventType);

extern CKirunApp theApp;
