#!/usr/bin/env bash
# Takes the pictures of the operator's guide (docs/ja/images/*.png) from the real program: on a
# private 1024x768 Xvfb screen with a picture as its background, the driver tests/guide/
# GuideShots.cpp works Kirunner.exe and names each window to show; this script cuts it out of
# the screen. Uses a Wine prefix of its own, so a test run in the build's prefix goes on.
# Usage: guide-screenshots.sh [BUILD]   (default: the runnable build of build/)
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/.." && pwd)"

if [ "${1:-}" = --inside ]; then
  build="$2"; shots="$3"
  # A picture such as the strip scrolls over: sky, sun and hills.
  convert -size 1024x768 gradient:'#3f78b8-#bcd8ee' \
    -fill '#f6d55c' -draw 'circle 700,60 700,105' \
    -fill '#4f7f3f' -draw 'ellipse 250,800 520,300 0,360' -draw 'ellipse 850,820 480,260 0,360' \
    "$shots/background.png"
  # Sets the screen's background and ends with status 1 even when it has done so.
  display -window root "$shots/background.png" || true
  export KIRUNNER_EXE="$build/Kirunner.exe"
  # The data sources' pictures read feeds served on 127.0.0.1 by the tests' server.
  export PYTHON3="$(command -v python3)" FEED_SERVER="$root/tests/support/feed_server.py"
  "$build/wine-run" "$build/guide-wineprefix" "$build/tests/guide_shots.exe" "$shots" |
  while read -r word name left top right bottom; do
    bottom="${bottom%$'\r'}"
    if [ "$word" != SHOT ]; then echo "guide_shots: $word $name $left $top $right $bottom"; continue; fi
    import -window root -crop "$((right - left))x$((bottom - top))+$left+$top" +repage "$shots/$name.tmp.png"
    mv "$shots/$name.tmp.png" "$shots/$name.png"
    echo "taken: $name ($((right - left))x$((bottom - top)))"
  done
  exit 0
fi

build="$(cd "${1:-$(cat "$root/build/tests-build")}" && pwd)"
cmake --build "$build" --target Kirunner guide_shots -j 2 >/dev/null
shots="$(mktemp -d)"
trap 'rm -rf "$shots"' EXIT
(unset DISPLAY; "$here/with-display.sh" --screen 1024x768x24 "$build/guide-wineprefix" \
  "$0" --inside "$build" "$shots")

out="$root/docs/ja/images"
mkdir -p "$out"
for picture in "$shots"/*.png; do
  name="$(basename "$picture")"
  [ "$name" = background.png ] && continue
  # No time stamps or other chunks: the same screen gives the same file.
  convert "$picture" -strip -define png:compression-level=9 "$out/$name"
done
# Each picture carries a stamp of the dialog it shows: the guide's check finds one taken of an
# older dialog (scripts/guide_pictures.py).
python3 "$here/guide_pictures.py" stamp "$root" "$out"/*.png
du -ch "$out"/*.png | tail -n1
