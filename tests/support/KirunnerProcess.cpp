#include "KirunnerProcess.h"

#include <commctrl.h>

#include <cstdlib>

#include "TempDir.h"
#include "framework/DataExchange.h"
#include "framework/UniqueHandle.h"
#include "framework/WideText.h"
#include "resource.h"

namespace testing_support {

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs, DWORD stepMs) {
    DWORD start = GetTickCount();
    for (;;) {
        if (condition()) return true;
        if (GetTickCount() - start >= timeoutMs) return false;
        Sleep(stepMs);
    }
}

std::string BuiltKirunnerPath() {
    const char* path = std::getenv("KIRUNNER_EXE");
    return path ? HostPathToWindows(path) : std::string();
}

KirunnerProcess::~KirunnerProcess() {
    Kill();
    if (m_reader) {
        WaitForSingleObject(m_reader, 5000);
        CloseHandle(m_reader);
    }
    if (m_outputRead) CloseHandle(m_outputRead);
    if (m_info.hProcess) CloseHandle(m_info.hProcess);
    if (m_info.hThread) CloseHandle(m_info.hThread);
    if (m_lock) {
        DeleteCriticalSection(m_lock);
        delete m_lock;
    }
}

bool KirunnerProcess::Start(const std::string& folder, const std::string& arguments, const std::string& program) {
    return Start(fw::WideFromCodePage932(folder), arguments, program);
}

bool KirunnerProcess::Start(const std::wstring& folder, const std::string& arguments, const std::string& program) {
    const std::wstring exe = folder + L"\\Kirunner.exe";
    const std::string built = program.empty() ? BuiltKirunnerPath() : program;
    if (!CopyFileW(fw::WideFromCodePage932(built).c_str(), exe.c_str(), FALSE)) return false;
    return StartProgram(exe, fw::WideFromCodePage932(arguments));
}

bool KirunnerProcess::StartProgram(const std::string& exe, const std::string& arguments,
                                   const std::string& currentFolder) {
    // Code page 932, as every text of the tests, widened as the system would widen it.
    return StartProgram(fw::WideFromCodePage932(exe), fw::WideFromCodePage932(arguments),
                        fw::WideFromCodePage932(currentFolder));
}

bool KirunnerProcess::StartProgram(const std::wstring& exe, const std::wstring& arguments,
                                   const std::wstring& currentFolder) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE outputWrite = nullptr;
    if (!CreatePipe(&m_outputRead, &outputWrite, &inherit, 0)) return false;
    SetHandleInformation(m_outputRead, HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = outputWrite;
    startup.hStdError = outputWrite;
    std::wstring commandLine = L"\"" + exe + L"\"" + (arguments.empty() ? L"" : L" " + arguments);
    std::vector<wchar_t> mutableLine(commandLine.begin(), commandLine.end());
    mutableLine.push_back(L'\0');

    wchar_t home[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, home);  // started from elsewhere: the program must find its own folder
    const wchar_t* current = currentFolder.empty() ? home : currentFolder.c_str();
    BOOL started = CreateProcessW(nullptr, mutableLine.data(), nullptr, nullptr, TRUE,
                                  DETACHED_PROCESS, nullptr, current, &startup, &m_info);
    CloseHandle(outputWrite);
    if (!started) return false;

    m_lock = new CRITICAL_SECTION;
    InitializeCriticalSection(m_lock);
    m_reader = CreateThread(nullptr, 0, ReadOutput, this, 0, nullptr);
    return true;
}

DWORD WINAPI KirunnerProcess::ReadOutput(void* param) {
    KirunnerProcess* self = static_cast<KirunnerProcess*>(param);
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(self->m_outputRead, buffer, sizeof buffer, &got, nullptr) && got > 0) {
        EnterCriticalSection(self->m_lock);
        self->m_output.append(buffer, got);
        LeaveCriticalSection(self->m_lock);
    }
    return 0;
}

std::string KirunnerProcess::Output() {
    if (!m_lock) return std::string();
    EnterCriticalSection(m_lock);
    std::string raw = m_output;
    LeaveCriticalSection(m_lock);
    std::string text;
    for (size_t i = 0; i < raw.size(); ++i)
        if (!(raw[i] == '\r' && i + 1 < raw.size() && raw[i + 1] == '\n')) text += raw[i];
    return text;
}

