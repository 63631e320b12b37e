#pragma once
// A file read in one piece and replaced in one step, so that at every moment the file on disk
// is either all of its old content or all of its new content.
#include <string>

// The whole content of `path`; true with empty `bytes` when the file does not exist, false
// when it exists but cannot be read (locked by another program, no access).
bool readWholeFile(const std::string& path, std::string& bytes);

// Writes `bytes` to a temporary file beside `path`, flushes it to the disk and puts it in the
// place of `path`. On failure `path` is as it was and the temporary file is gone.
bool replaceWholeFile(const std::string& path, const std::string& bytes);
