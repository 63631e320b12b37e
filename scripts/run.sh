#!/usr/bin/env bash
# Starts Kirunner.exe from BUILD/run so that its Kirunner.ini lands there.
# With --screenshot it takes a screenshot after a few seconds and ends.
# Usage: run.sh [--screenshot] BUILD [ARGS...]
# A first run (no Kirunner.ini in the run folder yet) gets a small sample list with its first
# caption on air, so that the operator window and a moving caption are both on screen; an
# existing settings file is never touched.
set -euo pipefail
screenshot=0
if [ "${1:-}" = --screenshot ]; then screenshot=1; shift; fi
build="$(cd "$1" && pwd)"; shift
rundir="$build/run"
mkdir -p "$rundir"
cp "$build/Kirunner.exe" "$rundir/"
cd "$rundir"

hex() { printf '%s' "$1" | iconv -f UTF-8 -t CP932 | od -An -tx1 | tr -d ' \n'; }
if [ ! -e Kirunner.ini ]; then
  {
    printf '[SYSTEM]\r\nITEMCOUNT=3\r\n'
    printf '[ITEM0]\r\nMINUTE=10\r\nSTRINGS=%s\r\n' "$(hex 'Kirunner へようこそ：キャプションが画面を流れます')"
    printf '[ITEM1]\r\nMINUTE=5\r\nSTRINGS=%s\r\n' "$(hex '本日は晴天なり')"
    printf '[ITEM2]\r\nMINUTE=1\r\nSTRINGS=%s\r\n' "$(hex 'Breaking: captions on air from a script')"
  } > Kirunner.ini
  [ "$#" -gt 0 ] || set -- -S1
fi
if [ "$screenshot" = 1 ]; then
  "$build/wine-run" "$build/wineprefix" Kirunner.exe "$@" &
  pid=$!
  sleep "${KIRUNNER_SHOT_AFTER:-6}"
  import -window root "$rundir/screenshot.png" && echo "screenshot: $rundir/screenshot.png"
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  exit 0
fi
exec "$build/wine-run" "$build/wineprefix" Kirunner.exe "$@"
