#!/usr/bin/env bash
# Succeeds where Debian's wine32 can start, that is where the kernel runs 32-bit Linux programs.
# Some virtual machines run 64-bit user code only; there Wine runs 64-bit Windows programs alone.
# Asked once, when the 32-bit build is first configured (cmake/tests-build.cmake).
set -euo pipefail
/usr/lib/wine/wine --version >/dev/null 2>&1
