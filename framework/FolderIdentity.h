#pragma once
// A folder as the file system knows it, whatever path leads there: a drive letter of its own,
// other letter case or a short name all give the same identity.
#include <string>

namespace fw {

// "SSSSSSSS-IIIIIIIIIIIIIIII": the volume serial number (8 upper-case hex digits), then the
// folder's file index, high part first (16 digits). False when the folder cannot be opened or
// the file system gives no identity for it.
bool FolderIdentity(const std::wstring& folder, std::string& identity);

}  // namespace fw
