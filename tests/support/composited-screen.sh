#!/usr/bin/env bash
# A screen with a compositing manager for the tests of the smooth look's per-pixel alpha: an
# Xvfb screen of its own with xcompmgr running, and a Wine prefix of its own in which Kirunner.exe
# (and the motion benchmark, bench/MotionBench.exe) is told it runs on Windows 10 (Wine's DwmIsCompositionEnabled answers by the Windows version,
# and the program shows per-pixel alpha only where it says composition is on). The other tests'
# screen and prefix stay as they are.
#
# Usage: composited-screen.sh WINE_RUN PREFIX PROGRAM.exe [ARGS...]
set -euo pipefail
wine_run="$1"; prefix="$(realpath -m "$2")"; shift 2
if ! command -v xcompmgr >/dev/null; then echo "composited-screen: xcompmgr is not installed" >&2; exit 77; fi
xvfb_pid=""; xcompmgr_pid=""
stop() {
  WINEPREFIX="$prefix" wineserver -k >/dev/null 2>&1 || true
  for pid in $xcompmgr_pid $xvfb_pid; do kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; done
}
trap stop EXIT

fdfile="$(mktemp)"
Xvfb -displayfd 3 -screen 0 1280x720x24 -noreset -nolisten tcp 3>"$fdfile" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$fdfile" ] && break; sleep 0.1; done
num="$(head -n1 "$fdfile")"; rm -f "$fdfile"
if [ -z "$num" ]; then echo "composited-screen: Xvfb did not start" >&2; exit 1; fi
export DISPLAY=":$num"
xcompmgr -a >/dev/null 2>&1 &
xcompmgr_pid=$!

WINEPREFIX="$prefix" wineserver -k >/dev/null 2>&1 || true
for program in Kirunner.exe MotionBench.exe; do
  "$wine_run" "$prefix" reg add "HKCU\\Software\\Wine\\AppDefaults\\$program" /v Version /t REG_SZ /d win10 /f >/dev/null
done
"$wine_run" "$prefix" "$@"
