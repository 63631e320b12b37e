#pragma once
// Where texts the operator must read go: a message box on the page, or whatever a caller
// without a window puts in its place.
#include <windows.h>

class OperatorMessages {
public:
    // Shows `text` with the buttons and icon of `type`; returns the button chosen (IDOK, IDYES...).
    virtual int showMessage(const char* text, UINT type) = 0;

protected:
    ~OperatorMessages() = default;
};

// Modal message boxes of the program, owned by its main window.
OperatorMessages& messageBoxes();
// Messages nobody sees, each answered at once with its safest button (No, else Cancel, else
// OK): for a command from outside, which must neither open a box at the PC nor wait on one.
OperatorMessages& noMessages();
