#pragma once
// A CSV file of captions read for the list's import: refused by its size before any of it is
// read, and refused, not thrown, when it does not fit in memory.
#include <cstddef>
#include <string>

#include "model/CaptionCsv.h"

// The largest file the import reads. A list of 60000 captions of 1000 half-width characters
// takes some 60 MB; the bytes, their text and the rows of a file this size still fit in the
// memory of the 32-bit program. (A full list of the longest Japanese captions, some 90 MB, is
// larger: it is written, but refused here.)
constexpr size_t kMaxCaptionCsvBytes = 64u * 1024 * 1024;

enum class CaptionCsvFileRead { Read, Unreadable, TooLarge, NoMemory };

// The captions of the CSV file at `path` (captionsFromCsv) in `read`. TooLarge when the file is
// larger than maxBytes (told by its size before it is read), Unreadable when it cannot be read,
// NoMemory when its bytes, their text or its rows do not fit in memory; `read` holds nothing
// then.
CaptionCsvFileRead readCaptionCsvFile(const std::wstring& path, size_t maxBytes, CaptionCsvImport& read);
