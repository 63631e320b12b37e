#include "panel/SettingsSave.h"

#include "model/SettingsFile.h"

namespace {
const char kSaveFailed[] = "設定ファイルに保存できませんでした\n";
}  // namespace

bool saveSettingsAndReport(const std::string& path, const AppearanceSettings& appearance,
                           const CaptionList& captions, const FileInterfaceSettings& fileInterface,
                           OperatorMessages& messages) {
    std::string failedPath;
    if (saveSettingsFile(path, appearance, captions, fileInterface, &failedPath)) return true;
    messages.showMessage((kSaveFailed + failedPath).c_str(), MB_OK);
    return false;
}
