#!/usr/bin/env bash
# Starts Kirunner.exe from BUILD/run so that its Kirunner.ini lands there.
# On a private Xvfb (no display of the caller's) it takes a screenshot after a few seconds and ends.
# Usage: run.sh BUILD [ARGS...]
set -u
here="$(cd "$(dirname "$0")" && pwd)"
build="$(cd "$1" && pwd)"; shift
rundir="$build/run"
mkdir -p "$rundir"
cp "$build/Kirunner.exe" "$rundir/"
cd "$rundir"
if [ "${PRIVATE_DISPLAY:-0}" = 1 ]; then
  "$here/wine-run" "$build/wineprefix" Kirunner.exe "$@" &
  pid=$!
  sleep "${KIRUNNER_SHOT_AFTER:-6}"
  import -window root "$rundir/screenshot.png" && echo "screenshot: $rundir/screenshot.png"
  kill "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  exit 0
fi
exec "$here/wine-run" "$build/wineprefix" Kirunner.exe "$@"
