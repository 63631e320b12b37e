#!/usr/bin/env bash
# Runs a command with an X display and stops the Wine prefix's server before and afterwards.
# Uses $DISPLAY when set; otherwise starts a private Xvfb for the length of the command, with the
# screen size given by --screen (default 1920x1080x24).
# Usage: with-display.sh [--screen WxHxD] [--wine WINE_RUN] PREFIX COMMAND [ARGS...]
#
# With --wine (the build's wine-run), the prefix's server is kept for the whole command and Wine's
# own background programs (services, the desktop) are started before it, with their output going
# nowhere. Otherwise the first Windows program of the command starts them, they inherit its
# output, and they end only some seconds after the last program has: every test run by ctest
# would then wait that long for its output to close, and start Wine anew.
set -euo pipefail
screen=1920x1080x24
wine_run=""
while true; do
  case "${1:-}" in
    --screen) screen="$2"; shift 2 ;;
    --wine) wine_run="$2"; shift 2 ;;
    *) break ;;
  esac
done
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
if [ -n "$wine_run" ]; then
  # A new prefix is made first (wine-run waits there for its server to end, which a server kept
  # running would never do); a running server cannot be made to stay afterwards, so it is
  # stopped and one that stays is started.
  if [ ! -f "$prefix/.kirunner-ready" ]; then
    "$wine_run" "$prefix" cmd /c exit </dev/null >/dev/null 2>&1 || true
    WINEPREFIX="$prefix" wineserver -k >/dev/null 2>&1 || true
  fi
  mkdir -p "$prefix"
  WINEPREFIX="$prefix" wineserver -p
  "$wine_run" "$prefix" cmd /c exit </dev/null >/dev/null 2>&1
fi
"$@"
