#pragma once
// Kirunner.ini: the lanes' looks, the caption list and the text-file interface in one INI-style
// file. Sections "SYSTEM" (lane 1's look among the rest), "ITEM0", "ITEM1", ..., "FILE",
// "SOURCE0", ... and "LANE2" to "LANE4"; numbers in decimal, caption texts hex-encoded.
#include <string>

#include "model/SettingsKeys.h"

// "<current directory>\Kirunner.ini".
std::wstring settingsFilePath();

// NoFile: there is none yet, the defaults apply. Unreadable: there is one, but another program
// holds it locked or it may not be read; the defaults apply too, and writing over that file
// would lose the list it holds.
enum class SettingsLoad { Loaded, NoFile, Unreadable };

// Reads the file at `path` in one piece and takes every key from it as the platform's profile
// reader would (see ProfileText, ProfileValues). A missing number leaves its field as it is and a missing PATH gives
// the empty path; the font's height, weight and italic are read only when a face name is stored
// (and default to 0). The stored items are appended to `captions`. A file held by another
// program is waited for up to a second. Temporary files that earlier saves left beside it
// (the writer was killed) are removed first. *oddHexTexts (when given) counts the hex texts of
// odd length, each read as empty.
SettingsLoad loadSettingsFile(const std::wstring& path, SettingsRecords records, int* oddHexTexts = nullptr);

// Writes every key in the file's order, as the platform's profile writer would key by key, but
// composed in memory from the file on disk and stored in one step: the file is at every moment
// either the old one or the new one. Sections of items beyond the current count stay in the
// file; the load never reads them. When the file cannot be written (read-only, locked, disk
// full), the old file stays and false comes back, with the file's full path in `failedPath`
// when one is given; the records are not changed either way. A successful save removes the
// temporary files that killed writers left beside the file. A file that is a symbolic link
// stays one: the file it points to is written.
bool saveSettingsFile(const std::wstring& path, const ConstSettingsRecords& records,
                      std::wstring* failedPath = nullptr);