bool KirunnerProcess::WaitForExit(DWORD timeoutMs) {
    if (!m_info.hProcess) return true;
    if (WaitForSingleObject(m_info.hProcess, timeoutMs) != WAIT_OBJECT_0) return false;
    if (m_reader) WaitForSingleObject(m_reader, 5000);
    return true;
}

bool KirunnerProcess::Running() const {
    return m_info.hProcess && WaitForSingleObject(m_info.hProcess, 0) == WAIT_TIMEOUT;
}

DWORD KirunnerProcess::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    if (m_info.hProcess) GetExitCodeProcess(m_info.hProcess, &code);
    return code;
}

void KirunnerProcess::Kill() {
    if (Running()) {
        TerminateProcess(m_info.hProcess, 1);
        WaitForSingleObject(m_info.hProcess, 5000);
    }
}

namespace {
const int kMessageTextId = 0xFFFF;  // the static text of a message box

struct Collect {
    DWORD pid;
    std::vector<HWND>* found;
};

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM param) {
    Collect* c = reinterpret_cast<Collect*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == c->pid) c->found->push_back(hwnd);
    return TRUE;
}
}  // namespace

std::vector<HWND> KirunnerProcess::TopWindows() const {
    std::vector<HWND> found;
    Collect c{m_info.dwProcessId, &found};
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&c));
    return found;
}

HWND KirunnerProcess::WaitForWindow(const std::function<bool(HWND)>& match, DWORD timeoutMs) const {
    HWND result = nullptr;
    WaitUntil([&] {
        for (HWND hwnd : TopWindows())
            if (match(hwnd)) {
                result = hwnd;
                return true;
            }
        return false;
    }, timeoutMs);
    return result;
}

HWND KirunnerProcess::MainWindow(DWORD timeoutMs) const {
    HWND main = WaitForWindow([](HWND hwnd) {
        return ClassName(hwnd) == "#32770" && WindowText(hwnd) == "Kirunner" && ControlPage(hwnd);
    }, timeoutMs);
    return main && StripWindow(timeoutMs) ? main : nullptr;
}

HWND KirunnerProcess::StripWindow(DWORD timeoutMs) const {
    return WaitForWindow([](HWND hwnd) {
        return (GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_LAYERED) != 0;
    }, timeoutMs);
}

HWND KirunnerProcess::WaitForDialog(const std::string& title, DWORD timeoutMs) const {
    return WaitForWindow([&](HWND hwnd) {
        return ClassName(hwnd) == "#32770" && WindowText(hwnd) == title && IsWindowVisible(hwnd);
    }, timeoutMs);
}

HWND KirunnerProcess::WaitForMessageBox(DWORD timeoutMs) const {
    return WaitForWindow([](HWND hwnd) {
        return ClassName(hwnd) == "#32770" && GetDlgItem(hwnd, kMessageTextId) != nullptr &&
               IsWindowVisible(hwnd);
    }, timeoutMs);
}

std::string WindowText(HWND hwnd) { return fw::GetWindowTextString(hwnd); }

std::string ControlText(HWND control) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(control, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length)) return std::string();
    std::string text(static_cast<size_t>(length) + 1, '\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]), SMTO_ABORTIFHUNG, 5000,
                             &copied))
        return std::string();
    text.resize(static_cast<size_t>(copied));
    return text;
}

std::string ClassName(HWND hwnd) {
    char name[256] = {};
    GetClassNameA(hwnd, name, sizeof name);
    return name;
}

void PostClick(HWND dialog, int controlId) {
    PostMessageA(GetDlgItem(dialog, controlId), BM_CLICK, 0, 0);
}

std::string MessageBoxText(HWND box) {
    return WindowText(GetDlgItem(box, kMessageTextId));
}

HWND ControlPage(HWND mainWindow) {
    return FindWindowExA(mainWindow, nullptr, "#32770", nullptr);
}

