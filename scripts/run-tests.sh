#!/usr/bin/env bash
# Runs the whole suite of the build that Wine runs here (or the tests the arguments choose), then
# says which program it tested and why, so that a reader of a CI log knows, and repeats ctest's
# count as the last line. Two tests run at a time: the tests' resource locks keep those that
# share a screen or a prefix apart (tests/CMakeLists.txt).
# Usage: run-tests.sh BUILD TESTS_BUILD [CTEST_ARGS...]
set -euo pipefail
build="$(realpath -m "$1")"; tests_build="$(realpath -m "$2")"; shift 2
log="$tests_build/ctest-output.txt"
mkdir -p "$tests_build"

status=0
"$(dirname "$0")/with-display.sh" "$tests_build/wineprefix" \
  ctest --test-dir "$tests_build" --output-on-failure -j 2 "$@" 2>&1 | tee "$log" || status=$?

if [ "$tests_build" = "$build" ]; then
  echo "kirunner: tested the 32-bit program that ships ($build/Kirunner.exe)"
else
  echo "kirunner: tested the 64-bit copy of the same sources ($tests_build/Kirunner.exe)," \
       "as configured in $build/tests-build; the shipped 32-bit program was built, not run"
  here="$(dirname "$0")"
  if ! "$here/runs-32bit-programs.sh"; then
    echo "kirunner: the 64-bit copy, because this machine runs no 32-bit programs"
  elif ! "$here/wine32-works.sh"; then
    echo "kirunner: the 64-bit copy, because Wine's 32-bit half (wine32:i386) is not installed or does not start," \
         "though this machine runs 32-bit programs (scripts/install-deps.sh says why it could not install it)"
  else
    echo "kirunner: the 64-bit copy, because $build was configured so (KIRUNNER_WINE_RUNS_32BIT=OFF)," \
         "though Wine here runs 32-bit programs"
  fi
fi
total="$(sed -n 's/.* tests failed out of \([0-9]*\)$/\1/p' "$log" | tail -n1)"
failed="$(sed -n 's/.*, \([0-9]*\) tests\{0,1\} failed out of .*/\1/p' "$log" | tail -n1)"
skipped="$(grep -c '(Skipped)$' "$log" || true)"
if [ -n "$total" ] && [ -n "$failed" ]; then
  echo "kirunner: $((total - failed - skipped)) passed, $failed failed, $skipped skipped"
fi
exit "$status"
