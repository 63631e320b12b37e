#pragma once
// Commands from one Kirunner process to the one already running from the same program folder
// on the same desktop. The running program keeps a message-only window whose class and title
// (the program folder) name it; a new process finds it and hands each command over with
// WM_COPYDATA, answered at once with the command's result.
#include <windows.h>

#include <string>
#include <vector>

#include "framework/Window.h"
#include "model/CaptionCommand.h"

class CControlDlg;

// The exit code after handing `commands` to the Kirunner running from `folder`, one by one
// until one fails; -1 when no Kirunner runs from there.
int handOverCommands(const std::string& folder, const std::vector<CaptionCommand>& commands);

// A process that looks for the running Kirunner of `folder` holds this gate until its own
// receiver exists or it ends, so that two commands started together (a double press on a
// hot-key pad) find one program between them, never none twice. Waits a bounded time for a
// process that holds it; leaving is safe when not held.
void enterStartGate(const std::string& folder);
void leaveStartGate();

// The running program's end: carries out what arrives on the control page.
class CCommandReceiver : public fw::Window {
public:
    bool Create(const std::string& folder, CControlDlg* page);

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    LRESULT OnCopyData(const COPYDATASTRUCT* data);

    CControlDlg* m_page = nullptr;  // not owned
};
