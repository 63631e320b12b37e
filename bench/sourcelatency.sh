#!/usr/bin/env bash
# From a change of a data source to its item's first pixels on the strip
# (bench/SourceLatencyProbe.exe): a file source (read when it changes) and an HTTP source looked
# at every 10 seconds, served by tests/support/feed_server.py. The strip is narrow and fast
# (LGAP, DELTAX), so that an item taken off air leaves it soon. Then the memory and handles of
# a source over many refreshes (bench/SourceMemoryProbe.exe). Runs inside scripts/with-display.sh.
# Usage: sourcelatency.sh BUILD PREFIX   (BENCH_SOURCE_CHANGES changes each, 20 by default;
#        BENCH_SOURCE_REFRESHES refreshes of the memory probe, 1000)
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/.." && pwd)"
build="$(cd "$1" && pwd)"
prefix="$2"
changes="${BENCH_SOURCE_CHANGES:-20}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export PYTHON3="$(command -v python3)" FEED_SERVER="$root/tests/support/feed_server.py"
windows() { local p="$1"; echo "Z:${p//\//\\}"; }

for mode in file http; do
  folder="$work/$mode"
  mkdir -p "$folder"
  cp "$build/Kirunner.exe" "$folder/"
  echo "-- source: $mode"
  "$build/wine-run" "$prefix" "$build/bench/SourceLatencyProbe.exe" "$(windows "$folder")\\Kirunner.exe" \
    "$(windows "$folder")" "$mode" "$changes" | tr -d '\r' | grep -E '^changes|change [0-9]+: [a-z]' || true
done
echo "-- memory over refreshes"
"$build/wine-run" "$prefix" "$build/bench/SourceMemoryProbe.exe" "${BENCH_SOURCE_REFRESHES:-1000}" 100 | tr -d '\r'
