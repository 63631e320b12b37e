#pragma once
// The program's private window messages, each with a number of its own: a message posted to a
// window of the program must never be taken for another one's.
#include <windows.h>

namespace fw::messages {
// To the program's queue window: tasks wait to be run.
constexpr UINT kQueueRun = WM_APP + 1;
}  // namespace fw::messages
