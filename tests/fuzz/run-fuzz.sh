#!/usr/bin/env bash
# Builds the request parser's fuzz target natively with clang's libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs it for SECONDS from the seed requests (skip, 77, without
# clang). Usage: run-fuzz.sh SOURCE_DIR WORK_DIR [SECONDS]
set -euo pipefail
source_dir="$1"; work="$2"; seconds="${3:-60}"
if ! command -v clang++ >/dev/null; then echo "fuzzing skipped: no clang++"; exit 77; fi
mkdir -p "$work/corpus"
clang++ -std=c++17 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
  -I"$source_dir" "$source_dir/tests/fuzz/fuzz_http_request.cpp" \
  "$source_dir/surfaces/HttpRequestParser.cpp" "$source_dir/surfaces/HostCheck.cpp" -o "$work/fuzz_http_request"
printf '\x05GET /api/state HTTP/1.1\r\nHost: 127.0.0.1:8765\r\nAuthorization: Bearer x\r\n\r\n' > "$work/corpus/get"
printf '\x20POST /api/text HTTP/1.1\r\nHost: [::1]:8765\r\nContent-Length: 12\r\n\r\n{"text":"a"}GET / HTTP/1.0\r\n\r\n' > "$work/corpus/post"
exec "$work/fuzz_http_request" -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 "$work/corpus"
