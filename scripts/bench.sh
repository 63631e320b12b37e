#!/usr/bin/env bash
# Runs the benchmarks and prints their figures (it judges nothing). Each part runs on a private
# Xvfb screen of its own size, so a $DISPLAY of the caller is not used.
# Usage: bench.sh BUILD      (make bench)
#
# Settings (environment):
#   BENCH_PARTS          parts to run, in order           "tick cpu startup"
#   BENCH_TICKS          ticks per round (tick part)      2000
#   BENCH_ROUNDS         rounds, the median is printed    5
#   BENCH_CPU_SECONDS    length of one CPU measurement    60
#   BENCH_CPU_WARMUP     seconds before it starts         5
#   BENCH_CPU_SPEEDS     scroll steps measured            "1 2 3 4"
#   BENCH_STARTUP_RUNS   starts measured                  7
#   BENCH_STARTUP_ITEMS  captions in the start-up's list   1
#   BENCH_STARTUP_TIMEOUT seconds before a start counts as none 30
#   BENCH_SETTINGS_ITEMS list lengths of the settings part "100 1000 10000 60000"
#   BENCH_SETTINGS_BEFORE_MAX  longest list timed key by key as well   10000
#   BENCH_BATCH_COUNT    captions of the batchend part    2000
#   BENCH_SHARE_SECONDS  length of one sharing measurement 60
#   BENCH_FILE_SAVES     saves per measurement (filelatency) 50
#   BENCH_MOTION_SECONDS longest run of the motion part   30
#   BENCH_SOURCE_CHANGES changes per source (sources)     20
#   BENCH_SOURCE_REFRESHES refreshes of the memory probe (sources) 1000
# The parts "batchend" (the end of a large batch run, over a minute), "share" (sharing
# violations of a writer, eight measurements), "motion" (the colour-keyed strip and the smooth
# look at four speeds, about five minutes) and "filelatency" (from a save of the watched file to
# its caption on the strip, four measurements of some minutes each) and "sources" (from a
# change of a data source to its item on the strip, a file and HTTP with REFRESH=10, and memory
# over 1,000 refreshes; some minutes) run only when named.
# A copy of the output goes to BUILD/bench/last-run.txt.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/.." && pwd)"
build="$(cd "${1:?usage: bench.sh BUILD}" && pwd)"
# A prefix of the benchmarks' own: its server is stopped between parts, which must not end a
# test run in the build's prefix.
prefix="$build/bench/wineprefix"
parts="${BENCH_PARTS:-tick cpu startup settings}"
log="$build/bench/last-run.txt"
mkdir -p "$build/bench"

on_screen() {  # on_screen SIZE COMMAND... : runs the command on a private Xvfb of that size
  local size="$1"; shift
  env -u DISPLAY "$here/with-display.sh" --screen "$size" "$prefix" "$@"
}

machine() {
  echo "date:    $(date -u '+%Y-%m-%d %H:%M UTC')"
  echo "machine: $(nproc) CPUs ($(grep -m1 'model name' /proc/cpuinfo | sed 's/.*: //')),"\
       "$(awk '/MemTotal/ {printf "%.1f GiB RAM", $2 / 1048576}' /proc/meminfo),"\
       "kernel $(uname -r), $(/usr/lib/wine/wine64 --version 2>/dev/null || wine --version 2>/dev/null || echo 'wine ?')"
  echo "load:    $(cut -d' ' -f1-3 /proc/loadavg) (1, 5, 15 min) at start"
}

{
  machine
  for part in $parts; do
    case "$part" in
      tick)
        echo; echo "== Tick cost (screen 3840x1080) =="
        on_screen 3840x1080x24 "$build/wine-run" "$prefix" "$build/bench/TickBench.exe" \
          "${BENCH_TICKS:-2000}" "${BENCH_ROUNDS:-5}" | tr -d '\r' | grep -v '^CKirunWin::' ;;
      cpu)
        echo; echo "== CPU seconds per minute (screen 1920x200) =="
        on_screen 1920x200x24 "$root/bench/cpu.sh" "$build" "$prefix" ;;
      startup)
        echo; echo "== Start-up (screen 1920x1080) =="
        on_screen 1920x1080x24 "$root/bench/startup.sh" "$build" "$prefix" ;;
      batchend)
        echo; echo "== End of a large batch run (screen 1920x1080) =="
        on_screen 1920x1080x24 "$root/bench/batchend.sh" "$build" "$prefix" ;;
      settings)
        echo; echo "== Settings file save and load (screen 1920x1080) =="
        on_screen 1920x1080x24 "$build/wine-run" "$prefix" "$build/bench/SettingsBench.exe" \
          "${BENCH_SETTINGS_BEFORE_MAX:-10000}" ${BENCH_SETTINGS_ITEMS:-100 1000 10000 60000} | tr -d '\r' ;;
      share)
        echo; echo "== Sharing violations of a writer saving ten times a second =="
        on_screen 640x480x24 "$build/wine-run" "$prefix" "$build/bench/ShareBench.exe" \
          "${BENCH_SHARE_SECONDS:-60}" | tr -d '\r' ;;
      motion)
        echo; echo "== Motion: frame intervals and displacement (screen 1280x720, xcompmgr) =="
        "$root/bench/motion.sh" "$build" "${BENCH_MOTION_SECONDS:-30}" | tr -d '\r' | grep -v '^CKirunWin::' ;;
      lanes)
        echo; echo "== Lanes: CPU and the smooth look's frames with 1, 2 and 4 lanes moving (screen 1920x1080) =="
        on_screen 1920x1080x24 "$build/wine-run" "$prefix" "$build/bench/LanesBench.exe" \
          "${BENCH_LANES_SECONDS:-4}" ${BENCH_LANES_SPEED:-} | tr -d '\r' ;;
      filelatency)
        echo; echo "== From a save of the watched file to its caption on the strip (screen 1280x1024) =="
        on_screen 1280x1024x24 "$root/bench/filelatency.sh" "$build" "$prefix" ;;
      sources)
        echo; echo "== Data sources: from a change to the strip, and memory (screen 1280x1024) =="
        on_screen 1280x1024x24 "$root/bench/sourcelatency.sh" "$build" "$prefix" ;;
      *) echo "bench.sh: unknown part '$part'" >&2 ;;
    esac
  done
} 2>&1 | tee "$log"
echo "(copy in $log)"
