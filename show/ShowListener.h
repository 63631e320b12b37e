#pragma once
// The one channel on which the show tells what changed, to any number of listeners (the page,
// the gateway of the remote and OSC feedback, the status line, the program's own rules such as
// automatic exit). Each change names its lane; listeners read what they show from the show.
#include "model/CaptionId.h"

struct ShowChange {
    enum class What {
        kState,         // anything a snapshot shows (rows, on air, time left aside, shown, sources)
        kCaptionEnded,  // `id`'s display time on `lane` is up; it has left the schedule
        kLaneRolledOut, // nothing is on air on `lane` and its last caption has left its strips
        kAllRolledOut,  // the same for every lane, once, when the last of them has rolled out
        kEntered,       // a caption entered `lane`'s strips (its entry in the snapshot); no row changed
    };
    What what = What::kState;
    int lane = 1;                      // from 1; 0: the change is no lane's (the list, sources)
    CaptionId id = caption_ids::kNone;
    // kState: the list position of the only item whose row changed; -1: any rows may have.
    int position = -1;
};

class ShowListener {
public:
    virtual void showChanged(const ShowChange& change) = 0;

protected:
    ~ShowListener() = default;
};
