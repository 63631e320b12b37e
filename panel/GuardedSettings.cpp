#include "panel/GuardedSettings.h"

#include <cstdio>

#include "model/SettingsFile.h"
#include "model/WholeFile.h"
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
    m_reportDue = m_guarded;
    for (int i = 0; i < oddHexTexts; ++i) std::printf("%s", kOddHexText);
}

void GuardedSettings::reportUnreadable(const std::wstring& path, bool quiet, OperatorMessages& messages) {
    if (!m_reportDue) return;
    m_reportDue = false;
    const std::string message = kUnreadableAtStart + settingsPathInMessages(path);
    if (quiet)
        std::printf("%s\n", message.c_str());
    else
        messages.showMessage(message.c_str(), MB_OK | MB_ICONWARNING);
}

bool GuardedSettings::readAgain(const std::wstring& path, AppearanceSettings& appearance, CaptionList& captions,
                                FileInterfaceSettings& fileInterface) {
    if (!m_guarded || m_changedWhileGuarded) return false;
    // One try, no waiting: this runs every second on the page's thread while the file is held.
    std::string bytes;
    const FileRead now = readWholeFilePatiently(path, bytes, 0, 0);
    if (now == FileRead::Unreadable) return false;
    int oddHexTexts = 0;
    const SettingsLoad read = now == FileRead::Missing
                                  ? SettingsLoad::NoFile
                                  : loadSettingsFile(path, appearance, captions, fileInterface, &oddHexTexts);
    if (read == SettingsLoad::Unreadable) return false;  // held again in between
    m_guarded = false;
    for (int i = 0; i < oddHexTexts; ++i) std::printf("%s", kOddHexText);
    return read == SettingsLoad::Loaded;
}

bool GuardedSettings::mayWrite(const std::wstring& path, OperatorMessages& messages) {
    switch (probeSettingsFile(path)) {
    case SettingsLoad::Unreadable:
        messages.showMessage((kStillUnreadable + settingsPathInMessages(path)).c_str(), MB_OK | MB_ICONWARNING);
        return false;
    case SettingsLoad::Loaded:
        // A hurried Enter keeps the file: it holds a list that was never shown.
        if (messages.showMessage((kReadableAgain + settingsPathInMessages(path)).c_str(),
                                 MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES)
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
    if (m_guarded) m_changedWhileGuarded = true;
    if (m_guarded && !mayWrite(path, messages)) return false;
    return saveSettingsAndReport(path, appearance, captions, fileInterface, messages);
}
