#!/usr/bin/env bash
# The README's and the guide's picture of a caption in several scripts (docs/strip-scripts.png,
# docs/ja/images/strip-scripts.png): the program running as an operator starts it, a second
# copy started with -A handing it the caption, the strip cut from the screen while it rolls.
# Runs the built program under Wine on a private Xvfb screen.
# Usage: script-strip-screenshot.sh BUILD   (the tests' build: the one whose programs Wine runs)
set -euo pipefail
picture_screen=1920x600x24
source "$(dirname "$0")/picture-screen.sh"

text='Café Zürich ◆ Ελλάδα ◆ 한국어 뉴스 ◆ 𠮷野家 ◆ 😀 ◆ שלום ◆ مرحبا ◆ 東京 Tokyo'
convert -seed 17 -size 1920x600 plasma:fractal -blur 0x1 "$work/background.png"
display -window root "$work/background.png" || true  # sets the background, yet may not end with 0
cp "$build/Kirunner.exe" "$work/"
printf "[SYSTEM]\r\nDELTAX=4\r\nSIZE=2\r\nOUTLINE=1\r\nITEMCOUNT=0\r\n" > "$work/Kirunner.ini"
(cd "$work" && exec "$build/wine-run" "$prefix" "$work/Kirunner.exe" >/dev/null 2>&1) &
pid=$!
sleep 6
(cd "$work" && "$build/wine-run" "$prefix" "$work/Kirunner.exe" "-A$text" -M5 >/dev/null 2>&1) || true
sleep 21  # at 80 pixels a second the caption has come most of the way across the screen
import -window root -crop 1920x40+0+0 +repage "$root/docs/strip-scripts.png"
cp "$root/docs/strip-scripts.png" "$root/docs/ja/images/strip-scripts.png"
kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true
WINEPREFIX="$prefix" wineserver -k >/dev/null 2>&1 || true
echo "docs/strip-scripts.png docs/ja/images/strip-scripts.png"
