#pragma once
// Text on the glass band of the main window, readable there: drawn again as theme text with a
// glow over the control's own image. Attached to an existing control by subclassing while glass
// is on: the automatic-exit check box (its label right of the check mark) and the status line.
#include <windows.h>
#include <uxtheme.h>

#include "framework/Window.h"

// The theme-text options for the label: composited text with a glow of `glowSize`.
DTTOPTS glowLabelOptions(int glowSize);

class GlassLabel : public fw::Window {
public:
    // The label starts `labelLeft` pixels into the control; `withControlImage`: the control's
    // own image (a check box's mark) is drawn first.
    GlassLabel(int labelLeft, bool withControlImage) : m_labelLeft(labelLeft), m_withControlImage(withControlImage) {}

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void OnPaint();

    int m_labelLeft;
    bool m_withControlImage;
};

// The automatic-exit check box on glass: its own image, then its label right of the mark.
class COpaCheck : public GlassLabel {
public:
    static constexpr int kLabelLeft = 16;
    COpaCheck() : GlassLabel(kLabelLeft, true) {}
};
