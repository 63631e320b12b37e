#pragma once
// The built program with its main window shown, worked from a second process through its
// control page as a person would: rows read, buttons clicked, dialogs and message boxes answered.
#include <windows.h>

#include <string>
#include <vector>

#include "KirunnerProcess.h"

namespace testing_support {

constexpr DWORD kDeskTimeout = 20000;
constexpr char kAddTextTitle[] = "テキスト追加";
constexpr char kChangeTextTitle[] = "テキスト変更";
constexpr char kAppearanceTitle[] = "キルン設定";

// Seconds of a time-left cell, "M:SS" or "H:MM:SS"; -1 for anything else.
int SecondsLeftIn(const std::string& cell);

class Desk {
public:
    using Rows = std::vector<std::vector<std::string>>;

    explicit Desk(const std::string& folder, const std::string& arguments = "");
    // The program copied into a folder of any name.
    explicit Desk(const std::wstring& folder, const std::string& arguments = "");
    bool ready() const { return main && page && list && strip && IsWindowVisible(main); }

    // The list's first `columns` columns, row by row.
    Rows rows(int columns = 4) const { return ReadListView(list, columns); }
    bool waitForRows(const Rows& expected, int columns = 4) const;
    // One cell of the list; empty when there is no such row.
    std::string cell(int row, int column) const;
    void click(int id) const { PostClick(page, id); }
    void clickOnRow(int row, int id) const {
        SelectListRow(list, row);
        click(id);
    }

    // The dialog of the program with that title, once it is shown.
    HWND dialog(const std::string& title) const;
    // Types a text and minutes into the caption text dialog of that title and presses its OK.
    bool enterCaption(const std::string& text, const std::string& minutes,
                      const std::string& title = kAddTextTitle) const;
    // Chooses a command of the page that opens the system's file dialog (as the list's context
    // menu does), answers the dialog with `path` and waits for it to go; false when it did not.
    bool chooseFile(UINT command, const std::string& path) const;
    // The text of the message box that opened, answered with `button`; empty when none came.
    std::string answerMessage(int button, bool* offersYesNo = nullptr) const;

    PixelImage stripPixels() const { return CaptureWindow(strip); }
    // Waits until the strip shows pixels of the colour; their leftmost column, or -1.
    int waitForColour(COLORREF colour) const;
    // Runs a second copy of the program in the desk's folder with `arguments` (commands it hands
    // to this one) to its end; its exit code, or -1 when it did not end in time.
    long command(const std::string& arguments) const;

    KirunnerProcess program;
    std::wstring folder;
    HWND main = nullptr, page = nullptr, list = nullptr, strip = nullptr;
};

}  // namespace testing_support
