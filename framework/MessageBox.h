#pragma once
// The one way the program shows a modal message: the application's title, an exclamation
// icon on OK boxes and a question icon on Yes/No boxes unless an icon is given.
// Tests replace the function that shows it with a recorder. Closing the main window ends an
// open box with its safest answer (OpenModals); while the program closes, none is shown and
// that answer comes back at once.
#include <windows.h>

#include <functional>

namespace fw {

int ShowMessage(const char* text, UINT type = MB_OK);
// The answer that changes nothing: No, else Cancel (or Abort), else OK.
int SafestAnswer(UINT type);

using MessageBoxFunction = std::function<int(HWND owner, const char* text, const char* title, UINT type)>;
// Installs `fn` (null restores the system's message box); returns the previous function.
MessageBoxFunction SetMessageBoxFunction(MessageBoxFunction fn);

}  // namespace fw
