#pragma once
// How a command surface (the command channel, OSC, the HTTP API) reaches the show. Every call
// may come from any thread: commands are carried out on the program's thread, one after the
// other, and the surface never touches the show itself. A flood from outside is bounded here:
// commands are rate-limited and coalesced before they reach the program's thread.
#include <windows.h>

#include <memory>

#include "model/CaptionCommand.h"
#include "show/ShowSnapshot.h"

class ShowAccess {
public:
    // What a command achieved, and the show as it was right after it.
    struct Outcome {
        CommandResult result = CommandResult::kRefused;
        bool carriedOut = false;  // false: not done within the wait, or refused by the flood limit
        bool refused = false;     // refused at once: too many commands wait
        std::shared_ptr<const ShowSnapshot> snapshot;
    };

    // Carries the command out and waits for it, at most `timeoutMs`.
    virtual Outcome run(const CaptionCommand& command, DWORD timeoutMs) = 0;
    // Hands the command over without waiting for it; a later command of the same effect may
    // take its place before it is carried out.
    virtual void post(const CaptionCommand& command) = 0;
    // The show as last published (never null).
    virtual std::shared_ptr<const ShowSnapshot> snapshot() const = 0;
    // Waits until a snapshot with a version above `version` is published, at most `timeoutMs`;
    // the latest snapshot either way.
    virtual std::shared_ptr<const ShowSnapshot> waitNewer(unsigned long long version, DWORD timeoutMs) = 0;

protected:
    ~ShowAccess() = default;
};
