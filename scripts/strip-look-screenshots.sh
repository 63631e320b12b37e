#!/usr/bin/env bash
# The README's picture of the strip's looks (docs/strip-looks.png): the program rolling one
# caption over a busy picture, once per look, each strip cut from the screen and stacked.
# Runs the built program under Wine on a private Xvfb screen.
# Usage: strip-look-screenshots.sh BUILD   (the tests' build: the one whose programs Wine runs)
set -euo pipefail
picture_screen=1920x200x24
source "$(dirname "$0")/picture-screen.sh"

text='本日は晴天なり、ただいまマイクの試験中です。'
hex="$(printf '%s' "$text" | iconv -f UTF-8 -t CP932 | od -An -tx1 | tr -d ' \n')"
convert -seed 17 -size 1920x200 plasma:fractal -blur 0x1 "$work/background.png"
# Extra SYSTEM keys of each look, one "KEY=VALUE" per word; empty: the defaults.
looks=("" "OUTLINE=1" "BAND=1" "BAND=1 BANDOPACITY=60 OUTLINE=1" "BAND=1 BANDRGB=8388608 SEPARATOR=8140819f8140")
shots=()
for i in "${!looks[@]}"; do
  folder="$work/look$i"
  mkdir -p "$folder"
  cp "$build/Kirunner.exe" "$folder/"
  keys=""
  for key in ${looks[$i]}; do keys="$keys$key\r\n"; done
  printf "[SYSTEM]\r\nDELTAX=4\r\nSIZE=2\r\n${keys}ITEMCOUNT=1\r\n[ITEM0]\r\nMINUTE=5\r\nSTRINGS=%s\r\n" "$hex" \
    > "$folder/Kirunner.ini"
  display -window root "$work/background.png" || true  # sets the background, yet may not end with 0
  (cd "$folder" && exec "$build/wine-run" "$prefix" "$folder/Kirunner.exe" -T1 >/dev/null 2>&1) &
  pid=$!
  sleep 9  # at 80 pixels a second the caption has come 720 pixels in from the right
  import -window root -crop 1000x40+920+0 +repage "$work/shot$i.png"
  shots+=("$work/shot$i.png")
  kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true
  WINEPREFIX="$prefix" wineserver -k >/dev/null 2>&1 || true
done
convert "${shots[@]}" -append "$root/docs/strip-looks.png"
echo "docs/strip-looks.png"
