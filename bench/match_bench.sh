#!/bin/bash
# How well the report's template matching agrees with clang, on real projects.
#
#   bench/match_bench.sh [BUILD_DIR] [WORK_DIR] [EXAMPLES]
#
# For each project (the example CMake project and those under bench/projects)
# configures it with CMake for its compile_commands.json, scans it with
# kxdf.scan --clang-view (its libraries' header folders recorded too), runs
# template_usage.kxdf.generator twice, by default and with structural
# matching (and system headers left out of the file list), and prints one
# table: per project and category the recall and precision of both reports
# against clang's view (bench/match_measure.py).  BUILD_DIR is the
# generator's build tree (default: build); WORK_DIR keeps the scans and
# reports (default: a temporary folder, removed afterwards); EXAMPLES > 0
# lists that many misses and false hits per category and report after the table.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(readlink -f "${1:-$root/build}")
work=${2:-}
examples=${3:-0}
scanner=${KXDF_SCAN:-$build/scan/kxdf.scan}
generator=${KXDF_GENERATOR:-$build/app/template_usage.kxdf.generator}
for program in "$scanner" "$generator"; do
  [ -x "$program" ] || { echo "match_bench: $program not built" >&2; exit 2; }
done
if [ -z "$work" ]; then
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
fi
mkdir -p "$work/bin"
work=$(readlink -f "$work")
cp "$root/config/products/ktlpp.cfg" "$work/bin/"
export KTLPPBIN="$work/bin"

# name|source folder|recorded library folders (blank-separated)
projects=(
  "terrain|$root/examples/cmake-project|/usr/include/gsl /usr/include/glm"
  "settings|$root/bench/projects/settings|/usr/include/nlohmann"
  "shapes|$root/bench/projects/shapes|/usr/include/fmt"
)

# report NAME MODE [generator options...]: the generator's run over the scan
# of NAME, its seven documents kept in NAME/MODE.
report() {
  local name=$1 mode=$2
  shift 2
  local scan="$work/$name/scan"
  "$generator" ktlpp -via "$scan/settings.via" -list "$scan/files.lst" "$@" >"$work/$name/$mode.log" 2>&1 ||
    { echo "match_bench: the generator failed on $name ($mode), see $work/$name/$mode.log" >&2; return 1; }
  rm -rf "${work:?}/$name/$mode"
  mkdir -p "$work/$name/$mode"
  cp "$scan"/*.kxdf.xml "$work/$name/$mode/"
}

header=""
: >"$work/examples.txt"
for entry in "${projects[@]}"; do
  IFS='|' read -r name source libraries <<<"$entry"
  mkdir -p "$work/$name"
  cmake -S "$source" -B "$work/$name/build" -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >"$work/$name/cmake.log" 2>&1 ||
    { echo "match_bench: cannot configure $name, see $work/$name/cmake.log" >&2; exit 1; }
  # A fresh scan: the scanner's stamps would keep views of an older scanner.
  rm -rf "${work:?}/$name/scan"
  records=()
  for folder in $libraries; do records+=(--record "$folder"); done
  "$scanner" -p "$work/$name/build" -o "$work/$name/scan" --clang-view "${records[@]}" >"$work/$name/scan.log" 2>&1 ||
    { echo "match_bench: the scan of $name failed, see $work/$name/scan.log" >&2; exit 1; }
  report "$name" default
  report "$name" structural -po mxo::structural_match -po mxo::omit_system_headers
  python3 "$root/bench/match_measure.py" --views "$work/$name/scan" --project "$name" --examples "$examples" \
    --examples-to "$work/examples.txt" \
    --label default --label structural $header "$work/$name/default" "$work/$name/structural"
  header=--no-header
done
[ "$examples" -gt 0 ] && cat "$work/examples.txt"
exit 0
