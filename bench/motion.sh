#!/usr/bin/env bash
# The motion figure: bench/MotionBench.exe on a screen with a compositing manager, in a prefix
# that reports Windows 10 (so the smooth look shows per-pixel alpha under Wine), at every speed.
# Usage: motion.sh BUILD [SECONDS-PER-RUN]    (default 30)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "$1" && pwd)"
exec bash "$root/tests/support/composited-screen.sh" "$build/wine-run" "$build/wineprefix-composited" \
  "$build/bench/MotionBench.exe" "${2:-30}"
