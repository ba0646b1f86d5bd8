#!/bin/bash
# bench/match_measure.py on a small hand-made report and clang view whose
# figures were counted by hand: every rule of the comparison moves one of them.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
tool="$SOURCE_ROOT/bench/match_measure.py"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$here/match/report" "$here/match/scan" "$work/"
find "$work" -type f -exec sed -i "s|@DIR@|$work|g" {} +
failed=0

# The table: the same report twice stands side by side with equal figures.
python3 "$tool" --views "$work/scan" --project tiny --label default --label again "$work/report" "$work/report" \
  >"$work/table" 2>"$work/notes"
diff -u "$here/match/expected.txt" "$work/table" || failed=1
grep -qxF "match_measure: fragments under an unknown heading left out: lib::Pair Something Else" "$work/notes" ||
  { echo "no note of the unknown heading"; failed=1; }

# The examples name what was missed and what is false.
python3 "$tool" --views "$work/scan" --examples 10 "$work/report" >"$work/examples" 2>/dev/null
for want in "instance variables missed: lib::Box  $work/main.cpp:7  d" \
            "instance variables missed: lib::Pair  $work/main.cpp:15  q" \
            "instantiated members false: lib::Box primary  $work/box.h:24-24" \
            "class templates false: lib::Other  $work/pair.h:5-6" \
            "function/unit pairs false: $work/algo.h:40 in $work/util.cpp" \
            "function/unit pairs false: $work/algo.h:11 in $work/main.cpp" \
            "function/unit pairs missed: $work/algo.h:50 in $work/main.cpp"; do
  grep -qF -- "$want" "$work/examples" || { echo "missing example: $want"; failed=1; }
done
# Units after an overload's own list belong to it alone; equal fragments count once.
for unwanted in "algo.h:30 in $work/util.cpp" "main.cpp:6-6" "std::vector"; do
  if grep -qF -- "$unwanted" "$work/examples"; then echo "unexpected example: $unwanted"; failed=1; fi
done

# Bad input ends with a message, not a trace.
mkdir "$work/empty"
printf 'template class broken\nmember x\n' >"$work/empty/odd.view.txt"
for args in "--views $work/empty $work/report" "--views $work/scan $work/empty" "--views $work/nowhere $work/report"; do
  # shellcheck disable=SC2086
  if python3 "$tool" $args >"$work/out" 2>&1; then echo "accepted: $args"; failed=1; fi
  grep -q "^match_measure: " "$work/out" || { echo "no message for: $args"; cat "$work/out"; failed=1; }
  if grep -q Traceback "$work/out"; then echo "trace for: $args"; failed=1; fi
done
exit $failed
