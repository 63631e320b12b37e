#pragma once
// The caption list's key handling that the dialog manager would otherwise take: Enter on the
// list goes to the list (which tells its page with NM_RETURN) instead of being the main
// window's default button.
#include <windows.h>

#include "framework/Window.h"

class CaptionListKeys : public fw::Window {
public:
    bool attach(HWND list) { return SubclassWindow(list); }

    // The handling lifted for a burst of messages to the list (filling its rows) and put back
    // after it. Every message to a subclassed control passes the subclass, which keeps its
    // state in a window property; under Wine each look at a property is a round trip to the
    // server, so four messages a row made 60,000 rows take tens of seconds. No key arrives
    // while the page fills the list.
    class Lifted {
    public:
        explicit Lifted(CaptionListKeys& keys) : m_keys(keys), m_list(keys.UnsubclassWindow()) {}
        ~Lifted() {
            if (m_list) m_keys.attach(m_list);
        }
        Lifted(const Lifted&) = delete;
        Lifted& operator=(const Lifted&) = delete;

    private:
        CaptionListKeys& m_keys;
        HWND m_list;
    };

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
};
