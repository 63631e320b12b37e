#pragma once
// What the program's controller asks of the strips of every lane, whatever windows they are.
#include "model/LaneLook.h"
#include "model/OverlayLook.h"

class StripControl {
public:
    // Makes lane 1's strips in that look and starts them; false when no strip could be made.
    virtual bool startStrips(const LaneLook& look) = 0;
    // A new last lane: its strips made and started in that look, and held by the show. Its
    // number, or 0 when kMaxLanes lanes exist or no strip could be made.
    virtual int addLane(const LaneLook& look) = 0;
    // Lane `number` (not 1) leaves the show, its strips destroyed; later lanes move down one.
    virtual bool removeLane(int number) = 0;
    // Lays lane `number`'s strips out again in that look (prepared with applyFontChoice).
    virtual void applyLook(int number, const LaneLook& look) = 0;
    // Destroys every lane's strips.
    virtual void stopStrips() = 0;
    // Lane `number`'s look as its strip on the primary monitor shows it, for an overlay page;
    // OverlayLook{} for a lane there is not.
    virtual OverlayLook overlayLook(int number) const = 0;

protected:
    ~StripControl() = default;
};
