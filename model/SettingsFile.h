#pragma once
// Kirunner.ini: the appearance, the caption list and the text-file interface in one INI-style
// file. Sections "SYSTEM", "ITEM0", "ITEM1", ... and "FILE"; numbers in decimal, caption texts
// hex-encoded.
#include <string>

#include "model/SettingsKeys.h"

// "<current directory>\Kirunner.ini".
std::string settingsFilePath();

// Reads the file at `path` in one piece and takes every key from it as the platform's profile
// reader would (see ProfileText, ProfileValues). A missing number leaves its field as it is and a missing PATH gives
// the empty path; the font's height, weight and italic are read only when a face name is stored
// (and default to 0). The stored items are appended to `captions`.
void loadSettingsFile(const std::string& path, AppearanceSettings& appearance, CaptionList& captions,
                      FileInterfaceSettings& fileInterface);

// Writes every key in the file's order, as the platform's profile writer would key by key, but
// composed in memory from the file on disk and stored in one step: the file is at every moment
// either the old one or the new one. Sections of items beyond the current count stay in the
// file; the load never reads them. When the file cannot be written (read-only, locked, disk
// full), the old file stays, the operator is told once and false comes back; the records are
// not changed either way.
bool saveSettingsFile(const std::string& path, const AppearanceSettings& appearance,
                      const CaptionList& captions, const FileInterfaceSettings& fileInterface);
