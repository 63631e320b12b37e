# Sourced by the Wine wrappers: the environment every Wine process of the project gets.
# Usage: . scripts/wine-env.sh PREFIX
export WINEPREFIX="$(realpath -m "$1")"
export LC_ALL=ja_JP.UTF-8            # gives the ANSI code page 932
export WINEDEBUG=-all               # keeps Wine's own chatter out of the output
export WINEDLLOVERRIDES="mscoree,mshtml=d"   # no Mono/Gecko installers
# Debian's wine32 where it runs; otherwise 64-bit Wine and prefix (see wine32-works.sh).
kirunner_scripts="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
if "$kirunner_scripts/wine32-works.sh"; then
  export WINEARCH=win32
  WINE=wine
else
  export WINEARCH=win64
  WINE=/usr/lib/wine/wine64
fi
# Plain glyphs: text pixels have exactly the colour drawn (see fonts.conf).
export FONTCONFIG_FILE="$kirunner_scripts/fonts.conf"
