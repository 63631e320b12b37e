#pragma once
// How a caption window reports to the set of strips that owns it.
#include <windows.h>

class CKirunWin;

class StripOwner {
public:
    // Timer 101 or 102 of the strip that keeps the lane's clock.
    virtual void onStripTimer(CKirunWin& strip, UINT_PTR id) = 0;
    // The strip was placed and sized anew on its own (its monitor's resolution or the desktop's
    // composition changed): its pictures are blank.
    virtual void onStripLaidOut(CKirunWin& strip) = 0;
    // The display changed: a resolution, a monitor plugged in or out.
    virtual void onDisplayChanged() = 0;

protected:
    ~StripOwner() = default;
};
