#!/bin/bash
# Builds the libFuzzer targets of the message layer with clang and runs each
# for FUZZ_SECONDS (default 60).
# Usage: messages/fuzz/run_fuzzers.sh [build-dir [extra cmake arguments...]]
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
dir="${1:-$root/build-fuzz}"
seconds="${FUZZ_SECONDS:-60}"
cmake -S "$root" -B "$dir" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=Debug -DTUK_SANITIZE=ON -DTUK_FUZZ=ON -DTUK_BUILD_TESTS=OFF \
  -DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link "${@:2}" >/dev/null
cmake --build "$dir" -j2 --target fuzz_errfile fuzz_format
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
# Findings (crash-*, timeout-*) are written to the build directory.
cd "$dir"
for target in fuzz_errfile fuzz_format; do
  echo "== $target (${seconds}s) =="
  mkdir -p "corpus-$target"
  "messages/fuzz/$target" "corpus-$target" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
    >"$target.log" 2>&1 || { tail -n 40 "$target.log"; exit 1; }
  grep -E "^#[0-9]+ +DONE" "$target.log" || true
done
