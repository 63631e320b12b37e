#pragma once
// A file read in one piece and replaced in one step, so that at every moment the file on disk
// is either all of its old content or all of its new content.
#include <windows.h>

#include <string>

enum class FileRead { Read, Missing, Unreadable };

// The whole content of `path`: Missing with empty `bytes` when the file does not exist,
// Unreadable when it exists but cannot be read (locked by another program, no access). Such a
// file is tried again every `stepMs` until `patienceMs` have passed: another program may hold
// it only for a moment.
FileRead readWholeFilePatiently(const std::wstring& path, std::string& bytes, DWORD patienceMs, DWORD stepMs);

// Writes `bytes` to a temporary file of its own beside `path`, flushes it to the disk and puts
// it in the place of `path`; the new file keeps the old one's attributes and security. While
// another program holds `path` open, the rename is tried again for a moment. The bytes are
// written into the existing file through one handle instead (then only a kill in the middle of
// that write can leave a mixed file) when the rename still cannot be done, when the rename is
// denied, and when the folder lets no temporary file be made but `path` may be written (a
// locked-down folder); a denial is not tried again. On failure `path` is as it was and the
// temporary file is gone.
bool replaceWholeFile(const std::wstring& path, const std::string& bytes);
