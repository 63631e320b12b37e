#pragma once
// Timing changes of what feeds the strip (a save of the watched file, a change of a data source)
// to their caption's first pixels on it, shared by the latency probes.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// Whether the strip shows the caption colour (the default, white) anywhere.
bool TextShown(HWND strip);

// Makes `count` changes and times each: waits until the strip is empty and has rolled out (its
// width at `pixelsPerSecond`) and a random phase below `phaseMs`, calls `change(n)` (n from 1),
// and polls the strip every millisecond until the caption shows; then a -C through `channel`
// takes it off air. Prints "<word> n: ... ms" for each, or why it stopped, and ends with
// "<word>s N  median ... ms  worst ... ms". The latencies in milliseconds.
std::vector<double> TimeChangesToStrip(HWND strip, const std::string& channel, const char* word, int count,
                                       int pixelsPerSecond, DWORD phaseMs, DWORD timeoutMs,
                                       const std::function<bool(int)>& change);
