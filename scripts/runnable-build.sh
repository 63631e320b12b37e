#!/usr/bin/env bash
# Prints the build folder whose programs Wine can run on this machine: BUILD itself, with the
# 32-bit program and tests, or, where Wine runs no 32-bit programs, BUILD/x86_64, a 64-bit build
# of the same sources. With --make it also configures and builds that 64-bit folder.
# Usage: runnable-build.sh BUILD [--make JOBS]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="$1"
if "$here/wine32-works.sh"; then
  echo "$build"
  exit 0
fi
x64="$build/x86_64"
if [ "${2:-}" = "--make" ]; then
  if [ ! -f "$x64/CMakeCache.txt" ]; then
    cmake -S "$here/.." -B "$x64" -DCMAKE_TOOLCHAIN_FILE="$here/../cmake/mingw-x86_64.cmake" \
      -DCMAKE_BUILD_TYPE=Release >&2
  fi
  cmake --build "$x64" -j "${3:-2}" >&2
fi
echo "$x64"
