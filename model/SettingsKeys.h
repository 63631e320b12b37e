#pragma once
// Which keys the settings file holds, in which sections and in which order, and how the
// records become values and back; where the values are read from and written to is left to
// a source and a sink (the settings file in memory, or the platform's profile functions).
#include <cstddef>
#include <string>

#include "model/AppearanceSettings.h"
#include "model/CaptionList.h"
#include "model/FileInterfaceSettings.h"

// A damaged or hand-edited item count loads no more than this many items.
const int kMaxLoadedItems = CaptionList::kMaxItems;

class SettingsSource {
public:
    virtual ~SettingsSource() = default;
    // The key's value as a number, or `defaultValue` when the key is missing.
    virtual int readInt(const std::string& section, const char* key, int defaultValue) const = 0;
    // The key's value cut to at most `maxBytes` between characters; empty when missing.
    virtual std::string readString(const std::string& section, const char* key, size_t maxBytes) const = 0;
};

class SettingsSink {
public:
    virtual ~SettingsSink() = default;
    virtual void put(const std::string& section, const char* key, const std::string& value) = 0;
    // Deletes the key, as the profile writer does when given no value; nothing when it is missing.
    virtual void remove(const std::string& section, const char* key) = 0;
};

// A missing number leaves its field as it is and a missing PATH gives the empty path; the
// font's height, weight and italic are read only when a face name is stored (and default
// to 0). The stored items are appended to `captions`.
void readSettings(const SettingsSource& source, AppearanceSettings& appearance, CaptionList& captions,
                  FileInterfaceSettings& fileInterface);

// Every key in the file's order: SYSTEM, then ITEM0, ITEM1, ..., then FILE. Keys added after
// the first release (MONITOR, then the strip options) come last in SYSTEM, written only when
// they differ from their default and deleted when they hold it, so a file with default values
// is the file the first release wrote.
void writeSettings(SettingsSink& sink, const AppearanceSettings& appearance, const CaptionList& captions,
                   const FileInterfaceSettings& fileInterface);
