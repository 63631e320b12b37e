#!/usr/bin/env bash
# Runs a test of the web remote against the real program: Kirunner.exe started under Wine in a
# folder of its own with the remote switched on and the three captions the test host shows;
# KIRUNNER_URL, KIRUNNER_TOKEN and KIRUNNER_VIEW_KEY tell the test where it listens; KIRUNNER_SOURCE_URL
# adds an alert source; KIRUNNER_SETTINGS adds settings lines after [SYSTEM]'s, separated by spaces
# (e.g. "SMOOTH=1 LANECOUNT=2 [LANE2] SPEEDPX=50").
# Usage: with-program.sh WINE_RUN PREFIX KIRUNNER_EXE COMMAND [ARGS...]
set -euo pipefail
wine_run="$(realpath "$1")"; prefix="$(realpath -m "$2")"; exe="$(realpath "$3")"; shift 3
folder="$(mktemp -d)"
program=""
finish() {
  [ -n "$program" ] && kill "$program" 2>/dev/null || true
  [ -n "$program" ] && wait "$program" 2>/dev/null || true
  rm -rf "$folder"
}
trap finish EXIT

port="$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')"
token="program-token-0123456789abcdef"
viewkey="program-view-key-0123456789abcdef"
hex() { printf '%s' "$1" | iconv -f UTF-8 -t CP932 | od -An -tx1 | tr -d ' \n'; }
{
  printf '[SYSTEM]\r\nITEMCOUNT=3\r\nHTTPPORT=%s\r\nHTTPTOKEN=%s\r\nHTTPVIEWKEY=%s\r\n' "$port" "$token" "$viewkey"
  [ -z "${KIRUNNER_SOURCE_URL:-}" ] || printf 'SOURCECOUNT=1\r\n'
  read -ra lines <<< "${KIRUNNER_SETTINGS:-}"
  for line in "${lines[@]}"; do printf '%s\r\n' "$line"; done
  printf '[ITEM0]\r\nMINUTE=5\r\nSTRINGS=%s\r\n' "$(hex '開演まであと5分です')"
  printf '[ITEM1]\r\nMINUTE=3\r\nSTRINGS=%s\r\n' "$(hex 'ロビーでの飲食はご遠慮ください')"
  printf '[ITEM2]\r\nMINUTE=10\r\nSTRINGS=%s\r\n' "$(hex 'Welcome to the show')"
  [ -z "${KIRUNNER_SOURCE_URL:-}" ] || printf '[SOURCE0]\r\nEXEC=1\r\nMODE=1\r\nREFRESH=3600\r\nURL=%s\r\n' "$KIRUNNER_SOURCE_URL"
} > "$folder/Kirunner.ini"
cp "$exe" "$folder/Kirunner.exe"
(cd "$folder" && exec "$wine_run" "$prefix" Kirunner.exe) &
program=$!
for _ in $(seq 300); do
  if python3 -c "import socket,sys; socket.create_connection(('127.0.0.1', $port), 1)" 2>/dev/null; then break; fi
  sleep 0.2
done
export KIRUNNER_URL="http://127.0.0.1:$port" KIRUNNER_TOKEN="$token" KIRUNNER_VIEW_KEY="$viewkey" KIRUNNER_FOLDER="$folder"
"$@"
