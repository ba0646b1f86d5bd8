#!/bin/bash
# Scans the small sources in constructs/ and checks that each record of
# NAME.expected appears in NAME.cpp.met (`@DIR@` stands for the folder of the
# sources), and that no line of NAME.absent does.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
dir="$here/constructs"
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$SCANNER" "$dir"/*.cpp -o "$out" -j 2 --clang-view -- -std=c++17 -nostdinc
failed=0
for expected in "$dir"/*.expected; do
  name=$(basename "$expected" .expected)
  records="$out/$name.cpp.met"
  while IFS= read -r line; do
    [ -z "$line" ] && continue
    want=${line//@DIR@/$dir}
    if ! grep -qxF -- "$want" "$records"; then
      echo "missing in $name.cpp.met: $want"
      failed=1
    fi
  done < "$expected"
  absent="$dir/$name.absent"
  [ -f "$absent" ] || continue
  while IFS= read -r line; do
    [ -z "$line" ] && continue
    if grep -qF -- "$line" "$records"; then
      echo "unexpected in $name.cpp.met: $line"
      failed=1
    fi
  done < "$absent"
done
# clang's own view of a unit, written beside its record file.
for want in 'class num::Wrap<int>' 'class num::Wrap<long>' 'function num::Wrap<int>::as<char>(void)' \
            "variable a {cnum::Wrap<int>} \"$dir/members.cpp\" 22"; do
  grep -qxF -- "$want" "$out/members.cpp.view" || { echo "missing in members.cpp.view: $want"; failed=1; }
done

# A class specialisation is written once, nested ones with their class.
for records in "$out"/*.met; do
  dups=$(grep ' DS TG ' "$records" | sort | uniq -d)
  [ -z "$dups" ] || { echo "written twice: $dups"; failed=1; }
done
if ! grep -A1 -F '<DEFINE> Outer<int> ' "$out/forms.cpp.met" | grep -qF '<DEFINE> Outer<int>::Inner<char> '; then
  echo "Outer<int>::Inner<char> not after Outer<int>"; failed=1
fi

# Every instantiated member's DS is directly followed by its DD.
for records in "$out"/*.met; do
  if ! awk '$6 == "DS" && $7 == "OF" && $8 == "C" { want = $0; sub(/ DS OF /, " DD OF ", want); next_is = 1; next }
            next_is { if ($0 != want) { print "no DD after: " want; bad = 1 } next_is = 0 }
            END { exit bad }' "$records"; then
    failed=1
  fi
done
exit $failed