std::vector<std::string> CaptionStates(HWND mainWindow) {
    std::vector<std::string> states;
    for (const auto& row : ReadListView(GetDlgItem(ControlPage(mainWindow), IDC_CAPTION_LIST), 4))
        states.push_back(row[2]);
    return states;
}

bool WaitForShown(HWND hwnd, DWORD timeoutMs) {
    return hwnd && WaitUntil([hwnd] { return IsWindowVisible(hwnd) != FALSE; }, timeoutMs);
}

bool WaitForGone(HWND hwnd, DWORD timeoutMs) {
    return WaitUntil([hwnd] { return !IsWindow(hwnd); }, timeoutMs);
}

namespace {
// Rows of a report-view list of another process, each cell read with LVM_GETITEMTEXTA or
// LVM_GETITEMTEXTW into memory of that process.
template <typename Item, typename Char>
std::vector<std::vector<std::basic_string<Char>>> readListRows(HWND listView, int columns, UINT getText) {
    std::vector<std::vector<std::basic_string<Char>>> rows;
    DWORD pid = 0;
    GetWindowThreadProcessId(listView, &pid);
    const fw::KernelHandle owned(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid));
    const HANDLE process = owned.get();
    if (!process) return rows;
    const SIZE_T kTextUnits = 4096;
    char* remote = static_cast<char*>(VirtualAllocEx(process, nullptr, sizeof(Item) + kTextUnits * sizeof(Char),
                                                     MEM_COMMIT, PAGE_READWRITE));
    if (remote) {
        int count = static_cast<int>(SendMessageA(listView, LVM_GETITEMCOUNT, 0, 0));
        for (int row = 0; row < count; ++row) {
            std::vector<std::basic_string<Char>> cells;
            for (int column = 0; column < columns; ++column) {
                Item item{};
                item.iSubItem = column;
                item.pszText = reinterpret_cast<Char*>(remote + sizeof(Item));
                item.cchTextMax = static_cast<int>(kTextUnits);
                WriteProcessMemory(process, remote, &item, sizeof item, nullptr);
                SendMessageA(listView, getText, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(remote));
                std::vector<Char> text(kTextUnits + 1, Char(0));
                ReadProcessMemory(process, remote + sizeof(Item), text.data(), kTextUnits * sizeof(Char), nullptr);
                cells.emplace_back(text.data());
            }
            rows.push_back(cells);
        }
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    }
    return rows;
}
}  // namespace

std::vector<std::vector<std::string>> ReadListView(HWND listView, int columns) {
    return readListRows<LVITEMA, char>(listView, columns, LVM_GETITEMTEXTA);
}

std::vector<std::vector<std::wstring>> ReadListViewWide(HWND listView, int columns) {
    return readListRows<LVITEMW, wchar_t>(listView, columns, LVM_GETITEMTEXTW);
}

void SelectListRow(HWND listView, int row) {
    DWORD pid = 0;
    GetWindowThreadProcessId(listView, &pid);
    const fw::KernelHandle owned(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, pid));
    const HANDLE process = owned.get();
    if (!process) return;
    void* remote = VirtualAllocEx(process, nullptr, sizeof(LVITEMA), MEM_COMMIT, PAGE_READWRITE);
    if (remote) {
        LVITEMA item{};
        item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        item.state = LVIS_SELECTED | LVIS_FOCUSED;
        WriteProcessMemory(process, remote, &item, sizeof item, nullptr);
        SendMessageA(listView, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(remote));
        SendMessageA(listView, LVM_SETSELECTIONMARK, 0, row);
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    }
}

POINT ListRowPoint(HWND listView, int row) {
    POINT point{-1, -1};
    DWORD pid = 0;
    GetWindowThreadProcessId(listView, &pid);
    const fw::KernelHandle owned(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid));
    if (!owned.get()) return point;
    void* remote = VirtualAllocEx(owned.get(), nullptr, sizeof(RECT), MEM_COMMIT, PAGE_READWRITE);
    if (!remote) return point;
    RECT rect{LVIR_LABEL, 0, 0, 0};
    if (WriteProcessMemory(owned.get(), remote, &rect, sizeof rect, nullptr) &&
        SendMessageA(listView, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(remote)) &&
        ReadProcessMemory(owned.get(), remote, &rect, sizeof rect, nullptr))
        point = POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    VirtualFreeEx(owned.get(), remote, 0, MEM_RELEASE);
    return point;
}

