#include "framework/CommonDialogs.h"

#include "framework/Mbcs.h"

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

std::string FileDialogFilter(const std::string& filter) {
    std::string parts = filter;
    for (size_t i = 0; i < parts.size(); ++i) {
        if (IsLeadByte(static_cast<unsigned char>(parts[i])) && i + 1 < parts.size()) ++i;
        else if (parts[i] == '|') parts[i] = '\0';
    }
    while (parts.size() < 2 || parts[parts.size() - 1] != '\0' || parts[parts.size() - 2] != '\0')
        parts += '\0';
    return parts;
}

bool OpenFileDialog(HWND owner, const std::string& filter, const char* defaultExtension,
                    const char* initialName, DWORD flags, std::string& path) {
    // The system wants the filter's parts separated by NUL and ending with two NULs.
    std::string filterz = FileDialogFilter(filter);

    std::vector<char> file(MAX_PATH * 4, '\0');
    if (initialName) std::strncpy(file.data(), initialName, file.size() - 1);

    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filterz.c_str();
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
