#!/bin/bash
# Scan time of kxdf.scan against clang's own syntax check.
#
#   bench/scan_bench.sh SCANNER [BUILD_DIR] [ROUNDS] [UNITS]
#
# BUILD_DIR holds a compile_commands.json as CMake writes it (default: the
# example CMake project, configured into a temporary folder).  Prints, per
# unit, the best of ROUNDS (default 3) runs on one core of
#   clang++-14 -fsyntax-only (the unit's command)   and   kxdf.scan -j1 UNIT
# then the whole scan with -j1 and -j2, and a rerun after touching one unit.
# UNITS limits the run to the first UNITS units of the database.
set -euo pipefail
scanner=$(readlink -f "${1:?usage: scan_bench.sh SCANNER [BUILD_DIR] [ROUNDS]}")
build=${2:-}
rounds=${3:-3}
limit=${4:-0}
here=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if [ -z "$build" ]; then
  build="$work/build"
  cmake -S "$here/examples/cmake-project" -B "$build" -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >/dev/null
fi
db="$build/compile_commands.json"

# directory<TAB>command<TAB>file, one unit a line (CMake's layout: one key a line).
awk -F'"' '/"directory":/ { d = $4 } /"command":/ { c = $0; sub(/^[^:]*: *"/, "", c); sub(/",? *$/, "", c) }
           /"file":/ { print d "\t" c "\t" $4 }' "$db" > "$work/units"
if [ "$limit" -gt 0 ]; then head -n "$limit" "$work/units" > "$work/some" && mv "$work/some" "$work/units"; fi
chosen=()
while IFS=$'\t' read -r _ _ file; do chosen+=("$file"); done < "$work/units"

# The least time of ROUNDS runs of a shell command, in seconds: processor
# time (user + system, its children included; stable on a busy machine) or
# wall time.
measure() {  # measure cpu|wall COMMAND
  local kind=$1 command=$2 least="" took
  for _ in $(seq "$rounds"); do
    /usr/bin/time -f "%e %U %S" -o "$work/time" bash -c "$command" >/dev/null 2>&1 || true
    if [ "$kind" = cpu ]; then took=$(awk '{ print $2 + $3 }' "$work/time"); else took=$(awk '{ print $1 }' "$work/time"); fi
    if [ -z "$least" ] || [ "$(echo "$took < $least" | bc -l)" = 1 ]; then least=$took; fi
  done
  echo "$least"
}
files=$(printf ' %q' "${chosen[@]}")

printf 'processor seconds per unit, best of %s, one core\n' "$rounds"
printf '%-40s %10s %10s %7s\n' unit "syntax s" "scan s" ratio
total_clang=0
total_scan=0
while IFS=$'\t' read -r dir command file; do
  # The scanner's own additions: no warnings, so -Werror cannot stop clang.
  syntax=$(echo "$command" | sed -E 's/^[^ ]+/clang++-14/; s/ -o [^ ]+//; s/ -c / /')
  clang_s=$(measure cpu "cd $(printf %q "$dir") && taskset -c 0 $syntax -fsyntax-only -w -Wno-error")
  scan_s=$(measure cpu "rm -rf $work/one && taskset -c 0 $scanner -p $build -o $work/one -j 1 $(printf %q "$file")")
  printf '%-40s %10.3f %10.3f %7.2f\n' "$(basename "$file")" "$clang_s" "$scan_s" "$(echo "$scan_s / $clang_s" | bc -l)"
  total_clang=$(echo "$total_clang + $clang_s" | bc -l)
  total_scan=$(echo "$total_scan + $scan_s" | bc -l)
done < "$work/units"
printf '%-40s %10.3f %10.3f %7.2f\n' "all units" "$total_clang" "$total_scan" "$(echo "$total_scan / $total_clang" | bc -l)"

j1=$(measure wall "rm -rf $work/all && $scanner -p $build -o $work/all -j 1 $files")
j2=$(measure wall "rm -rf $work/all && $scanner -p $build -o $work/all -j 2 $files")
printf 'whole scan, wall time: -j1 %.3f s, -j2 %.3f s, speed-up %.2f\n' "$j1" "$j2" "$(echo "$j1 / $j2" | bc -l)"

first=$(head -1 "$work/units" | cut -f3)
"$scanner" -p "$build" -o "$work/all" -j 2 "${chosen[@]}" >/dev/null 2>&1 || true
rerun=$(measure wall "touch $(printf %q "$first") && $scanner -p $build -o $work/all -j 2 $files")
printf 'rerun after touching %s, wall time: %.3f s\n' "$(basename "$first")" "$rerun"
