#pragma once
// What the program has open modally on its user-interface thread, so that closing the main
// window ends all of it: a close from outside (a script's WM_CLOSE, taskkill without /F) must
// end the program whatever dialog, message box or common dialog is open, and each of those runs
// a modal loop of its own that would otherwise keep the program alive.
//
// The modal dialog runner holds each dialog it runs in the list; message boxes and the system's
// common dialogs are found as the thread's other top-level dialog windows. While they unwind,
// nothing new opens: ShowMessage, DoModal and the common dialogs answer at once as if cancelled.
#include <windows.h>

namespace fw {

class Dialog;

// Holds `dialog` in the list of open modal dialogs for its lifetime.
class OpenModal {
public:
    explicit OpenModal(Dialog& dialog);
    ~OpenModal();
    OpenModal(const OpenModal&) = delete;
    OpenModal& operator=(const OpenModal&) = delete;

private:
    Dialog& m_dialog;
};

// Ends every dialog, message box, common dialog and menu open on this thread: the program's
// dialogs as if cancelled, the system's boxes by their safest button (Cancel, else No, else OK).
// Until the outermost dialog has returned, nothing new is shown.
void EndOpenModals();
// EndOpenModals was called and the dialogs open then have not all returned yet.
bool OpenModalsEnding();

}  // namespace fw
