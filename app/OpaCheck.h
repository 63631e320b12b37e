#pragma once
// Draws the automatic-exit check box on glass: the button's own image, then its label again
// as theme text with a glow so that it stays readable on the glass band. Attached to the
// existing check box by subclassing while glass is on.
#include "framework/Window.h"

class COpaCheck : public fw::Window {
protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void OnPaint();
};
