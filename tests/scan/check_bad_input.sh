#!/bin/bash
# Bad input: each problem gives one clear message and a failing status; a
# unit that does not compile leaves no record file while the others are
# written.
set -uo pipefail
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
failed=0
expect() {  # expect STATUS PATTERN -- COMMAND...
  local status=$1 pattern=$2; shift 3
  "$@" >"$work/out" 2>"$work/err"
  local got=$?
  if [ "$got" != "$status" ] || ! grep -q -- "$pattern" "$work/err"; then
    echo "FAILED: $* (status $got, wanted $status and '$pattern')"; cat "$work/err"; failed=1
  fi
}
cd "$work"
printf 'int good() { return 1; }\n' > good.cpp
printf 'int bad() { return undeclared_name; }\n' > bad.cpp
mkdir build
expect 2 "cannot read build/compile_commands.json: No such file" -- "$SCANNER" -p build -o recs
printf '[{"directory": "%s", "file": "good.cpp", ' "$work" > build/compile_commands.json
expect 2 "compile_commands.json: not valid JSON" -- "$SCANNER" -p build -o recs
[ "$(wc -l < "$work/err")" = 1 ] || { echo "more than one line for bad JSON"; cat "$work/err"; failed=1; }
printf '[{"directory": "%s", "file": "good.cpp"}]\n' "$work" > build/compile_commands.json
expect 2 'Missing key: "command" or "arguments"' -- "$SCANNER" -p build -o recs
printf '[{"directory": "%s", "file": "good.cpp", "command": "c++ -c good.cpp"}]\n' "$work" > build/compile_commands.json
expect 2 "no compile command for other.cpp" -- "$SCANNER" -p build other.cpp -o recs
expect 2 "cannot read source file missing.cpp" -- "$SCANNER" missing.cpp -o recs --
mkdir locked && chmod a-w locked
if [ "$(id -u)" != 0 ]; then
  expect 2 "cannot write to output directory" -- "$SCANNER" -p build -o locked/recs
fi
printf 'not a directory\n' > plainfile
expect 2 "cannot write to output directory" -- "$SCANNER" -p build -o plainfile/recs
expect 2 "unknown option" -- "$SCANNER" --frobnicate -o recs
expect 2 "needs a number" -- "$SCANNER" -j zero -p build -o recs

# One bad unit among good ones: clang's diagnostics, status 1, no record
# file of the bad unit, the good unit's file complete, no temporaries.
expect 1 "use of undeclared identifier 'undeclared_name'" -- "$SCANNER" good.cpp bad.cpp -o recs -- -std=c++17
grep -q 'bad.cpp: does not compile' "$work/err" || { echo "no failure line"; failed=1; }
[ -f recs/good.cpp.met ] || { echo "good unit has no record file"; failed=1; }
[ ! -e recs/bad.cpp.met ] || { echo "bad unit left a record file"; failed=1; }
grep -q '^<DEFINE> good(void) ' recs/good.cpp.met || { echo "good unit's records missing"; failed=1; }
grep -qF '"'"$work"'/good.cpp"' recs/files.lst || { echo "good unit not listed"; failed=1; }
if grep -q 'bad.cpp' recs/files.lst; then echo "bad unit listed"; failed=1; fi
if ls -a recs recs/.kxdf-scan | grep -q '^\.kxdf-[0-9a-f]\{12\}$'; then echo "temporary file left"; failed=1; fi
# A fixed unit is scanned on the next run; its old failure leaves no trace.
printf 'int bad() { return 2; }\n' > bad.cpp
expect 0 "2 units: 1 scanned, 1 up to date, 0 failed" -- "$SCANNER" good.cpp bad.cpp -o recs -- -std=c++17
# Another compiler's own options are left out, with a note.
expect 0 "left out options clang does not know: -fconcepts-diagnostics-depth=2" -- \
  "$SCANNER" good.cpp -o gccflags -- -std=c++17 -fconcepts-diagnostics-depth=2
# Two units whose record files would have the same name.
mkdir sub && cp good.cpp sub/good.cpp
expect 1 "would replace that of" -- "$SCANNER" good.cpp sub/good.cpp -o twins -- -std=c++17
exit $failed
