#!/usr/bin/env bash
# Creates the project's Wine prefix once (needs DISPLAY set, see with-display.sh).
# Usage: wine-prefix.sh PREFIX
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
prefix="$1"
marker="$prefix/.kirunner-ready"

# Drive K: is an empty folder of the prefix's own, for tests of a program at a drive root.
add_test_drive() {
  [ -d "$prefix/dosdevices" ] || return 0
  mkdir -p "$prefix/drive_k"
  ln -sfn ../drive_k "$prefix/dosdevices/k:"
}
if [ -f "$marker" ]; then add_test_drive; exit 0; fi

. "$here/wine-env.sh" "$prefix"
mkdir -p "$(dirname "$prefix")"
"$WINE" wineboot -i >/dev/null 2>&1

reg() { "$WINE" reg add "$1" /v "$2" /t "$3" /d "$4" /f >/dev/null 2>&1; }
# Without a window manager Wine waits on every window close unless windows are unmanaged.
reg 'HKCU\Software\Wine\X11 Driver' Managed REG_SZ N
# The Japanese UI and caption font, served by the IPA fonts.
reg 'HKCU\Software\Wine\Fonts\Replacements' 'ＭＳ Ｐゴシック' REG_SZ IPAPGothic
reg 'HKCU\Software\Wine\Fonts\Replacements' 'ＭＳ ゴシック' REG_SZ IPAGothic
reg 'HKCU\Software\Wine\Fonts\Replacements' 'MS PGothic' REG_SZ IPAPGothic
# A crashing program ends at once instead of opening the debugger dialog.
reg 'HKCU\Software\Wine\WineDbg' ShowCrashDialog REG_DWORD 0
wineserver -w
add_test_drive
touch "$marker"
