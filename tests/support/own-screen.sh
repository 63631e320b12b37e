#!/usr/bin/env bash
# A screen of its own for a test that would hold the shared one long: a private Xvfb of the
# shared screen's size and a Wine prefix of its own, so that the test runs beside those on the
# shared screen (ctest -j) with no window of one over the other's. Tests given the same PREFIX
# take turns (RESOURCE_LOCK): a prefix's server keeps the screen it started on.
# Usage: own-screen.sh WINE_RUN PREFIX PROGRAM.exe [ARGS...]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
wine_run="$1"; prefix="$2"; shift 2
exec env -u DISPLAY "$here/../../scripts/with-display.sh" "$prefix" "$wine_run" "$prefix" "$@"
