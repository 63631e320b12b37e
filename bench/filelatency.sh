#!/usr/bin/env bash
# From a save of the watched file to its caption's first pixels on the strip
# (bench/FileLatencyProbe.exe), for Kirunner and for KirunnerPolling.exe, a copy built with
# folders that never notify: today's once-a-second look alone. Each is measured with the file in
# a local folder (drive Z:, the Linux root) and in a folder reached through another Wine drive
# letter (L:, made for this run). The strip is made narrow and fast (LGAP, DELTAX), so that a
# caption taken off air leaves it soon; the main window, centred, lies well below it. Runs inside scripts/with-display.sh.
# Usage: filelatency.sh BUILD PREFIX     (BENCH_FILE_SAVES saves each, 50 by default)
set -euo pipefail
build="$(cd "$1" && pwd)"
prefix="$2"
saves="${BENCH_FILE_SAVES:-50}"
work="$(mktemp -d)"
other="$(mktemp -d)"
drive="$prefix/dosdevices/l:"
trap 'rm -rf "$work" "$other"; rm -f "$drive"' EXIT
# The prefix is made by its first program.
"$build/wine-run" "$prefix" cmd /c exit 0 >/dev/null 2>&1 || true
ln -sfn "$other" "$drive"

windows() { local p="$1"; echo "Z:${p//\//\\}"; }

for program in Kirunner KirunnerPolling; do
  for place in local other-drive; do
    folder="$work/$program-$place"
    mkdir -p "$folder"
    if [ "$program" = Kirunner ]; then cp "$build/Kirunner.exe" "$folder/"; else cp "$build/bench/$program.exe" "$folder/Kirunner.exe"; fi
    if [ "$place" = local ]; then file="$(windows "$folder")\\news.txt"; else file='L:\news.txt'; fi
    printf 'first\r\n' > "$folder/news.txt"
    printf 'first\r\n' > "$other/news.txt"
    printf '[SYSTEM]\r\nDELTAX=4\r\nLGAP=1200\r\nITEMCOUNT=0\r\n[FILE]\r\nEXEC=1\r\nMINUTE=1\r\nPATH=%s\r\n' \
      "$file" > "$folder/Kirunner.ini"
    echo "-- $program, file $file"
    "$build/wine-run" "$prefix" "$build/bench/FileLatencyProbe.exe" "$(windows "$folder")\\Kirunner.exe" \
      "$(windows "$folder")" "$file" "$saves" | tr -d '\r' | grep -E '^saves|save [0-9]+: [a-z]' || true
  done
done
