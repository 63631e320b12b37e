#pragma once
// The event stream of GET /api/events (Server-Sent Events): one event per new version of the
// show, which comes with every change, the time left of a caption on air included (once a
// second); each is the whole state, so a client that missed one misses nothing. Nothing else is
// sent but a comment now and then.
//   event: state
//   id: <version>
//   data: <the state document on one line>
#include <string>

#include "show/ShowSnapshot.h"

// How long a client waits before it connects again after the stream is cut.
constexpr unsigned kStreamRetryMs = 2000;
// A comment line is sent after this long without an event, so that a gone client is noticed.
constexpr unsigned long long kStreamKeepAliveMs = 15000;
// Events come at most this often: changes closer together go out as one (each event is the
// whole state, so nothing is lost), which spares a phone on a slow network a burst.
constexpr unsigned long long kStreamMinGapMs = 100;

std::string streamPreamble();
std::string stateEvent(const ShowSnapshot& snapshot);
// An overlay's stream (GET /api/overlay) sends its lane's document (surfaces/OverlayJson.h)
// at once and again each time it changes, apart from its version; not paced, so that a caption
// that enters the lane reaches the overlay as it enters the strips:
//   event: overlay
//   id: <version>
//   data: <the overlay document on one line>
std::string overlayEvent(unsigned long long version, const std::string& document);
