#pragma once
// What a lane's strips read of the lane, which alone keeps it: the caption on the strips, how
// far it has entered, and the captions that passed before it, still on the strips. A strip that
// joins the lane (a monitor plugged in, a strip laid out on its own) draws itself from these.
#include <string>

#include "show/PassedCaptions.h"

class LaneView {
public:
    // The caption entering the strips; the empty text for the blank one.
    virtual const std::wstring& currentText() const = 0;
    // It came right after another caption (drawn with the separator before it).
    virtual bool currentFollows() const = 0;
    // Its width, and the columns of it that have entered, in lane columns.
    virtual int captionWidth() const = 0;
    virtual int position() const = 0;
    virtual const PassedCaptions& passed() const = 0;

protected:
    ~LaneView() = default;
};
