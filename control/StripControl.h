#pragma once
// What the program's controller asks of the strips as a whole, whatever windows they are.
#include "model/LaneLook.h"

class StripControl {
public:
    // Makes the strips in that appearance and starts them; false when no strip could be made.
    virtual bool startStrips(const LaneLook& appearance) = 0;
    // Lays every strip out again in that appearance (prepared with applyFontChoice); a strip
    // hidden with showStrips(false) is shown.
    virtual void applyAppearance(const LaneLook& appearance) = 0;
    virtual void showStrips(bool shown) = 0;
    virtual bool stripsShown() const = 0;
    // Destroys every strip.
    virtual void stopStrips() = 0;

protected:
    ~StripControl() = default;
};
