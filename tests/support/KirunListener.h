#pragma once
// How a test hears of the end of captions by index, as caption windows once reported them. Each interface
// has one operation whose default does nothing, so an owner overrides only what it needs.

class CKirunListener {
public:
    // One caption's display time is up; `index` is the caption's list position, or for a caption
    // that is no list item its index of old (60000 the watched file's, 60001 a free text, 60002
    // the cut-in). Called once the caption has left the schedule.
    virtual void onKirunEnd(int /*index*/) {}
};

class CKirunEndListener {
public:
    // Nothing is on air and the last caption has left every strip; scrolling has stopped.
    virtual void onAllRollEnd() {}
};
