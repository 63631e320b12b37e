#pragma once
// How the program's controller reports to the page that shows it.
#include "control/OperatorMessages.h"

class ControllerEvents : public OperatorMessages {
public:
    // The on-air state of the item at `position` changed; nothing else in its row did.
    virtual void rowChanged(int position) = 0;
    // Items were added, changed, removed or loaded, or many states changed at once: every row
    // is to be shown again.
    virtual void listChanged() = 0;
    // A caption that is no list item (the watched file's, the cut-in, the free text) went on or
    // off air or was renewed: the page reads them again from the controller.
    virtual void offListCaptionsChanged() {}
    // The strips were shown (表示ON, or a new look) or hidden (表示OFF).
    virtual void stripShownChanged(bool shown) { (void)shown; }
    // The program is to end, as when the operator closes the main window.
    virtual void closeRequested() = 0;

protected:
    ~ControllerEvents() = default;
};
