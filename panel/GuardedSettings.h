#pragma once
// The control page's settings file as the operator sees it, guarded: a file that exists but
// could not be read at start may hold a list that the page does not show, so it is not written
// over until it has been read again. Read again while the operator has changed nothing, it
// simply gives its list; only when both the file and the page's settings may hold the operator's
// work is the operator asked which to keep.
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
    // Tells the operator, once, that the file could not be read at start and will not be
    // written over: a message box, or a line on the standard output when `quiet` (no window to
    // own a box). Nothing when the file was read, or the operator has been told already.
    void reportUnreadable(const std::wstring& path, bool quiet, OperatorMessages& messages = messageBoxes());
    // While guarded and nothing has been saved (or tried to be) since the start: when the file
    // can be read now (without waiting for another program's hold), loads it into the records
    // (fresh ones: every key the file lacks keeps its default) and ends the guard; true then.
    // A file that is gone ends the guard with nothing to read.
    bool readAgain(const std::wstring& path, AppearanceSettings& appearance, CaptionList& captions,
                   FileInterfaceSettings& fileInterface);
    // Saves as saveSettingsAndReport does. While guarded, the file is tried first: still
    // unreadable, nothing is saved and the operator is told; readable, the operator is asked
    // whether the page's settings replace the file's (はい) or the file stays as it is (いいえ,
    // the default button; asked again at the next save); gone, the save goes ahead. True when
    // the file was saved.
    bool save(const std::wstring& path, const AppearanceSettings& appearance, const CaptionList& captions,
              const FileInterfaceSettings& fileInterface, OperatorMessages& messages = messageBoxes());
    bool guarded() const { return m_guarded; }

private:
    bool mayWrite(const std::wstring& path, OperatorMessages& messages);

    bool m_guarded = false;
    bool m_reportDue = false;
    bool m_changedWhileGuarded = false;  // a save was asked for: the page holds the operator's changes
};
