#pragma once
// A plain top-level window in the main window's place, for a control page under test. It stays
// open whatever the page asks of it (the page closes its parent when rolling ends) and counts
// the close requests.
#include <windows.h>

#include <string>

namespace testing_support {

HWND CreatePageParent();
// WM_CLOSE requests received by all page parents; tests reset it themselves.
int& PageParentCloseRequests();

// Lower-case hex digits of each byte, as the settings file stores caption texts.
std::string Hex(const std::string& bytes);

}  // namespace testing_support
