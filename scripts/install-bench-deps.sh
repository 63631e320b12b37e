#!/usr/bin/env bash
# Installs what only the benchmarks need on Debian 12 (the ticker program tickr, which the CPU
# benchmark sets beside Kirunner). Safe to run again: it only installs what is missing. Needs root
# (or sudo). Not part of install-deps.sh: building and testing do not need it.
set -euo pipefail

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

packages=(tickr)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ "${#missing[@]}" -gt 0 ]; then
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}" ||
    { $SUDO apt-get update -q &&
      DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"; }
fi
