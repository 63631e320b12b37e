#!/usr/bin/env bash
# Installs what only the benchmarks need on Debian 12 (the ticker program tickr, which the CPU
# benchmark sets beside Kirunner). Safe to run again: it only installs what is missing. Needs root
# (or sudo). Not part of install-deps.sh: building and testing do not need it.
set -euo pipefail

"$(dirname "$0")/apt-install-missing.sh" tickr
