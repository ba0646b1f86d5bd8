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
need() {  # need FILE LINE...: every LINE is a whole line of FILE
  local file=$1 want; shift
  for want in "$@"; do
    grep -qxF -- "$want" "$file" || { echo "missing in $(basename "$file"): $want"; failed=1; }
  done
}
for expected in "$dir"/*.expected; do
  name=$(basename "$expected" .expected)
  records="$out/$name.cpp.met"
  while IFS= read -r line; do
    [ -z "$line" ] || need "$records" "${line//@DIR@/$dir}"
  done < "$expected"
  absent="$dir/$name.absent"
  [ -f "$absent" ] || continue
  while IFS= read -r line; do
    if [ -n "$line" ] && grep -qF -- "$line" "$records"; then echo "unexpected in $name.cpp.met: $line"; failed=1; fi
  done < "$absent"
done
# clang's own view of a unit, written beside its record file; a member
# template's specialisation is a member.
need "$out/members.cpp.view" 'class num::Wrap<int>' 'class num::Wrap<long>' \
  'function num::Wrap<int>::as<char>(void)' "variable a {cnum::Wrap<int>} \"$dir/members.cpp\" 22" \
  "member primary num::Wrap<@ClassTempParam1> num::Wrap<int>::as<char>(void) \"$dir/members.cpp\" 10"

# Facts of the view that only name what the report can show.
view="$out/view.cpp.view"
need "$view" "unit \"$dir/view.cpp\"" \
  "template class Cell<@ClassTempParam1> \"$dir/view.cpp\" 4" \
  "template function twice<@FuncTempParam1>(@FuncTempParam1) \"$dir/view.cpp\" 12" \
  "use twice<@FuncTempParam1>(@FuncTempParam1) twice<int>(int) \"$dir/view.cpp\" 12" \
  "instance primary Cell<@ClassTempParam1> Board::first \"$dir/view.cpp\" 19" \
  "member primary Cell<@ClassTempParam1> Cell<int>::get(void) \"$dir/view.cpp\" 7" \
  "member primary Cell<@ClassTempParam1> Cell<int>::@constructor(void) \"$dir/view.cpp\" 5"
# Not: the variable inside the instantiated function, the pointer member, the
# deleted constructor, the generic lambda, anything of Cell<char>.
for unwanted in "inside" "pointer" "Cell<int>const&" "@lambda" "Cell<char>"; do
  if grep -v '^variable ' "$view" | grep -qF -- "$unwanted"; then echo "unexpected in view.cpp.view: $unwanted"; failed=1; fi
done
specialisations="$out/specialisations.cpp.view"
need "$specialisations" "template partial Map<int,@ClassTempParam1> \"$dir/specialisations.cpp\" 9" \
  "template explicit Traits<int> \"$dir/specialisations.cpp\" 18" \
  "instance partial Map<@ClassTempParam1,@ClassTempParam2> byInt \"$dir/specialisations.cpp\" 31" \
  "member partial Map<@ClassTempParam1,@ClassTempParam2> Map<int,double>::find(int) \"$dir/specialisations.cpp\" 10" \
  "member explicit Traits<@ClassTempParam1> Traits<int>::zero(void) \"$dir/specialisations.cpp\" 19" \
  "member primary Holder<@ClassTempParam1> Holder<long>::get(void) \"$dir/specialisations.cpp\" 24"
if grep -q '^template class Traits' "$specialisations"; then echo "a declared template counted as defined"; failed=1; fi

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
