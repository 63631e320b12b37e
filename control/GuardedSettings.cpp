#include "control/GuardedSettings.h"

#include <cstdio>
#include <utility>

#include "model/SettingsFile.h"
#include "model/WholeFile.h"
#include "control/SettingsSave.h"

namespace {
const char kUnreadableAtStart[] = "設定ファイルを読み込めませんでした。リストを守るため、読み込めるまで設定ファイルには保存しません\n";
const char kStillUnreadable[] = "設定ファイルを読み込めないため、保存しませんでした\n";
const char kOddHexText[] = "受信データの文字数が奇数です\n";
const char kReadableAgain[] = "設定ファイルを読み込めるようになりました。画面の内容で上書きしますか？（いいえ：設定ファイルはそのまま）\n";
}  // namespace

void GuardedSettings::load(const std::wstring& path, SettingsRecords records) {
    int oddHexTexts = 0;
    m_guarded = loadSettingsFile(path, records, &oddHexTexts) == SettingsLoad::Unreadable;
    m_reportDue = m_guarded;
    m_held = m_guarded;
    m_changed = 0;
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

void GuardedSettings::changed(unsigned parts) {
    if (m_guarded) m_changed |= parts;
}

bool GuardedSettings::readAgain(const std::wstring& path, StoredSettings& page, OperatorMessages* ask) {
    if (!m_guarded) return false;
    if (!ask) {
        // One try, no waiting: this runs on the page's thread, every second while the file is held.
        std::string bytes;
        m_held = readWholeFilePatiently(path, bytes, 0, 0) == FileRead::Unreadable;
        if (m_held) return false;
    }
    StoredSettings file;
    int oddHexTexts = 0;
    const SettingsLoad read = loadSettingsFile(path, recordsOf(file), &oddHexTexts);
    m_held = read == SettingsLoad::Unreadable;
    if (m_held) return false;
    if (read == SettingsLoad::NoFile) {
        endGuard();  // no list there to lose: the page's settings are the ones to save
        return true;
    }
    // The start could not read the file, so its list was empty: a list on the page is the
    // operator's own work, and the file's is one the operator has never seen.
    const bool pagesList = (m_changed & settings_parts::kList) != 0 && page.captions.count() > 0;
    if (pagesList && file.captions.count() > 0 && !sameCaptions(page.captions, file.captions)) {
        // A hurried Enter keeps the file.
        if (!ask || ask->showMessage((kReadableAgain + settingsPathInMessages(path)).c_str(),
                                     MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES)
            return false;
    }
    if (pagesList) file.captions = page.captions;
    takeChangedParts(m_changed, page, file);
    page = std::move(file);
    endGuard();
    for (int i = 0; i < oddHexTexts; ++i) std::printf("%s", kOddHexText);
    return true;
}

void GuardedSettings::endGuard() {
    m_guarded = false;
    m_held = false;
    m_changed = 0;
}

bool GuardedSettings::save(const std::wstring& path, const ConstSettingsRecords& records,
                           OperatorMessages& messages) {
    if (m_guarded) {
        // Readable but kept (the operator chose the file, or there was no one to ask): nothing to tell.
        if (m_held)
            messages.showMessage((kStillUnreadable + settingsPathInMessages(path)).c_str(), MB_OK | MB_ICONWARNING);
        return false;
    }
    return saveSettingsAndReport(path, records, messages);
}