int SelectedListRow(HWND listView) {
    return static_cast<int>(SendMessageA(listView, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void ClickAt(HWND hwnd, POINT client) {
    POINT screen = client;
    ClientToScreen(hwnd, &screen);
    // Absolute coordinates run from 0 to 65535 across the primary screen.
    const LONG x = MulDiv(screen.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    const LONG y = MulDiv(screen.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    INPUT clicks[3] = {};
    for (INPUT& input : clicks) {
        input.type = INPUT_MOUSE;
        input.mi.dx = x;
        input.mi.dy = y;
    }
    clicks[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    clicks[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    clicks[2].mi.dwFlags = MOUSEEVENTF_LEFTUP | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(3, clicks, sizeof(INPUT));
}

void PressKey(WORD virtualKey) {
    INPUT keys[2] = {};
    for (INPUT& input : keys) {
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = virtualKey;
    }
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, keys, sizeof(INPUT));
}

void TypeText(const std::wstring& text) {
    for (wchar_t unit : text) {
        INPUT keys[2] = {};
        for (INPUT& input : keys) {
            input.type = INPUT_KEYBOARD;
            input.ki.wScan = unit;
            input.ki.dwFlags = KEYEVENTF_UNICODE;
        }
        keys[1].ki.dwFlags |= KEYEVENTF_KEYUP;
        SendInput(2, keys, sizeof(INPUT));
    }
}

void PressChord(WORD modifier, WORD virtualKey) {
    INPUT keys[4] = {};
    const WORD order[4] = {modifier, virtualKey, virtualKey, modifier};
    for (int i = 0; i < 4; ++i) {
        keys[i].type = INPUT_KEYBOARD;
        keys[i].ki.wVk = order[i];
        keys[i].ki.dwFlags = i < 2 ? 0 : KEYEVENTF_KEYUP;
    }
    SendInput(4, keys, sizeof(INPUT));
}

void DoubleClickAt(HWND hwnd, POINT client) {
    ClickAt(hwnd, client);
    ClickAt(hwnd, client);
}

void DragOnScreen(POINT from, POINT to) {
    auto send = [](POINT at, DWORD flags) {
        INPUT input{};
        input.type = INPUT_MOUSE;
        input.mi.dx = MulDiv(at.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
        input.mi.dy = MulDiv(at.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
        input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
        SendInput(1, &input, sizeof input);
        Sleep(50);  // each step reaches the window's sizing loop on its own
    };
    send(from, 0);
    send(from, MOUSEEVENTF_LEFTDOWN);
    const int steps = 5;
    for (int i = 1; i <= steps; ++i)
        send(POINT{from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps}, 0);
    send(to, MOUSEEVENTF_LEFTUP);
}

HWND FocusOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
    return info.hwndFocus;
}

std::string ReadConsoleOf(DWORD processId) {
    std::string text;
    FreeConsole();
    if (!AttachConsole(processId)) return text;
    fw::FileHandle screen(CreateFileA("CONOUT$", GENERIC_READ | GENERIC_WRITE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr));
    CONSOLE_SCREEN_BUFFER_INFO info{};
    if (screen && GetConsoleScreenBufferInfo(screen.get(), &info)) {
        std::vector<char> row(static_cast<size_t>(info.dwSize.X) + 1, '\0');
        for (SHORT y = 0; y <= info.dwCursorPosition.Y; ++y) {
            DWORD read = 0;
            ReadConsoleOutputCharacterA(screen.get(), row.data(), info.dwSize.X, COORD{0, y}, &read);
            std::string line(row.data(), read);
            line.erase(line.find_last_not_of(' ') + 1);
            text += line + "\n";
        }
    }
    screen.reset();  // before the console goes
    FreeConsole();
    return text;
}

PixelImage CaptureWindow(HWND hwnd) {
    RECT rect{};
    GetWindowRect(hwnd, &rect);
    return CaptureScreen(rect);
}

}  // namespace testing_support
