#pragma once
// The show's times as the page and the remote show them.

// Tenths of a second left for `msLeft` milliseconds, rounded up; 0 once the time is up.
inline int tenthsOf(long long msLeft) {
    if (msLeft <= 0) return 0;
    return static_cast<int>((msLeft + 99) / 100);
}
