#pragma once
// The caption list's key handling that the dialog manager would otherwise take: Enter on the
// list goes to the list (which tells its page with NM_RETURN) instead of being the main
// window's default button.
#include <windows.h>

#include "framework/Window.h"

class CaptionListKeys : public fw::Window {
public:
    bool attach(HWND list) { return SubclassWindow(list); }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
};
