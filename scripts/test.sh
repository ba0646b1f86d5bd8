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
# The README's first command comes first, while the build directory holds
# only what it builds itself (on a fresh machine: nothing), with a fresh
# install prefix and report folder.
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTUK_WERROR=ON >/dev/null
bash scripts/check-example.sh build
run_suite build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTUK_WERROR=ON
echo "== sanitizer build =="
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
run_suite build-asan -DCMAKE_BUILD_TYPE=Debug -DTUK_SANITIZE=ON -DTUK_WERROR=ON
echo "== fuzzing: every parser of outside input =="
FUZZ_SECONDS=${FUZZ_SECONDS:-20} bash fuzz/run_fuzzers.sh "$(pwd)/build-fuzz" -DTUK_WERROR=ON
echo "fuzzing: no crash found"
