#pragma once
// Saving the settings file as the operator sees it: a file that cannot be written is named in
// a message.
#include <string>
#include <vector>

#include "model/SettingsTable.h"
#include "control/OperatorMessages.h"

// Saves; on failure tells `messages` "設定ファイルに保存できませんでした" with the file's full path and
// returns false.
bool saveSettingsAndReport(const std::wstring& path, const ConstSettingsRecords& records,
                           OperatorMessages& messages = messageBoxes());

// The settings file's full path as messages name it (in code page 932, like every message).
std::string settingsPathInMessages(const std::wstring& path);
