#!/usr/bin/env bash
# Runs a command with an X display and stops the Wine prefix's server afterwards.
# Uses $DISPLAY when set; otherwise starts a private Xvfb for the length of the command, with the
# screen size $XVFB_SCREEN (default 1920x1080x24).
# Usage: with-display.sh PREFIX COMMAND [ARGS...]
set -u
here="$(cd "$(dirname "$0")" && pwd)"
prefix="$1"; shift
screen="${XVFB_SCREEN:-1920x1080x24}"
xvfb_pid=""

stop() {
  WINEPREFIX="$prefix" wineserver -k >/dev/null 2>&1 || true
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null; fi
}
trap stop EXIT

if [ -z "${DISPLAY:-}" ]; then
  fdfile="$(mktemp)"
  Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp 3>"$fdfile" >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do [ -s "$fdfile" ] && break; sleep 0.1; done
  num="$(head -n1 "$fdfile")"; rm -f "$fdfile"
  if [ -z "$num" ]; then echo "with-display: Xvfb did not start" >&2; exit 1; fi
  export DISPLAY=":$num"
  export PRIVATE_DISPLAY=1
  export XVFB_PID="$xvfb_pid"   # the benchmarks count the X server's CPU time
fi

# Wine keeps the display its server started with: begin from a stopped server.
WINEPREFIX="$prefix" wineserver -k >/dev/null 2>&1 || true
"$here/wine-prefix.sh" "$prefix"
"$@"
