#pragma once
#include <windows.h>
#include <shellapi.h>

// The maker's home page, opened through the shell by the links of the main window and the about box.
constexpr const char kHomePageAddress[] = "https://www.pomelux.example/";

inline void openHomePage(HWND owner) {
    ShellExecuteA(owner, "open", kHomePageAddress, nullptr, nullptr, SW_SHOWNORMAL);
}
