#!/bin/bash
# Hostile input and faults: special files never hang the scan, a crash or a
# hang of clang costs one unit, output never goes through links or outside
# the output folder, names that would break a record line are refused, a
# full disk and an interrupt leave complete files and say so.
set -uo pipefail
work=$(mktemp -d)
mnt=""
cleanup() {
  [ -n "$mnt" ] && umount "$mnt" 2>/dev/null && rmdir "$mnt"
  rm -rf "$work"
}
trap cleanup EXIT
failed=0
fail() { echo "FAILED: $*"; failed=1; }
run() {  # run STATUS PATTERN COMMAND...: at most 60 s, STATUS and PATTERN on stderr
  local status=$1 pattern=$2; shift 2
  timeout 60 "$@" >"$work/out" 2>"$work/err"
  local got=$?
  if [ "$got" != "$status" ] || ! grep -q -- "$pattern" "$work/err"; then
    fail "$* (status $got, wanted $status and '$pattern')"; cat "$work/err"
  fi
}
unit() {  # unit DIR FILE: a compile command for DIR/FILE
  printf '{"directory": "%s", "file": "%s", "arguments": ["c++", "-c", "%s"]}' "$1" "$2" "$2"
}
cd "$work" || exit 1
printf 'int good() { return 1; }\n' > good.cpp
mkdir build

# A database or a unit that is a pipe or a device is refused, not read.
mkfifo build/compile_commands.json
run 2 "cannot read build/compile_commands.json: not a regular file" "$SCANNER" -p build -o recs
rm build/compile_commands.json && ln -s /dev/zero build/compile_commands.json
run 2 "cannot read build/compile_commands.json: not a regular file" "$SCANNER" -p build -o recs
rm build/compile_commands.json
mkfifo pipe.cpp pipe.h
ln -s /dev/zero zero.cpp
printf '#include "pipe.h"\nint a;\n' > incpipe.cpp
printf '#include "/dev/zero"\nint b;\n' > inczero.cpp
echo "[$(unit "$work" pipe.cpp), $(unit "$work" zero.cpp), $(unit "$work" good.cpp)]" > build/compile_commands.json
run 1 "pipe.cpp: not a regular file" "$SCANNER" -p build -o recs
grep -q "zero.cpp: not a regular file" "$work/err" || fail "a device was scanned as a unit"
[ -f recs/good.cpp.met ] || fail "the good unit next to a pipe has no records"
run 1 "2 units: 0 scanned, 0 up to date, 2 failed" "$SCANNER" incpipe.cpp inczero.cpp -o recs --

# A relative folder is the database's folder; a missing one fails that unit.
echo "[$(unit .. good.cpp), $(unit "$work" good.cpp), $(unit "$work/none" x.cpp)]" > build/compile_commands.json
run 1 "its folder $work/none: No such file or directory" "$SCANNER" -p build -o rel
grep -q "2 units: 1 scanned, 0 up to date, 1 failed" "$work/err" || fail "a relative folder is not the database's"
grep -qxF "\"$work/good.cpp\"" rel/files.lst || fail "the unit of a relative folder is not listed"

# A unit that crashes clang or never ends costs that unit only.
printf '#pragma clang __debug crash\nint c;\n' > crash.cpp
printf '#pragma clang __debug overflow_stack\nint d;\n' > endless.cpp
run 1 "crash.cpp: clang crashed on it" "$SCANNER" good.cpp crash.cpp -o crash --
grep -qF "\"$work/good.cpp\"" crash/files.lst || fail "a crash lost the other units"
start=$SECONDS
run 1 "endless.cpp: not scanned within 1 s (--timeout)" "$SCANNER" good.cpp endless.cpp -o endless --timeout 1 --
[ $((SECONDS - start)) -lt 30 ] || fail "--timeout 1 did not stop the unit"
[ -f endless/good.cpp.met ] && [ ! -e endless/endless.cpp.met ] || fail "records after a timeout"

# Links in the output folder are replaced or refused, never written through.
mkdir outside links && echo secret > outside/target
ln -s "$work/outside" links/.kxdf-scan
run 2 "kxdf-scan: not a directory" "$SCANNER" good.cpp -o links --
rm links/.kxdf-scan && ln -s "$work/outside/target" links/good.cpp.met
run 0 "1 scanned" "$SCANNER" good.cpp -o links --
# Nor do the files a build's options would have clang write.
run 0 "1 scanned" "$SCANNER" good.cpp -o links -- --serialize-diagnostics "$work/outside/diag" \
  -Xclang -stats-file="$work/outside/stats" -H -Xclang -header-include-file -Xclang "$work/outside/headers"
