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

bool saveSettingsAndReport(const std::wstring& path, const std::vector<LaneLook>& lanes,
                           const CaptionList& captions, const FileInterfaceSettings& fileInterface,
                           OperatorMessages& messages) {
    std::wstring failedPath;
    if (saveSettingsFile(path, lanes, captions, fileInterface, &failedPath)) return true;
    messages.showMessage((kSaveFailed + fw::CodePage932FromWide(failedPath)).c_str(), MB_OK);
    return false;
}
