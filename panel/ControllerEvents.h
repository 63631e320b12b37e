#pragma once
// How the program's controller reports to the page that shows it.
#include <string>

#include "panel/OperatorMessages.h"

class ControllerEvents : public OperatorMessages {
public:
    // The on-air state of the item at `position` changed; nothing else in its row did.
    virtual void rowChanged(int position) = 0;
    // Items were added, changed, removed or loaded, or many states changed at once: every row
    // is to be shown again.
    virtual void listChanged() = 0;
    // The watched file's caption went on air or was renewed with `text`, or went off air (null).
    virtual void fileCaptionChanged(const std::wstring* text) { (void)text; }
    // The strips were shown (表示ON, or a new look) or hidden (表示OFF).
    virtual void stripShownChanged(bool shown) { (void)shown; }
    // The program is to end, as when the operator closes the main window.
    virtual void closeRequested() = 0;

protected:
    ~ControllerEvents() = default;
};
