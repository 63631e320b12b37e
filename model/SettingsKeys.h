#pragma once
// The records become the settings file's values and back, row by row of the settings table;
// where the values are read from and written to is left to a source and a sink (the settings
// file in memory, or the platform's profile functions).
#include <cstddef>
#include <string>
#include <vector>

#include "model/SettingsTable.h"

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
    // Deletes the first section of the name whole, as the profile writer does when given no key;
    // nothing when there is none.
    virtual void removeSection(const std::string& section) = 0;
};

// Every key of `rows`, as each row's load rule says (see SettingLoad); the sections of each
// repeated group are read after every other key, their elements appended to the group's list.
// Returns how many hex texts were of odd length (each read as empty).
int readRows(const SettingsSource& source, const std::vector<SettingRow>& rows, SettingsRecords& records);

// Every key of `rows` in their order, a group's sections in the place of its row. A row written
// only when not at its default is deleted when it holds it; so is such a group's count key while
// the group has no element.
void writeRows(SettingsSink& sink, const std::vector<SettingRow>& rows, const ConstSettingsRecords& records);

// Every row's key, as its load rule says (see SettingLoad); the stored items are appended to
// `captions`, read after every other key. Returns how many hex texts were of odd length (each
// read as empty).
// `lanes` gets lane 1's look first and one look a further lane the file holds. A caption, the
// watched file or a source on a lane the file does not hold is put on lane 1.
int readSettings(const SettingsSource& source, SettingsRecords records);

// Every row's key in the rows' order: SYSTEM, then ITEM0, ITEM1, ..., then FILE, then the strip
// options in SYSTEM again. A row written only when not at its default is deleted when it holds
// it, so a file with default values is the file the first release wrote.
void writeSettings(SettingsSink& sink, const ConstSettingsRecords& records);
