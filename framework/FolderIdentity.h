#pragma once
// A folder as the file system knows it, whatever path leads there: another drive letter, other
// letter case, a short name or a mapped drive all give the same identity.
#include <string>

namespace fw {

// "SSSSSSSS-IIIIIIIIIIIIIIII": the volume serial number (8 upper-case hex digits), then the
// folder's file index, high part first (16 digits). False when the folder cannot be opened or
// the file system gives no information for it.
bool FolderIdentity(const std::string& folder, std::string& identity);

}  // namespace fw
