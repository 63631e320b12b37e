#pragma once
// Drives the built Kirunner.exe from a second process, as a person would: starts it in a
// folder of its own, finds its windows, clicks, reads list rows and message boxes, captures
// the strip's pixels and collects what it writes on standard output.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "Pixels.h"

namespace testing_support {

// Polls `condition` every `stepMs` until it holds or `timeoutMs` has passed.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs, DWORD stepMs = 50);

// The built program, as CMake gives its path in KIRUNNER_EXE.
std::string BuiltKirunnerPath();

class KirunnerProcess {
public:
    KirunnerProcess() = default;
    ~KirunnerProcess();
    KirunnerProcess(const KirunnerProcess&) = delete;
    KirunnerProcess& operator=(const KirunnerProcess&) = delete;

    // Copies Kirunner.exe (or the `program` built in its place) into `folder` and starts it
    // from there with `arguments`; its standard output goes into a pipe that this object reads.
    bool Start(const std::string& folder, const std::string& arguments = "", const std::string& program = "");
    bool Start(const std::wstring& folder, const std::string& arguments = "", const std::string& program = "");
    // Starts the program file at `exePath` as it is, in the current folder `currentFolder`
    // (the temporary folder when empty).
    bool StartProgram(const std::string& exePath, const std::string& arguments,
                      const std::string& currentFolder = "");
    // The same with arguments of any characters, as a shortcut or a script started with a
    // Unicode command line passes them.
    bool StartProgram(const std::wstring& exePath, const std::wstring& arguments,
                      const std::wstring& currentFolder = L"");
    bool WaitForExit(DWORD timeoutMs);
    bool Running() const;
    // The exit code of an ended process; STILL_ACTIVE while it runs.
    DWORD ExitCode() const;
    void Kill();
    DWORD ProcessId() const { return m_info.dwProcessId; }
    HANDLE ProcessHandle() const { return m_info.hProcess; }

    // Everything written on standard output so far, "\r\n" turned into "\n".
    std::string Output();

    // Top-level windows of the process.
    std::vector<HWND> TopWindows() const;
    HWND WaitForWindow(const std::function<bool(HWND)>& match, DWORD timeoutMs) const;
    // The dialog titled "Kirunner", once its control page has been set up: the page fills its
    // list before it makes the strip, so the strip's existence is the sign.
    HWND MainWindow(DWORD timeoutMs = 10000) const;
    HWND StripWindow(DWORD timeoutMs = 10000) const;    // the layered caption strip
    // A dialog of the process with this title, once it is shown: a dialog is made hidden and
    // shown only after its initialisation has filled its fields, so a field set or a click
    // posted before then would be overwritten or lost.
    HWND WaitForDialog(const std::string& title, DWORD timeoutMs = 10000) const;
    // A shown message box of the process: a dialog holding the message text control.
    HWND WaitForMessageBox(DWORD timeoutMs = 10000) const;

private:
    static DWORD WINAPI ReadOutput(void* self);

    PROCESS_INFORMATION m_info{};
    HANDLE m_outputRead = nullptr;
    HANDLE m_reader = nullptr;
    CRITICAL_SECTION* m_lock = nullptr;
    std::string m_output;
};

std::string WindowText(HWND hwnd);
// The text an edit control of any process holds (it keeps its text itself, so WindowText gives
// another process's edit only the text it was made with).
std::string ControlText(HWND control);
std::string ClassName(HWND hwnd);
// Posts a click to a button, so that a modal dialog it opens does not block the caller.
void PostClick(HWND dialog, int controlId);
// The text of a message box (its static text) and a click on one of its buttons.
std::string MessageBoxText(HWND box);
// The control page: the child dialog inside the main window.
HWND ControlPage(HWND mainWindow);
// Waits until the window is visible: a modal dialog is shown once its initialisation is over
// and its loop runs, so only then are its fields filled and clicks posted to it handled.
bool WaitForShown(HWND hwnd, DWORD timeoutMs = 10000);
// Waits until the window has been destroyed.
bool WaitForGone(HWND hwnd, DWORD timeoutMs = 10000);
// Rows of a report-view list of another process: row by row, column by column.
std::vector<std::vector<std::string>> ReadListView(HWND listView, int columns);
// The same in UTF-16, every character as the list holds it.
std::vector<std::vector<std::wstring>> ReadListViewWide(HWND listView, int columns);
// The on-air column of the caption list on the main window's page, row by row.
std::vector<std::string> CaptionStates(HWND mainWindow);
void SelectListRow(HWND listView, int row);
// The middle of a row's label in a list view of any process (client coordinates); (-1, -1)
// when it cannot be had.
POINT ListRowPoint(HWND listView, int row);
// The first highlighted row of a list view of any process; -1 when none is.
int SelectedListRow(HWND listView);
// A real left click (mouse input through the system) at a point of a window's client area.
void ClickAt(HWND hwnd, POINT client);
// A real key press and release, through the system to the window that has the keyboard focus.
void PressKey(WORD virtualKey);
// Types the text as a keyboard or an IME would deliver it: one Unicode key event per UTF-16 unit.
void TypeText(const std::wstring& text);
// The key pressed and released while `modifier` (such as VK_CONTROL) is held down.
void PressChord(WORD modifier, WORD virtualKey);
// Two real left clicks at a point of a window's client area, within the double-click time.
void DoubleClickAt(HWND hwnd, POINT client);
// A real drag with the left button from one screen point to another, in a few steps.
void DragOnScreen(POINT from, POINT to);
// The window with the keyboard focus in the thread that owns `window` (any process).
HWND FocusOf(HWND window);
// The text of the console window of another process, row by row ("\n" between rows, trailing
// blanks dropped); empty when it has none.
std::string ReadConsoleOf(DWORD processId);
// The pixels of a window's area on the screen.
PixelImage CaptureWindow(HWND hwnd);

}  // namespace testing_support
