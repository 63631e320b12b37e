#pragma once
// Commands from one Kirunner process to the copy that holds the command channel of its program
// folder. The holder keeps a message-only window whose class and title (the channel's name)
// name it; a new process finds it and hands each command over with WM_COPYDATA, answered at
// once with the command's result. One copy per folder holds the channel: the first normal
// start, never a batch run, and no later copy takes it over.
#include <windows.h>

#include <string>
#include <vector>

#include "framework/Window.h"
#include "model/CaptionCommand.h"

class CommandRunner;

// The channel's name for a program folder: the folder's identity on its volume, so that every
// path to the folder names one channel. When the file system gives none, "PATH-" and a hash
// of the folder's full path with its ASCII letters in upper case (its code page 932 bytes, as
// older versions hash it, or its UTF-8 bytes where that code page cannot hold it).
std::string channelName(const std::wstring& folder);

// True while a copy holds the channel.
bool channelHeld(const std::string& channel);

// The exit code after handing `commands` to the holder of `channel`, one by one until one
// fails; -1 when no copy holds it.
int handOverCommands(const std::string& channel, const std::vector<CaptionCommand>& commands);

// A process decides "hand over to the holder, or become it" inside this gate and leaves it as
// soon as its receiver exists or it has handed its commands over, so that two starts at the
// same moment (a double-click and a hot-key press) find one holder between them. Waits about
// two seconds for a process that holds it; false when that one did not let go, and then this
// process must not take the channel. Leaving is safe when not held.
bool enterStartGate(const std::string& channel);
void leaveStartGate();

// The holder's end: carries out what arrives through `runner` (the program's command funnel). Creating it leaves the start
// gate, whether it succeeds or not.
class CCommandReceiver : public fw::Window {
public:
    bool Create(const std::string& channel, CommandRunner* runner);

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    LRESULT OnCopyData(const COPYDATASTRUCT* data);

    CommandRunner* m_runner = nullptr;  // not owned
};
