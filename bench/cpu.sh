#!/usr/bin/env bash
# CPU seconds per minute (user + system, from /proc/<pid>/stat) of Kirunner.exe rolling one
# caption at each speed and idle, beside the bench's minimal layered strip (MinimalStrip.exe) and
# the ticker program tickr scrolling the same text at the same pixels per second. Counted: the
# program's own process, the prefix's wineserver (Wine programs only) and the X server.
# explorer.exe and winedevice.exe of the prefix are shown apart and not counted.
# Runs inside scripts/with-display.sh; the X server counted is the one of $DISPLAY.
# BENCH_CPU_SCHEDULE=1: instead, the caption alone beside it with 999 more captions on air, each
# with a time on air (a day's schedule).
# Usage: cpu.sh BUILD PREFIX
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/.." && pwd)"
build="$(cd "$1" && pwd)"
prefix="$(realpath -m "$2")"
seconds="${BENCH_CPU_SECONDS:-60}"
warmup="${BENCH_CPU_WARMUP:-5}"
speeds="${BENCH_CPU_SPEEDS:-1 2 3 4}"
hz="$(getconf CLK_TCK)"
text='本日は晴天なり、ただいまマイクの試験中です。'
work="$(mktemp -d)"
launched=""
trap 'stop_launched; rm -rf "$work"' EXIT

# utime + stime of a process in clock ticks (0 once it is gone). The name field may hold
# blanks and parentheses, so the fields are counted after its last ')'.
cpu_ticks() {
  local stat
  stat="$(cat "/proc/$1/stat" 2>/dev/null)" || { echo 0; return; }
  echo "${stat##*) }" | awk '{print $12 + $13}'
}

# Processes of this prefix whose name starts with $1 (Wine names a program's process after
# its .exe, cut to 15 characters).
prefix_pids() {
  local p comm
  for p in /proc/[0-9]*; do
    comm="$(cat "$p/comm" 2>/dev/null)" || continue
    case "$comm" in "$1"*) ;; *) continue ;; esac
    if { tr '\0' '\n' < "$p/environ"; } 2>/dev/null | grep -qxF "WINEPREFIX=$prefix"; then
      echo "${p#/proc/}"
    fi
  done
}

wait_for_pid() {  # wait_for_pid NAME : the first process of the prefix by that name, within 30 s
  local pid=""
  for _ in $(seq 300); do
    pid="$(prefix_pids "$1" | head -n1)"
    [ -n "$pid" ] && break
    sleep 0.1
  done
  echo "$pid"
}

stop_launched() {
  [ -n "$launched" ] || return 0
  kill $launched 2>/dev/null || true
  for p in $launched; do wait "$p" 2>/dev/null || true; done
  launched=""
}

