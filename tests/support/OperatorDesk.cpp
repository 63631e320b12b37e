#include "OperatorDesk.h"

#include <commdlg.h>
#include <dlgs.h>

#include <cstdio>

#include "framework/WideText.h"
#include "resource.h"

namespace testing_support {

Desk::Desk(const std::string& folder, const std::string& arguments)
    : Desk(fw::WideFromCodePage932(folder), arguments) {}

Desk::Desk(const std::wstring& folder, const std::string& arguments) : folder(folder) {
    if (!program.Start(folder, arguments)) return;
    main = program.MainWindow(kDeskTimeout);
    // Shown once its initialisation, which creates the page and the strip, is over.
    if (!WaitForShown(main, kDeskTimeout)) return;
    page = ControlPage(main);
    list = GetDlgItem(page, IDC_CAPTION_LIST);
    strip = program.StripWindow(kDeskTimeout);
}

bool Desk::waitForRows(const Rows& expected, int columns) const {
    return WaitUntil([&] { return rows(columns) == expected; }, kDeskTimeout);
}

std::string Desk::cell(int row, int column) const {
    const Rows shown = rows(column + 1);
    return row >= 0 && row < static_cast<int>(shown.size()) ? shown[static_cast<size_t>(row)][static_cast<size_t>(column)]
                                                             : std::string();
}

HWND Desk::dialog(const std::string& title) const {
    return program.WaitForDialog(title, kDeskTimeout);
}

bool Desk::enterCaption(const std::string& text, const std::string& minutes, const std::string& title) const {
    HWND dialog = this->dialog(title);
    if (!dialog) return false;
    SetDlgItemTextA(dialog, IDC_CAPTION_TEXT, text.c_str());
    SetDlgItemTextA(dialog, IDC_MINUTES_EDIT, minutes.c_str());
    PostClick(dialog, IDOK);
    return WaitForGone(dialog, kDeskTimeout);
}

bool Desk::chooseFile(UINT command, const std::string& path) const {
    PostMessageA(page, WM_COMMAND, command, 0);
    HWND dialog = program.WaitForWindow([](HWND hwnd) {
        return ClassName(hwnd) == "#32770" && IsWindowVisible(hwnd) && (GetDlgItem(hwnd, cmb13) || GetDlgItem(hwnd, edt1));
    }, kDeskTimeout);
    if (!dialog) return false;
    SetWindowTextA(GetDlgItem(dialog, cmb13) ? GetDlgItem(dialog, cmb13) : GetDlgItem(dialog, edt1), path.c_str());
    PostClick(dialog, IDOK);
    return WaitForGone(dialog, kDeskTimeout);
}

std::string Desk::answerMessage(int button, bool* offersYesNo) const {
    HWND box = program.WaitForMessageBox(kDeskTimeout);
    if (!box) return std::string();
    std::string text = MessageBoxText(box);
    if (offersYesNo) *offersYesNo = GetDlgItem(box, IDYES) && GetDlgItem(box, IDNO) && !GetDlgItem(box, IDOK);
    PostClick(box, button);
    WaitForGone(box, kDeskTimeout);
    return text;
}

int Desk::waitForColour(COLORREF colour) const {
    int column = -1;
    WaitUntil([&] { return (column = stripPixels().firstColumnWith(colour)) >= 0; }, kDeskTimeout);
    return column;
}

long Desk::command(const std::string& arguments) const {
    KirunnerProcess second;
    if (!second.StartProgram(folder + L"\\Kirunner.exe", fw::WideFromCodePage932(arguments), folder)) return -2;
    if (!second.WaitForExit(kDeskTimeout)) return -1;
    return static_cast<long>(second.ExitCode());
}

int SecondsLeftIn(const std::string& cell) {
    int parts[3] = {-1, -1, -1};
    char rest = 0;
    const int read = std::sscanf(cell.c_str(), "%d:%d:%d%c", &parts[0], &parts[1], &parts[2], &rest);
    if (read == 2 && cell.size() >= 4 && cell[cell.size() - 3] == ':' && parts[1] < 60)
        return parts[0] * 60 + parts[1];
    if (read == 3 && parts[0] > 0 && cell.size() >= 7 && cell[cell.size() - 3] == ':' && cell[cell.size() - 6] == ':' &&
        parts[1] < 60 && parts[2] < 60)
        return (parts[0] * 60 + parts[1]) * 60 + parts[2];
    return -1;
}

}  // namespace testing_support
