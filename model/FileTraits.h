#pragma once
// What a file carries besides its bytes and that a replacement file must carry on: the
// attributes an operator or an administrator sets (hidden, system, archive, not indexed) and
// the security descriptor (owner, group, access list).
#include <windows.h>

#include <string>
#include <vector>

struct FileTraits {
    DWORD attributes = 0;        // only the ones carried on; 0 when the file had none or is missing
    std::vector<BYTE> security;  // self-relative descriptor; empty when it could not be read
};

FileTraits traitsOf(const std::wstring& path);

// Gives `path` the traits. The attributes must take; a descriptor that the file system or the
// caller's rights do not let through is left out, as the file then has its folder's defaults.
bool applyTraits(const std::wstring& path, const FileTraits& traits);
