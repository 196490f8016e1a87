#!/usr/bin/env bash
# Fuzzes the .bmp decoder natively with libFuzzer (clang, AddressSanitizer, UBSan) for a bounded
# time, from the seed corpus in tests/fuzz/corpus. Fails on any crash or sanitizer report.
# Usage: scripts/fuzz.sh [seconds] (default 60)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TUK_BUILD_DIR:-$root/build}
seconds=${1:-60}
out=$build/fuzz
mkdir -p "$out/corpus"

clang++ -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
  -I"$root" "$root/toolkit/bmp_codec.cpp" "$root/tests/fuzz/bmp_decode_fuzzer.cpp" \
  -o "$out/bmp_decode_fuzzer"

# New inputs go to the build folder's corpus; the committed seeds are only read.
"$out/bmp_decode_fuzzer" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
  -artifact_prefix="$out/" "$out/corpus" "$root/tests/fuzz/corpus" 2>"$out/fuzz.log" || {
  tail -n 40 "$out/fuzz.log"
  exit 1
}
grep -E '^Done [0-9]+ runs' "$out/fuzz.log" || tail -n 2 "$out/fuzz.log"
