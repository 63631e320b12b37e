#!/usr/bin/env bash
# The motion figure: bench/MotionBench.exe on a screen with a compositing manager, in a prefix
# that reports Windows 10 (so the smooth look shows per-pixel alpha under Wine), at every speed.
# With PICTURE, eight consecutive frames at 40 px/s of the colour-keyed strip (left, one per
# 50 ms tick) and of the smooth look (right, one per refresh) go there as a PNG, enlarged 4x.
# Usage: motion.sh BUILD [SECONDS-PER-RUN [PICTURE.png]]    (default 30 s, no picture)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "$1" && pwd)"
seconds="${2:-30}"
picture="${3:-}"
frames=""
if [ -n "$picture" ]; then
  work="$(mktemp -d)"; trap 'rm -rf "$work"' EXIT
  frames="Z:${work//\//\\}\\frames"
fi
bash "$root/tests/support/composited-screen.sh" "$build/wine-run" "$build/wineprefix-composited" \
  "$build/bench/MotionBench.exe" "$seconds" $frames
if [ -n "$picture" ]; then
  convert "$work/frames-keyed.ppm" "$work/frames-smooth.ppm" -bordercolor white -border 2 +append \
    -filter point -resize 400% "$picture"
  echo "frames: $picture"
fi
