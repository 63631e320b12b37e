#include "framework/CommonDialogs.h"

#include "framework/Mbcs.h"
#include "framework/OpenModals.h"

#include <commdlg.h>

#include <cstring>
#include <cwchar>
#include <vector>

namespace fw {

bool ChooseFontDialog(HWND owner, LOGFONTA& font, DWORD flags) {
    if (OpenModalsEnding()) return false;  // the program is closing: nothing new opens
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

std::wstring FileDialogFilter(const std::wstring& filter) {
    std::wstring parts = filter;
    for (wchar_t& c : parts)
        if (c == L'|') c = L'\0';
    while (parts.size() < 2 || parts[parts.size() - 1] != L'\0' || parts[parts.size() - 2] != L'\0')
        parts += L'\0';
    return parts;
}

namespace {
using FileDialogFunction = BOOL(WINAPI*)(OPENFILENAMEW*);

bool RunFileDialog(FileDialogFunction run, HWND owner, const std::wstring& filter, const wchar_t* defaultExtension,
                   const wchar_t* initialName, DWORD flags, std::wstring& path) {
    if (OpenModalsEnding()) return false;  // the program is closing: nothing new opens
    // The system wants the filter's parts separated by NUL and ending with two NULs.
    const std::wstring filterz = FileDialogFilter(filter);

    // Room for a long path (the dialog can give one of up to 32,767 characters).
    std::vector<wchar_t> file(32768, L'\0');
    if (initialName) std::wcsncpy(file.data(), initialName, file.size() - 1);

    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filterz.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrDefExt = defaultExtension;
    ofn.Flags = flags | OFN_EXPLORER;
    if (!run(&ofn)) return false;
    path = file.data();
    return true;
}
}  // namespace

bool OpenFileDialog(HWND owner, const std::wstring& filter, const wchar_t* defaultExtension,
                    const wchar_t* initialName, DWORD flags, std::wstring& path) {
    return RunFileDialog(GetOpenFileNameW, owner, filter, defaultExtension, initialName, flags, path);
}

bool SaveFileDialog(HWND owner, const std::wstring& filter, const wchar_t* defaultExtension,
                    const wchar_t* initialName, DWORD flags, std::wstring& path) {
    return RunFileDialog(GetSaveFileNameW, owner, filter, defaultExtension, initialName, flags | OFN_OVERWRITEPROMPT,
                         path);
}

}  // namespace fw
