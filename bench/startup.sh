#!/usr/bin/env bash
# Start-up time of Kirunner.exe, measured by bench/StartupProbe.exe under the same Wine: from
# its CreateProcess call to the caption strip placed and to the main window visible, polled
# every millisecond, over several starts. The wineserver runs already (the probe itself is a
# Wine process), so this is a warm start; the first start of a prefix's server takes longer.
# Runs inside scripts/with-display.sh.
# Usage: startup.sh BUILD PREFIX
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/.." && pwd)"
build="$(cd "$1" && pwd)"
prefix="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

cp "$build/Kirunner.exe" "$work/"
# Wine's drive Z: is the Linux root.
folder="Z:${work//\//\\}"
items="${BENCH_STARTUP_ITEMS:-1}"
if [ "$items" -gt 1 ]; then
  # A long list of 1,000-byte captions, written by the settings benchmark.
  "$build/wine-run" "$prefix" "$build/bench/SettingsBench.exe" --write "$folder\\Kirunner.ini" "$items"
  echo "$items captions of 1,000 bytes in the list ($(( $(stat -c %s "$work/Kirunner.ini") / 1048576 )) MiB file)"
else
  # One caption in the list, nothing on air: the ordinary start of an operator's session.
  printf '[SYSTEM]\r\nITEMCOUNT=1\r\n[ITEM0]\r\nMINUTE=5\r\nSTRINGS=%s\r\n' \
    "$(printf '本日は晴天なり' | iconv -f UTF-8 -t CP932 | od -An -tx1 | tr -d ' \n')" > "$work/Kirunner.ini"
fi
"$build/wine-run" "$prefix" "$build/bench/StartupProbe.exe" "$folder\\Kirunner.exe" "$folder" \
  "${BENCH_STARTUP_RUNS:-7}" "${BENCH_STARTUP_TIMEOUT:-30}" | tr -d '\r'
