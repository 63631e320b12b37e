#pragma once
// The settings file's keys read and written one by one through the platform's private-profile
// functions, as the program did before it composed the file in memory, each key written out
// here rather than taken from the program's settings table: the reference for the
// equivalence tests and the "before" figures of the settings benchmark.
#include <string>
#include <vector>

#include "model/SettingsParts.h"

namespace oracle {

// Lane 1 only: SYSTEM.
using Settings = StoredSettings;

// Every key through GetPrivateProfileIntA / GetPrivateProfileStringA; items appended. An exact
// text counts while the code page 932 text beside it is its own; how the binding in UTEXTS
// places exact texts after an older version changed the list is not spelled out here.
void LoadSettings(const std::string& path, Settings& settings);

// Every key through WritePrivateProfileStringA, in the file's order; false at the first
// write that fails.
bool WriteSettings(const std::string& path, const Settings& settings);

// A version that knows only the code page 932 texts: it reads STRINGS and PATH alone (a caption
// code page 932 cannot hold comes as that code page's form of it), and it writes every key but
// the exact texts and their binding, leaving those as they stand.
void LoadSettingsAsCodePage932Version(const std::string& path, Settings& settings);
bool WriteSettingsAsCodePage932Version(const std::string& path, const Settings& settings);

}  // namespace oracle
