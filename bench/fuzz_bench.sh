#!/bin/bash
# Runs fuzz targets for a given time and prints, per target, the
# executions done and executions per second (with no finding; a finding
# stops the script with the runner's report).
#   bench/fuzz_bench.sh SECONDS [TARGET...]      (default: every target)
# FUZZ_CHUNK (seconds, default SECONDS) splits a long run into several
# runs of the target, each going on from the corpus the last one left, so
# that the process-wide stores of a long run (interned names, file names)
# start afresh now and then, as they do for every run of the program.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:?usage: bench/fuzz_bench.sh SECONDS [TARGET...]}"
shift
chunk="${FUZZ_CHUNK:-$seconds}"
dir="${FUZZ_BUILD_DIR:-$root/build-fuzz}"
targets="${*:-fuzz_errfile fuzz_format fuzz_record_lines fuzz_define_records fuzz_relation_records
                fuzz_identifiers fuzz_names fuzz_encoding fuzz_config}"
for target in $targets; do
  total=0
  left=$seconds
  while [ "$left" -gt 0 ]; do
    now=$(( left < chunk ? left : chunk ))
    out=$(FUZZ_SECONDS=$now FUZZ_TARGETS=$target bash "$root/fuzz/run_fuzzers.sh" "$dir") || {
      echo "$out"
      exit 1
    }
    runs=$(sed -n "s/^$target: \([0-9]*\) executions.*/\1/p" <<<"$out")
    total=$((total + runs))
    left=$((left - now))
  done
  echo "$target: $total executions in ${seconds}s ($((total / seconds)) exec/s)"
done
