#include "control/SettingsSave.h"

#include "framework/FileBytes.h"
#include "framework/Mbcs.h"
#include "model/SettingsFile.h"

namespace {
const char kSaveFailed[] = "設定ファイルに保存できませんでした\n";
}  // namespace

std::string settingsPathInMessages(const std::wstring& path) {
    return fw::CodePage932FromWide(fw::FullPathOf(path));
}

bool saveSettingsAndReport(const std::wstring& path, const ConstSettingsRecords& records,
                           OperatorMessages& messages) {
    std::wstring failedPath;
    if (saveSettingsFile(path, records, &failedPath)) return true;
    messages.showMessage((kSaveFailed + fw::CodePage932FromWide(failedPath)).c_str(), MB_OK);
    return false;
}
