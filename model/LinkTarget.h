#pragma once
// The file that a path finally names. A settings file that is a symbolic link is replaced where
// the link points, so that it stays a link: a rename over the link itself would put a file of
// its own in the link's place and leave the file it pointed to behind, unchanged.
#include <string>

// The full path of the file `path` names when `path` is itself a symbolic link (or a chain of
// them); `path` as it is when it is no link, does not exist or cannot be resolved. A folder on
// the way that is a link or a junction does not count: a file renamed into either of its
// paths lands in the same folder.
std::wstring linkTargetOf(const std::wstring& path);
