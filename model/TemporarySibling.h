#pragma once
// Temporary files beside a file that is replaced in one step: each writer takes a name of its
// own, "<file>.<process id>-<counter>.tmp", so that two writers never share one, and leftovers of
// writers that died are recognised by that pattern (or by the older fixed "<file>.tmp").
#include <windows.h>

#include <string>

#include "framework/UniqueHandle.h"

// A new temporary file beside `path`, opened for writing by this handle alone; its name goes
// into `temporary`. Empty when none could be made, with the system's error in `error`:
// ERROR_ACCESS_DENIED when the folder lets no file be made in it (a name taken by a folder or
// by a file being deleted only moves on to the next name).
fw::FileHandle createTemporarySibling(const std::wstring& path, std::wstring& temporary, DWORD& error);

// Whether `name` (a bare file name) is one of the temporary names of the file named
// `baseName`; `ownerId` receives the process id in the name (0 for the older fixed name).
bool isTemporarySiblingName(const std::wstring& name, const std::wstring& baseName, unsigned long long& ownerId);

// Deletes the temporary files beside `path` that no running writer holds: those of processes
// that have ended and the older fixed name, read-only or hidden ones too. Files of this process
// and of other running processes stay.
void removeLeftoverTemporaryFiles(const std::wstring& path);
