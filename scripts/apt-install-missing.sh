#!/usr/bin/env bash
# Installs those of the given Debian packages that are not installed yet. Needs root (or sudo).
# Usage: apt-install-missing.sh PACKAGE...
#
# The package lists are refreshed first, only when something is missing. A list that cannot be
# fetched (a mirror in the middle of a sync answers "File has unexpected size") is tried again a
# few times; after that the install goes on with the lists that did arrive and says which one
# failed. It fails only when a package asked for cannot be installed.
# Where KIRUNNER_APT_UPDATED names a file, the lists are refreshed only while that file is
# missing, and it is made after the refresh: a script that installs in several steps refreshes
# them once (and again only after it has changed what they hold, by deleting the file).
set -uo pipefail
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
tries=3
pause=5

missing=()
for p in "$@"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ "${#missing[@]}" -eq 0 ] && exit 0

update_log="$(mktemp)"
trap 'rm -f "$update_log"' EXIT
stamp="${KIRUNNER_APT_UPDATED:-}"
if [ -n "$stamp" ] && [ -e "$stamp" ]; then tries=0; fi
for attempt in $(seq "$tries"); do
  if $SUDO apt-get update -q >"$update_log" 2>&1; then
    cat "$update_log"
    break
  fi
  cat "$update_log"
  if [ "$attempt" -lt "$tries" ]; then
    echo "apt-install-missing: updating the package lists failed (try $attempt of $tries); trying again in $pause s"
    sleep "$pause"
  else
    echo "apt-install-missing: these package lists could not be fetched; going on with the lists that arrived:"
    grep -E '^[EW]: Failed to fetch' "$update_log" | sed -E 's/^[EW]: Failed to fetch /  /' | sort -u
  fi
done
if [ -n "$stamp" ]; then touch "$stamp"; fi

# Through env: sudo passes on no variables of the caller's.
if ! $SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"; then
  echo "apt-install-missing: could not install: ${missing[*]}" >&2
  exit 1
fi
