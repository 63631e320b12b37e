#!/usr/bin/env bash
# Runs a command with an X display and stops the Wine prefix's server before and afterwards.
# Uses $DISPLAY when set; otherwise starts a private Xvfb for the length of the command, with the
# screen size given by --screen (default 1920x1080x24).
# Usage: with-display.sh [--screen WxHxD] PREFIX COMMAND [ARGS...]
set -euo pipefail
screen=1920x1080x24
if [ "${1:-}" = --screen ]; then screen="$2"; shift 2; fi
# Wine takes only an absolute prefix: with a relative one, stopping the server would fail
# unseen and leave it tied to a screen that is gone.
prefix="$(realpath -m "$1")"; shift
xvfb_pid=""

stop() {
  WINEPREFIX="$prefix" wineserver -k >/dev/null 2>&1 || true
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
}
trap stop EXIT

if [ -z "${DISPLAY:-}" ]; then
  fdfile="$(mktemp)"
  Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp -noreset 3>"$fdfile" >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do [ -s "$fdfile" ] && break; sleep 0.1; done
  num="$(head -n1 "$fdfile")"; rm -f "$fdfile"
  if [ -z "$num" ]; then echo "with-display: Xvfb did not start" >&2; exit 1; fi
  export DISPLAY=":$num"
fi

# Wine keeps the display its server started with: begin from a stopped server.
WINEPREFIX="$prefix" wineserver -k >/dev/null 2>&1 || true
"$@"
