#pragma once
// Reads the start of a file into memory in one go, so that the file is open for as short a
// time as possible.
#include <cstddef>
#include <string>

namespace fw {

enum class FileBytesResult { Read, CouldNotOpen, ReadError };

// Reads up to maxBytes from the start of the file, then closes it. Others may read the file
// meanwhile, and delete or rename it where the system allows that for an open file (the handle
// keeps the version it opened), but not write it: a writer's open fails while the bytes are
// taken, so they are one whole version. A file already open for writing cannot be opened.
FileBytesResult ReadFileStart(const std::string& path, size_t maxBytes, std::string& bytes);

}  // namespace fw