# The X server of $DISPLAY: the process holding its listening socket.
x_server_pid() {
  local n="${DISPLAY#*:}" inode pid fd
  inode="$(awk -v path="/tmp/.X11-unix/X${n%%.*}" '$8 == path {print $7; exit}' /proc/net/unix)"
  [ -n "$inode" ] || return 0
  for pid in $(pgrep -x 'Xvfb|Xorg|X' || true); do
    for fd in /proc/"$pid"/fd/*; do
      if [ "$(readlink "$fd" 2>/dev/null)" = "socket:[$inode]" ]; then echo "$pid"; return 0; fi
    done
  done
}
sum_ticks() { local t=0 p; for p in "$@"; do t=$((t + $(cpu_ticks "$p"))); done; echo "$t"; }
per_minute() { awk -v t="$1" -v hz="$hz" -v s="$2" 'BEGIN {printf "%.2f", t / hz / s * 60}'; }

# measure LABEL PROGRAM_PIDS SERVER_PIDS : prints one row and sets $total (s/min)
measure() {
  local label="$1" prog="$2" server="$3" x; x="$(x_server_pid)"
  sleep "$warmup"
  local extras; extras="$( (prefix_pids explorer.exe; prefix_pids winedevice.exe) | tr '\n' ' ')"
  local p0 s0 x0 e0 t0 p1 s1 x1 e1 t1
  p0=$(sum_ticks $prog); s0=$(sum_ticks $server); x0=$(sum_ticks $x); e0=$(sum_ticks $extras)
  t0=$(date +%s.%N)
  sleep "$seconds"
  p1=$(sum_ticks $prog); s1=$(sum_ticks $server); x1=$(sum_ticks $x); e1=$(sum_ticks $extras)
  t1=$(date +%s.%N)
  local wall; wall=$(awk -v a="$t0" -v b="$t1" 'BEGIN {print b - a}')
  local pm sm xm; pm=$(per_minute $((p1 - p0)) "$wall"); sm=$(per_minute $((s1 - s0)) "$wall")
  xm=$(per_minute $((x1 - x0)) "$wall")
  total=$(per_minute $((p1 - p0 + s1 - s0 + x1 - x0)) "$wall")
  printf '%-26s %9s %11s %9s %9s %14s\n' "$label" "$pm" "$sm" "$xm" "$total" \
    "$(per_minute $((e1 - e0)) "$wall")"
}

# A Windows program of the bench started in its own folder; sets $prog_pid and $server_pid.
start_wine() {  # start_wine FOLDER EXE NAME ARGS...
  local folder="$1" exe="$2" name="$3"; shift 3
  (cd "$folder" && exec "$build/wine-run" "$prefix" "$exe" "$@" >/dev/null 2>&1) &
  launched="$!"
  prog_pid="$(wait_for_pid "$name")"
  server_pid="$(wait_for_pid wineserver)"
  if [ -n "$prog_pid" ]; then launched="$launched $prog_pid"; fi
}

# The strip's look for the next kirunner rows: extra SYSTEM keys, one "KEY=VALUE" per word
# (empty: the transparent strip of the defaults).
look=""
# The list for the next kirunner rows: the caption alone (empty), or it and 999 more with a time
# on air each: "waiting" (every one from tomorrow on), "day" (ten minutes each, one starting every
# 1.44 minutes through the day, so about seven are open at any time and the states move often).
schedule=""

# The [ITEMn] sections after the caption's own ITEM0, for $schedule.
schedule_items() {
  [ -n "$schedule" ] || return 0
  python3 - "$schedule" "$1" <<'PY'
import datetime, sys
kind, minutes = sys.argv[1], sys.argv[2]
tomorrow = datetime.date.today() + datetime.timedelta(days=1)
for i in range(1, 1000):
    text = ("第%d回のお知らせです" % i).encode("cp932").hex()
    if kind == "waiting":
        window = "FROM=%s %02d:%02d" % (tomorrow.isoformat(), i * 60 // 1000 % 24, i % 60)
    else:
        start = i * 1440 // 1000
        end = (start + 10) % 1440
        window = "HOURS=%02d:%02d-%02d:%02d" % (start // 60, start % 60, end // 60, end % 60)
    sys.stdout.write("[ITEM%d]\r\nMINUTE=%s\r\nSTRINGS=%s\r\n%s\r\n" % (i, minutes, text, window))
PY
}

kirunner() {  # kirunner LABEL STEP ARGS...
  local label="$1" step="$2"; shift 2
  local folder="$work/kirunner-$step-$#-${look// /-}"
  local minutes=$(( (warmup + seconds) / 60 + 5 ))
  local keys="" key
  for key in $look; do keys="$keys$key\r\n"; done
  mkdir -p "$folder"
  cp "$build/Kirunner.exe" "$folder/"
  local count=1; [ -z "$schedule" ] || count=1000
  printf "[SYSTEM]\r\nDELTAX=%s\r\nSIZE=1\r\n${keys}ITEMCOUNT=%s\r\n[ITEM0]\r\nMINUTE=%s\r\nSTRINGS=%s\r\n" \
    "$step" "$count" "$minutes" "$(printf '%s' "$text" | iconv -f UTF-8 -t CP932 | od -An -tx1 | tr -d ' \n')" \
    > "$folder/Kirunner.ini"
  schedule_items "$minutes" >> "$folder/Kirunner.ini"
  start_wine "$folder" "$folder/Kirunner.exe" Kirunner.exe "$@"
  if [ -z "$prog_pid" ]; then echo "$label: Kirunner.exe did not start"; total=""; stop_launched; return; fi
  measure "$label" "$prog_pid" "$server_pid"
  stop_launched
}

minimal() {  # minimal LABEL STEP [idle]
  local label="$1"; shift
  printf '%s\n' "$text" | iconv -f UTF-8 -t CP932 > "$work/caption-932.txt"
  start_wine "$work" "$build/bench/MinimalStrip.exe" MinimalStrip "$work/caption-932.txt" "$@"
  if [ -z "$prog_pid" ]; then echo "$label: MinimalStrip.exe did not start"; total=""; stop_launched; return; fi
  measure "$label" "$prog_pid" "$server_pid"
  stop_launched
}

# tickr reads its settings from the home folder of the user's passwd entry, not from $HOME:
# a private mount namespace lays a prepared folder over it, so the user's own home is untouched.
tickr_run() {  # tickr_run LABEL STEP
  local label="$1" step="$2" home
  if ! command -v tickr >/dev/null; then echo "$label: tickr not installed (scripts/install-bench-deps.sh)"; total=""; return; fi
  home="$(getent passwd "$(id -u)" | cut -d: -f6)"
  local seed="$work/tickr-home-$step"
  mkdir -p "$seed/.tickr"
  printf '%s\n' "$text" > "$seed/caption.txt"
  cat > "$seed/.tickr/tickr-conf" <<CONF
-delay=50
-shiftsize=$step
-fontname="IPAPGothic Bold 12"
-fontsize=12
-fgcolor="#ffffffff"
-bgcolor="#000000ff"
-setgradientbg=n
-win_x=0
-win_y=0
-win_w=1920
-win_h=18
-windec=n
-alwaysontop=y
-iconintaskbar=n
-shadow=y
-shadowoffset_x=1
-shadowoffset_y=1
-disablepopups=y
-clock=n
-rssrefresh=0
CONF
  printf '%s\n' "$home/caption.txt" > "$seed/.tickr/tickr-url-list"
  unshare -m sh -c 'mount --bind "$1" "$2" && cd "$2" && exec tickr "$2/caption.txt"' sh "$seed" "$home" \
    >/dev/null 2>&1 &
  launched="$!"
  sleep 0.5
  if ! kill -0 "$launched" 2>/dev/null; then
    echo "$label: tickr did not start (a private mount namespace needs root)"; total=""; launched=""; return
  fi
  measure "$label" "$launched" ""
  stop_launched
}

ratio() { [ -n "$1" ] && [ -n "$2" ] && awk -v a="$1" -v b="$2" 'BEGIN {if (b > 0) printf "%.2f", a / b; else print "-"}' || echo "-"; }

echo "one caption: $text; warm-up ${warmup} s, then ${seconds} s per row; CPU s/min"
printf '%-26s %9s %11s %9s %9s %14s\n' "" program wineserver "X server" total "(explorer+dev)"
if [ -n "${BENCH_CPU_SCHEDULE:-}" ]; then
  # A day's schedule of 1,000 captions on air beside the caption alone, at step 2.
  all="$(seq -f '-T%g' 1 1000 | tr '\n' ' ')"
  kirunner "Kirunner -T1, caption alone" 2 -T1
  schedule=waiting
  kirunner "1,000 on air, 999 waiting" 2 $all
  schedule=day
  kirunner "1,000 on air, a day's hours" 2 $all
  exit 0
fi
declare -A kir mini tick band half
for step in $speeds; do
  kirunner "Kirunner -T1, step $step" "$step" -T1; kir[$step]="$total"
  minimal "MinimalStrip, step $step" "$step"; mini[$step]="$total"
  tickr_run "tickr, shift $step" "$step"; tick[$step]="$total"
  look="BAND=1"
  kirunner "Kirunner band 100%, st $step" "$step" -T1; band[$step]="$total"
  look="BAND=1 BANDOPACITY=60"
  kirunner "Kirunner band 60%, st $step" "$step" -T1; half[$step]="$total"
  look=""
done
# Does re-applying the layered attributes every second (Kirunner's timer 103) cost by itself?
minimal "MinimalStrip+attrs 1/s, st 2" 2 reapply
kirunner "Kirunner idle (nothing on air)" 2; kidle="$total"
minimal "MinimalStrip idle" 2 idle; midle="$total"

echo
printf '%-8s %22s %16s %14s %14s %14s\n' step "Kirunner/MinimalStrip" "Kirunner/tickr" \
  "band/Minimal" "band/tickr" "60%/Minimal"
for step in $speeds; do
  printf '%-8s %22s %16s %14s %14s %14s\n' "$step" "$(ratio "${kir[$step]}" "${mini[$step]}")" \
    "$(ratio "${kir[$step]}" "${tick[$step]}")" "$(ratio "${band[$step]}" "${mini[$step]}")" \
    "$(ratio "${band[$step]}" "${tick[$step]}")" "$(ratio "${half[$step]}" "${mini[$step]}")"
done
printf '%-8s %22s\n' idle "$(ratio "$kidle" "$midle")"
