#!/usr/bin/env bash
# Succeeds where the kernel runs 32-bit Linux programs. Some virtual machines run 64-bit user
# code only, and there Wine's 32-bit half can never start: knowing this first keeps the install
# from adding an architecture and packages that would never run.
# It runs the smallest 32-bit program there is (an ELF header, one program header and three
# instructions: exit with code 42), written out byte by byte; no compiler is needed for it.
set -u
probe="$(mktemp "${TMPDIR:-/tmp}/kirunner-probe32.XXXXXX")" || exit 1
trap 'rm -f "$probe"' EXIT
printf '\177ELF\001\001\001\000\000\000\000\000\000\000\000\000' >"$probe"
printf '\002\000\003\000\001\000\000\000\124\200\004\010\064\000\000\000' >>"$probe"
printf '\000\000\000\000\000\000\000\000\064\000\040\000\001\000\000\000' >>"$probe"
printf '\000\000\000\000\001\000\000\000\000\000\000\000\000\200\004\010' >>"$probe"
printf '\000\200\004\010\140\000\000\000\140\000\000\000\005\000\000\000' >>"$probe"
printf '\000\020\000\000\270\001\000\000\000\273\052\000\000\000\315\200' >>"$probe"
chmod +x "$probe"
"$probe" 2>/dev/null
[ $? -eq 42 ]
