#!/bin/bash
# Scan time of kxdf.scan against clang's own syntax check.
#
#   bench/scan_bench.sh SCANNER [BUILD_DIR] [ROUNDS]
#
# BUILD_DIR holds a compile_commands.json as CMake writes it (default: the
# example CMake project, configured into a temporary folder).  Prints, per
# unit, the best of ROUNDS (default 3) runs on one core of
#   clang++-14 -fsyntax-only (the unit's command)   and   kxdf.scan -j1 UNIT
# then the whole scan with -j1 and -j2, and a rerun after touching one unit.
set -euo pipefail
scanner=$(readlink -f "${1:?usage: scan_bench.sh SCANNER [BUILD_DIR] [ROUNDS]}")
build=${2:-}
rounds=${3:-3}
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

now() { date +%s.%N; }
best() {  # best ROUNDS COMMAND...: the shortest wall time of the command, in seconds
  local least=""
  for _ in $(seq "$rounds"); do
    local start end took
    start=$(now); "$@" >/dev/null 2>&1 || true; end=$(now)
    took=$(echo "$end - $start" | bc -l)
    if [ -z "$least" ] || [ "$(echo "$took < $least" | bc -l)" = 1 ]; then least=$took; fi
  done
  echo "$least"
}
syntax_only() {  # syntax_only DIRECTORY COMMAND
  local dir=$1 command=$2
  command=$(echo "$command" | sed -E 's/^[^ ]+/clang++-14/; s/ -o [^ ]+//; s/ -c / /')
  (cd "$dir" && eval "taskset -c 0 $command -fsyntax-only")
}
scan_one() {  # scan_one FILE
  rm -rf "$work/one"
  taskset -c 0 "$scanner" -p "$build" -o "$work/one" -j 1 "$1"
}

printf '%-40s %10s %10s %7s\n' unit "syntax s" "scan s" ratio
total_clang=0
total_scan=0
while IFS=$'\t' read -r dir command file; do
  clang_s=$(best syntax_only "$dir" "$command")
  scan_s=$(best scan_one "$file")
  printf '%-40s %10.3f %10.3f %7.2f\n' "$(basename "$file")" "$clang_s" "$scan_s" "$(echo "$scan_s / $clang_s" | bc -l)"
  total_clang=$(echo "$total_clang + $clang_s" | bc -l)
  total_scan=$(echo "$total_scan + $scan_s" | bc -l)
done < "$work/units"
printf '%-40s %10.3f %10.3f %7.2f\n' "all units, one core" "$total_clang" "$total_scan" "$(echo "$total_scan / $total_clang" | bc -l)"

fresh_scan() { rm -rf "$work/all"; "$scanner" -p "$build" -o "$work/all" -j "$1"; }
j1=$(best fresh_scan 1)
j2=$(best fresh_scan 2)
printf 'whole scan: -j1 %.3f s, -j2 %.3f s, speed-up %.2f\n' "$j1" "$j2" "$(echo "$j1 / $j2" | bc -l)"

first=$(head -1 "$work/units" | cut -f3)
"$scanner" -p "$build" -o "$work/all" -j 2 >/dev/null 2>&1 || true
rerun() { touch "$first"; "$scanner" -p "$build" -o "$work/all" -j 2; }
printf 'rerun after touching %s: %.3f s\n' "$(basename "$first")" "$(best rerun)"
