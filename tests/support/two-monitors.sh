#!/usr/bin/env bash
# A screen of two monitors side by side for the tests of the strip on any monitor: one Xvfb
# screen of 3328x768 split into the RandR monitors A (1280x720 at 0,0, the primary) and B
# (1024x768 at 1280,0), seen by Wine as \\.\DISPLAY1 and \\.\DISPLAY2; the screen leaves room
# for a second monitor wider than the primary. Wine sees the monitors
# only with its use of XRandR switched off, and the monitors stay only with -noreset; both are
# set in a Wine prefix of its own, so the other tests' prefix keeps one monitor and 96 DPI.
#
# Usage: two-monitors.sh run WINE_RUN PREFIX DPI PROGRAM.exe [ARGS...]
#          Starts the screen, prepares PREFIX at DPI, runs PROGRAM.exe through the build's
#          WINE_RUN, stops both.
#        two-monitors.sh monitors DONE_FILE GEOMETRY_A [GEOMETRY_B]
#          Sets the monitors anew while a test runs: A, and B unless it is left out (started by
#          the test through Wine, which does not wait for it: DONE_FILE appears when the change
#          is made). Both are made again in this order, so that A stays the first monitor, which
#          Wine takes for the primary one.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"

set_monitors() {
  xrandr --delmonitor B >/dev/null 2>&1 || true
  xrandr --delmonitor A >/dev/null 2>&1 || true
  xrandr --setmonitor A "$1" screen >/dev/null
  if [ -n "${2:-}" ]; then xrandr --setmonitor B "$2" none >/dev/null; fi
}

case "${1:-}" in
monitors)
  set_monitors "$3" "${4:-}"
  touch "$2"
  exit 0 ;;
run) shift ;;
*) echo "usage: $0 run WINE_RUN PREFIX DPI PROGRAM... | monitors DONE_FILE GEOMETRY_A [GEOMETRY_B]" >&2; exit 2 ;;
esac

wine_run="$1"; prefix="$(realpath -m "$2")"; dpi="$3"; shift 3
xvfb_pid=""
stop() {
  WINEPREFIX="$prefix" wineserver -k >/dev/null 2>&1 || true
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; fi
}
trap stop EXIT

fdfile="$(mktemp)"
Xvfb -displayfd 3 -screen 0 3328x768x24 -noreset -nolisten tcp 3>"$fdfile" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$fdfile" ] && break; sleep 0.1; done
num="$(head -n1 "$fdfile")"; rm -f "$fdfile"
if [ -z "$num" ]; then echo "two-monitors: Xvfb did not start" >&2; exit 1; fi
export DISPLAY=":$num"
set_monitors 1280/338x720/190+0+0 1024/270x768/203+1280+0

# Wine keeps the display its server started with: begin from a stopped server. The build's
# wine-run makes the prefix on first use.
WINEPREFIX="$prefix" wineserver -k >/dev/null 2>&1 || true
"$wine_run" "$prefix" reg add 'HKCU\Software\Wine\X11 Driver' /v UseXRandR /t REG_SZ /d N /f >/dev/null
"$wine_run" "$prefix" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null
# The resolution is read when the server starts.
WINEPREFIX="$prefix" wineserver -k >/dev/null 2>&1 || true
export TWO_MONITORS_SCRIPT="$here/two-monitors.sh"
export TWO_MONITORS_DPI="$dpi"
"$wine_run" "$prefix" "$@"
