#pragma once
// The event stream of GET /api/events (Server-Sent Events): one event per change of the show,
// and once a second while anything is on air so that the time left counts down on the page;
// each is the whole state, so a client that missed one misses nothing.
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
bool anythingOnAir(const ShowSnapshot& snapshot);

// Whether the stream sends the state now: a newer version than the last sent, or a second
// since the last event while anything is on air.
bool eventDue(const ShowSnapshot& snapshot, unsigned long long lastVersion, unsigned long long sinceLastMs);
