#!/bin/bash
# Builds every libFuzzer target with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each for FUZZ_SECONDS (default 15),
# printing its executions and executions per second.
#   fuzz/run_fuzzers.sh [build-dir [extra cmake arguments...]]
# FUZZ_TARGETS picks targets (blank-separated, default all); FUZZ_MAX_LEN
# bounds the input size (default 65536); FUZZ_NO_CMP=1 builds without
# comparison tracing (about twice the executions per second, for volume
# runs on a corpus grown with it; libFuzzer then mutates by coverage and
# the dictionary only).  Each target starts from its seeds
# in fuzz/corpus/TARGET, the bundled examples that fit it, and the corpus it
# grew in earlier runs (build-dir/corpus-TARGET).  Findings (crash-*,
# timeout-*, oom-*) are written to the build directory; the script then
# ends with status 1.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
dir="${1:-$root/build-fuzz}"
seconds="${FUZZ_SECONDS:-15}"
max_len="${FUZZ_MAX_LEN:-65536}"
coverage="-fsanitize=fuzzer-no-link"
[ "${FUZZ_NO_CMP:-0}" = 1 ] && coverage="$coverage -fno-sanitize-coverage=trace-cmp"
all="fuzz_errfile fuzz_format fuzz_record_lines fuzz_define_records fuzz_relation_records
     fuzz_identifiers fuzz_names fuzz_encoding fuzz_config fuzz_html"
targets="${FUZZ_TARGETS:-$all}"

# Where each target's program lives and which bundled files seed it.
program() {
  case $1 in
    fuzz_errfile|fuzz_format) echo "$dir/messages/fuzz/$1" ;;
    *) echo "$dir/fuzz/$1" ;;
  esac
}
seeds() {
  echo "$root/fuzz/corpus/$1"
  case $1 in
    fuzz_record_lines|fuzz_define_records|fuzz_relation_records)
      echo "$root/examples/project/out" "$root/tests/data/model" "$root/tests/data/modelreader/out" ;;
  esac
}
# Targets that write to standard output or error for ordinary inputs (the
# configuration layer reports unknown options there) run with both closed;
# findings are still reported.  The model keeps every interned name and
# file name for the whole run, so nearly every input of the model targets
# looks like a leak to libFuzzer's per-input check, which then scans the
# heap; they leave leaks to the check at the end of the run (three times
# the executions).  Their large record files also make libFuzzer's
# feature-frequency weighting (-entropic) cost more than the input itself.
# The record, identifier and name targets get the tokens of record files
# (fuzz/records.dict) to splice in.
extra_options() {
  case $1 in
    fuzz_config) echo "-close_fd_mask=3" ;;
    fuzz_define_records|fuzz_relation_records) echo "-detect_leaks=0 -entropic=0 -dict=$root/fuzz/records.dict" ;;
    fuzz_identifiers) echo "-detect_leaks=0 -dict=$root/fuzz/records.dict" ;;
    fuzz_record_lines|fuzz_names) echo "-dict=$root/fuzz/records.dict" ;;
  esac
}

# -O1: a fuzzer build runs inputs, not a debugger; unoptimised code is
# several times slower under the sanitizers.
cmake -S "$root" -B "$dir" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=Debug -DTUK_SANITIZE=ON -DTUK_FUZZ=ON -DTUK_BUILD_TESTS=OFF \
  "-DCMAKE_CXX_FLAGS=$coverage -O1" "${@:2}" >/dev/null
# shellcheck disable=SC2086
cmake --build "$dir" -j2 --target $targets
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
cd "$dir"
for target in $targets; do
  echo "== $target (${seconds}s) =="
  mkdir -p "corpus-$target"
  existing=()
  for d in $(seeds "$target"); do [ -d "$d" ] && existing+=("$d"); done
  # shellcheck disable=SC2046
  "$(program "$target")" "corpus-$target" "${existing[@]}" -max_total_time="$seconds" \
    -max_len="$max_len" -timeout=10 -print_final_stats=1 $(extra_options "$target") \
    >"$target.log" 2>&1 || { tail -n 60 "$target.log"; exit 1; }
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$target.log")
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$target.log")
  echo "$target: $runs executions in ${seconds}s ($rate exec/s)"
done
