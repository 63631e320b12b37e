#pragma once
// How the caption window talks back to its owner. Each interface has one operation whose
// default does nothing, so an owner overrides only what it needs.

class CKirunListener {
public:
    // One caption's display time is up; `index` is the key it was put on air with. Called just
    // before the caption leaves the run list; the run list must not be changed from within.
    virtual void onKirunEnd(int /*index*/) {}
};

class CKirunEndListener {
public:
    // The run list is empty and the last caption has left the strip; scrolling has stopped.
    virtual void onAllRollEnd() {}
};

class CKirunWinOwner {
public:
    // The caption window is gone (its object is about to delete itself): forget the pointer.
    virtual void onKirunWinGone() {}
};
