#pragma once
// The system's font, file-open and file-save dialogs. Closing the main window cancels an open one
// (OpenModals); while the program closes, neither opens.
#include <windows.h>

#include <string>

namespace fw {

// Runs the font dialog initialised from `font`; on OK copies the choice into it.
bool ChooseFontDialog(HWND owner, LOGFONTA& font, DWORD flags);

// A filter in '|' form as the system wants it: parts separated by NUL, two NULs at the end.
// A '|' byte inside a double-byte character stays.
std::string FileDialogFilter(const std::string& filter);

std::wstring FileDialogFilter(const std::wstring& filter);

// Runs the file-open dialog. `filter` uses '|' between its parts and ends with "||".
// On OK stores the chosen full path, whatever characters it holds, in `path`.
bool OpenFileDialog(HWND owner, const std::wstring& filter, const wchar_t* defaultExtension,
                    const wchar_t* initialName, DWORD flags, std::wstring& path);

// Runs the file-save dialog, as OpenFileDialog runs the open one; a file that exists is written
// over only once the operator has said so (OFN_OVERWRITEPROMPT).
bool SaveFileDialog(HWND owner, const std::wstring& filter, const wchar_t* defaultExtension,
                    const wchar_t* initialName, DWORD flags, std::wstring& path);

}  // namespace fw
