#!/usr/bin/env bash
# Succeeds where Debian's wine32 can start, that is where the kernel runs 32-bit Linux programs.
# Some virtual machines run 64-bit user code only; there Wine runs 64-bit Windows programs alone.
/usr/lib/wine/wine --version >/dev/null 2>&1
