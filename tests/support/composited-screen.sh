#!/usr/bin/env bash
# A screen with a compositing manager for the tests of the smooth look's per-pixel alpha: a
# private Xvfb screen (scripts/with-display.sh) with xcompmgr running, and a Wine prefix of its
# own in which Kirunner.exe (and the motion benchmark, bench/MotionBench.exe) is told it runs on
# Windows 10 (Wine's DwmIsCompositionEnabled answers by the Windows version, and the program
# shows per-pixel alpha only where it says composition is on). The other tests' screen and
# prefix stay as they are.
#
# Usage: composited-screen.sh WINE_RUN PREFIX PROGRAM.exe [ARGS...]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
if [ "${1:-}" = --on-screen ]; then
  shift
  wine_run="$1"; prefix="$2"; shift 2
  xcompmgr -a >/dev/null 2>&1 &
  xcompmgr_pid=$!
  trap 'kill "$xcompmgr_pid" 2>/dev/null || true; wait "$xcompmgr_pid" 2>/dev/null || true' EXIT
  for program in Kirunner.exe MotionBench.exe; do
    "$wine_run" "$prefix" reg add "HKCU\\Software\\Wine\\AppDefaults\\$program" /v Version /t REG_SZ /d win10 /f >/dev/null
  done
  "$wine_run" "$prefix" "$@"
  exit
fi
if ! command -v xcompmgr >/dev/null; then echo "composited-screen: xcompmgr is not installed" >&2; exit 77; fi
wine_run="$1"; prefix="$(realpath -m "$2")"; shift 2
exec env -u DISPLAY "$here/../../scripts/with-display.sh" --screen 1280x720x24 "$prefix" \
  bash "$here/composited-screen.sh" --on-screen "$wine_run" "$prefix" "$@"
