#pragma once
// The control page's settings file as the operator sees it, guarded: a file that exists but
// could not be read at start may hold a list that the page does not show, so it is not written
// over until it has been read again and the operator has chosen to replace it.
#include <string>

#include "model/AppearanceSettings.h"
#include "model/CaptionList.h"
#include "model/FileInterfaceSettings.h"
#include "panel/OperatorMessages.h"

class GuardedSettings {
public:
    // Loads the file at `path`; when it exists but cannot be read, the file is guarded from
    // now on and the operator is to be told (reportUnreadable).
    void load(const std::wstring& path, AppearanceSettings& appearance, CaptionList& captions,
              FileInterfaceSettings& fileInterface);
    // Tells the operator that the file could not be read and will not be written over: a
    // message box, or a line on the standard output when `quiet` (no window to own a box).
    void reportUnreadable(const std::wstring& path, bool quiet, OperatorMessages& messages = messageBoxes()) const;
    // Saves as saveSettingsAndReport does. While guarded, the file is tried first: still
    // unreadable, nothing is saved and the operator is told; readable, the operator is asked
    // whether the page's settings replace the file's (はい) or the file stays as it is (いいえ,
    // asked again at the next save); gone, the save goes ahead. True when the file was saved.
    bool save(const std::wstring& path, const AppearanceSettings& appearance, const CaptionList& captions,
              const FileInterfaceSettings& fileInterface, OperatorMessages& messages = messageBoxes());
    bool guarded() const { return m_guarded; }

private:
    bool mayWrite(const std::wstring& path, OperatorMessages& messages);

    bool m_guarded = false;
};