[ "$(cat outside/target)" = secret ] && [ "$(ls outside)" = target ] || fail "wrote outside the output folder"
[ -f links/good.cpp.met ] && [ ! -L links/good.cpp.met ] || fail "the link at the record file stayed"

# The longest name a record file can have still gets its stamp.
long=$(printf 'n%.0s' $(seq 1 247)).cpp
cp good.cpp "$long"
run 0 "1 scanned" "$SCANNER" "$long" -o long --
run 0 "1 up to date" "$SCANNER" "$long" -o long --

# A double quote or a line break in a name would break the record line.
nl=$'evil\n<DEFINE> injected "x" 1 M DC OV F X int -\n.cpp'
cp good.cpp "$nl"
mkdir 'q"dir' && printf 'int q;\n' > 'q"dir/q.h' && printf '#include <q"dir/q.h>\nint e;\n' > quote.cpp
run 1 "holds a double quote or a line break" "$SCANNER" "$nl" quote.cpp good.cpp -o names -- -I.
grep -q 'q"dir/q.h holds a double quote' "$work/err" || fail "a header's quote not named"
if cat names/* 2>/dev/null | grep -q injected; then fail "a file name injected a record"; fi
[ "$(wc -l < names/files.lst)" = 1 ] || fail "a refused unit is listed"
run 2 "its name holds a double quote" "$SCANNER" good.cpp -o 'out"dir' --

# A clang view left by an earlier run goes when the run writes none; so
# does a temporary file of a run that was killed.
run 0 "1 scanned" "$SCANNER" good.cpp -o view --clang-view --
touch view/.kxdf-0123456789ab view/.kxdf-scan/.kxdf-0123456789ab
rm view/good.cpp.view
run 0 "1 scanned" "$SCANNER" good.cpp -o view --clang-view --
[ -f view/good.cpp.view ] || fail "a lost view is not written again"
run 0 "1 scanned" "$SCANNER" good.cpp -o view --
[ ! -e view/good.cpp.view ] || fail "a stale view stayed"
[ ! -e view/.kxdf-0123456789ab ] && [ ! -e view/.kxdf-scan/.kxdf-0123456789ab ] || fail "old temporary files stayed"

# A full disk: the unit that does not fit fails by name, nothing is cut off.
mnt=$(mktemp -d)
if mount -t tmpfs -o size=16k tmpfs "$mnt" 2>/dev/null; then
  printf 'template <int N> struct D { static constexpr int v = D<N - 1>::v + 1; };\n' > big.cpp
  printf 'template <> struct D<0> { static constexpr int v = 0; };\nint x = D<300>::v;\n' >> big.cpp
  run 1 "big.cpp: cannot write file $mnt/out/big.cpp.met: No space left on device" "$SCANNER" good.cpp big.cpp -o "$mnt/out" --
  [ ! -e "$mnt/out/big.cpp.met" ] || fail "a record file that did not fit is there"
  [ -z "$(find "$mnt/out" -regextype posix-basic -regex '.*/\.kxdf-[0-9a-f]\{12\}')" ] || fail "a temporary file stayed on the full disk"
else
  rmdir "$mnt"; mnt=""
fi

# An interrupt stops the run: complete files only, and a line saying so.
"$SCANNER" good.cpp endless.cpp -o stop -j1 -- 2>"$work/err" &
pid=$!
for _ in $(seq 1 100); do [ -f stop/.kxdf-scan/good.cpp.met.stamp ] && break; sleep 0.1; done
# A second run into the same folder meanwhile is refused.
run 2 "another kxdf.scan is writing there" "$SCANNER" good.cpp -o stop --
kill -TERM $pid
wait $pid
status=$?
[ $status = 143 ] || fail "interrupted run ended with status $status"
grep -q "1 not scanned (interrupted)" "$work/err" && grep -q "files.lst and settings.via were not updated" "$work/err" \
  || { fail "the interrupt is not reported"; cat "$work/err"; }
grep -q '^<DEFINE> good(void) ' stop/good.cpp.met || fail "the unit done before the interrupt lost its records"
[ ! -e stop/files.lst ] && [ ! -e stop/endless.cpp.met ] || fail "an interrupted run wrote its lists"
exit $failed
