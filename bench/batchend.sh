#!/usr/bin/env bash
# The end of a large batch run, measured by bench/BatchEndProbe.exe under the same Wine:
# BENCH_BATCH_COUNT one-minute captions end in one countdown tick; the probe prints when the
# hidden program ended and how long its main window went unanswered.
# Runs inside scripts/with-display.sh.
# Usage: batchend.sh BUILD PREFIX
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/.." && pwd)"
build="$(cd "$1" && pwd)"
prefix="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# Wine's drive Z: is the Linux root.
folder="Z:${work//\//\\}"
exe="Z:${build//\//\\}\\Kirunner.exe"
"$build/wine-run" "$prefix" "$build/bench/BatchEndProbe.exe" "$exe" "$folder" \
  "${BENCH_BATCH_COUNT:-2000}" | tr -d '\r'
