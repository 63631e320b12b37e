#pragma once
// Reads the start of a file into memory in one go, so that the file is open for as short a
// time as possible.
#include <cstddef>
#include <string>

namespace fw {

enum class FileBytesResult { Read, Missing, CouldNotOpen, ReadError, NoMemory };

// What others may do with the file while it is open here. Either way they may read it, and
// delete or rename it where the system allows that for an open file (the handle keeps the
// version it opened).
enum class FileSharing {
    // No writing: a writer's open fails while the bytes are taken, so they are one whole
    // version. A file already open for writing cannot be opened.
    NoWriters,
    // Writing too: a file that another program holds open for writing can still be read.
    Writers,
};

// Reads up to maxBytes from the start of the file, then closes it. Bytes added after the file
// was opened are not read; a file with no size (a pipe or a device) is read until it ends.
// Missing when the file does not exist, CouldNotOpen when it exists but cannot be opened,
// ReadError when a read fails, NoMemory when the bytes do not fit in memory; `bytes` is empty
// then.
FileBytesResult ReadFileStart(const std::wstring& path, FileSharing sharing, size_t maxBytes, std::string& bytes);

// `path` made absolute (as it stands when that fails), as messages and names of a file use it.
std::wstring FullPathOf(const std::wstring& path);

}  // namespace fw
