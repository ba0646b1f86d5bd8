#!/bin/bash
# Builds and runs every test twice: a normal build, then an
# AddressSanitizer + UndefinedBehaviorSanitizer build; then runs every
# fuzz target (parsers of outside input) for 20 seconds each.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
jobs=$(nproc)

run_suite() {
  local dir=$1; shift
  cmake -S . -B "$dir" "$@" >/dev/null
  cmake --build "$dir" -j "$jobs"
  (cd "$dir" && ctest --output-on-failure -j "$jobs")
}

echo "== normal build =="
run_suite build -DCMAKE_BUILD_TYPE=RelWithDebInfo
echo "== sanitizer build =="
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
run_suite build-asan -DCMAKE_BUILD_TYPE=Debug -DTUK_SANITIZE=ON
echo "== fuzzing: every parser of outside input =="
FUZZ_SECONDS=${FUZZ_SECONDS:-20} bash fuzz/run_fuzzers.sh "$(pwd)/build-fuzz"
echo "fuzzing: no crash found"
