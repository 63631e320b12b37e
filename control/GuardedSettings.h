#pragma once
// The control page's settings file as the operator sees it, guarded: a file that exists but
// could not be read at start may hold a list that the page does not show, so it is not written
// over until it has been read again. Read again, it gives every part of the settings that the
// operator has not changed since the start, and the page keeps the parts the operator did
// change; only a list that both the page and the file hold, each its own, makes the operator
// choose which to keep.
#include <string>
#include <vector>

#include "model/LaneLook.h"
#include "model/CaptionList.h"
#include "model/FileInterfaceSettings.h"
#include "model/SettingsParts.h"
#include "control/OperatorMessages.h"

class GuardedSettings {
public:
    // Loads the file at `path`; when it exists but cannot be read, the file is guarded from
    // now on and the operator is to be told (reportUnreadable).
    void load(const std::wstring& path, SettingsRecords records);
    // Tells the operator, once, that the file could not be read at start and will not be
    // written over: a message box, or a line on the standard output when `quiet` (no window to
    // own a box). Nothing when the file was read, or the operator has been told already.
    void reportUnreadable(const std::wstring& path, bool quiet, OperatorMessages& messages = messageBoxes());
    // The operator changed these parts (settings_parts) of the page's settings; noted while guarded.
    void changed(unsigned parts);
    // While guarded, the parts changed since the start.
    unsigned changedParts() const { return m_changed; }
    // While guarded: when the file can be read now, `page` takes from it every part that the
    // operator has not changed, and the guard ends; true then. The list is the file's unless the
    // operator changed it and the page holds one: then the page's, where the file holds none or
    // the same. Where each holds a list of its own, `ask` is asked whether the page's replaces
    // the file's (はい) or the file stays as it is (いいえ, the default button: nothing is taken
    // and the file stays guarded); with no one to ask (null), nothing is taken. A file that is
    // gone ends the guard with nothing to take. Without `ask` (the page's once-a-second look, a
    // command from outside) the file is tried once, without waiting for another program's hold;
    // the operator's own save waits a moment for it, as the start does.
    bool readAgain(const std::wstring& path, StoredSettings& page, OperatorMessages* ask);
    // Saves as saveSettingsAndReport does. While guarded nothing is saved, and `messages` is told
    // when the last look could not read the file (the caller reads it again first, with
    // readAgain, where it can take what the file gives). True when the file was saved.
    bool save(const std::wstring& path, const ConstSettingsRecords& records,
              OperatorMessages& messages = messageBoxes());
    bool guarded() const { return m_guarded; }

private:
    void endGuard();

    bool m_guarded = false;
    bool m_reportDue = false;
    bool m_held = false;     // while guarded: the last look could not read the file
    unsigned m_changed = 0;  // settings_parts the operator changed while guarded
};
