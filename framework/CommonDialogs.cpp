#include "framework/CommonDialogs.h"

#include <commdlg.h>

#include <cstring>
#include <vector>

namespace fw {

bool ChooseFontDialog(HWND owner, LOGFONTA& font, DWORD flags) {
    LOGFONTA chosen = font;
    CHOOSEFONTA cf{};
    cf.lStructSize = sizeof cf;
    cf.hwndOwner = owner;
    cf.lpLogFont = &chosen;
    cf.Flags = flags | CF_INITTOLOGFONTSTRUCT;
    if (!ChooseFontA(&cf)) return false;
    font = chosen;
    return true;
}

bool OpenFileDialog(HWND owner, const std::string& filter, const char* defaultExtension,
                    const char* initialName, DWORD flags, std::string& path) {
    // The system wants the filter's parts separated by NUL and ending with two NULs.
    std::vector<char> filterz(filter.begin(), filter.end());
    for (char& c : filterz)
        if (c == '|') c = '\0';
    filterz.push_back('\0');
    filterz.push_back('\0');

    std::vector<char> file(MAX_PATH * 4, '\0');
    if (initialName) std::strncpy(file.data(), initialName, file.size() - 1);

    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filterz.data();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrDefExt = defaultExtension;
    ofn.Flags = flags | OFN_EXPLORER;
    if (!GetOpenFileNameA(&ofn)) return false;
    path = file.data();
    return true;
}

}  // namespace fw
