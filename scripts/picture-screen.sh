# Sourced by the scripts that take the README's and the guide's pictures. Sets `here`, `root`,
# `build` (from the script's first argument: the tests' build, whose programs Wine runs),
# `prefix` and a `work` folder removed at exit; and, run outside it, runs the script again on a
# private Xvfb screen of `picture_screen` (WIDTHxHEIGHTxDEPTH) and ends.
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/.." && pwd)"
build="$(cd "$1" && pwd)"
prefix="$build/wineprefix"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

if [ "${PICTURE_ON_SCREEN:-}" != 1 ]; then
  env -u DISPLAY PICTURE_ON_SCREEN=1 "$here/with-display.sh" --screen "$picture_screen" "$prefix" "$0" "$build"
  exit
fi
