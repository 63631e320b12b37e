#pragma once
// Draws the automatic-exit check box on glass: the button's own image, then its label again
// as theme text with a glow so that it stays readable on the glass band. Attached to the
// existing check box by subclassing while glass is on.
#include <windows.h>
#include <uxtheme.h>

#include "framework/Window.h"

// The theme-text options for the label: composited text with a glow of `glowSize`.
DTTOPTS glowLabelOptions(int glowSize);

class COpaCheck : public fw::Window {
protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void OnPaint();
};
