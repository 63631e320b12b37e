#pragma once
// A plain top-level window in the main window's place, for a control page under test, and the
// clicks tests give the page. It stays
// open whatever the page asks of it (the page closes its parent when rolling ends) and counts
// the close requests.
#include <windows.h>

#include <string>
#include <vector>

class CControlDlg;

namespace testing_support {

// Registers the common controls the page needs, then makes the window.
HWND CreatePageParent();
// WM_CLOSE requests received by all page parents; tests reset it themselves.
int& PageParentCloseRequests();

// Clicks button `id` of the page, as its BN_CLICKED notification.
void PressButton(CControlDlg& page, int id);
// Selects list row `row` (selection and focus), then clicks button `id`.
void PressButtonOnRow(CControlDlg& page, int row, int id);

// Lower-case hex digits of each byte, as the settings file stores caption texts. Written here
// apart from the program's own encoder, so that exact-bytes tests do not check it against itself.
std::string Hex(const std::string& bytes);

// A settings file as the program writes it: SYSTEM with `systemKeys` (whole KEY=value lines
// ending in CR LF) and ITEMCOUNT, one ITEM section per caption (text, minutes and any further
// keys, whole lines after STRINGS), then `moreSections`.
struct SettingsItem {
    std::string text;
    int minutes;
    std::string keys = "";
};
// The SYSTEM keys before ITEMCOUNT and the FILE section that a first save writes with the defaults.
extern const char kDefaultSystemKeys[];
extern const char kDefaultFileSection[];
std::string SettingsText(const std::vector<SettingsItem>& items, const std::string& systemKeys = "",
                         const std::string& moreSections = "");

}  // namespace testing_support
