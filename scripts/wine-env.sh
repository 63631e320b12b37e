# Sourced by the Wine wrappers: the environment every Wine process of the project gets.
# Usage: . scripts/wine-env.sh PREFIX
export WINEPREFIX="$1"
export LC_ALL=ja_JP.UTF-8            # gives the ANSI code page 932
export WINEDEBUG=-all               # keeps Wine's own chatter out of the output
export WINEDLLOVERRIDES="mscoree,mshtml=d"   # no Mono/Gecko installers
export WINEARCH=win32
# Plain glyphs: text pixels have exactly the colour drawn (see fonts.conf).
export FONTCONFIG_FILE="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/fonts.conf"
