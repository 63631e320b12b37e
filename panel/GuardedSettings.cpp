#include "panel/GuardedSettings.h"

#include <cstdio>

#include "model/SettingsFile.h"
#include "panel/SettingsSave.h"

namespace {
const char kUnreadableAtStart[] = "設定ファイルを読み込めませんでした。リストを守るため、読み込めるまで設定ファイルには保存しません\n";
const char kStillUnreadable[] = "設定ファイルを読み込めないため、保存しませんでした\n";
const char kOddHexText[] = "受信データの文字数が奇数です\n";
const char kReadableAgain[] = "設定ファイルを読み込めるようになりました。画面の内容で上書きしますか？（いいえ：設定ファイルはそのまま）\n";
}  // namespace

void GuardedSettings::load(const std::wstring& path, AppearanceSettings& appearance, CaptionList& captions,
                           FileInterfaceSettings& fileInterface) {
    int oddHexTexts = 0;
    m_guarded = loadSettingsFile(path, appearance, captions, fileInterface, &oddHexTexts) == SettingsLoad::Unreadable;
    for (int i = 0; i < oddHexTexts; ++i) std::printf("%s", kOddHexText);
}

void GuardedSettings::reportUnreadable(const std::wstring& path, bool quiet, OperatorMessages& messages) const {
    const std::string message = kUnreadableAtStart + settingsPathInMessages(path);
    if (quiet)
        std::printf("%s\n", message.c_str());
    else
        messages.showMessage(message.c_str(), MB_OK | MB_ICONWARNING);
}

bool GuardedSettings::mayWrite(const std::wstring& path, OperatorMessages& messages) {
    switch (probeSettingsFile(path)) {
    case SettingsLoad::Unreadable:
        messages.showMessage((kStillUnreadable + settingsPathInMessages(path)).c_str(), MB_OK | MB_ICONWARNING);
        return false;
    case SettingsLoad::Loaded:
        if (messages.showMessage((kReadableAgain + settingsPathInMessages(path)).c_str(), MB_YESNO | MB_ICONQUESTION) != IDYES)
            return false;
        break;
    case SettingsLoad::NoFile: break;  // no list there to lose
    }
    m_guarded = false;
    return true;
}

bool GuardedSettings::save(const std::wstring& path, const AppearanceSettings& appearance,
                           const CaptionList& captions, const FileInterfaceSettings& fileInterface,
                           OperatorMessages& messages) {
    if (m_guarded && !mayWrite(path, messages)) return false;
    return saveSettingsAndReport(path, appearance, captions, fileInterface, messages);
}
