#!/bin/bash
# A rerun scans only the units whose command, main file or included files
# changed.
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
printf '#pragma once\ntemplate <typename T> struct Box { T v; };\n' > box.h
printf '#include "box.h"\nBox<int> a;\n' > a.cpp
printf '#include "box.h"\nBox<long> b;\n' > b.cpp
printf 'int c;\n' > c.cpp
cat > compile_commands.json <<EOF
[{"directory": "$work", "file": "a.cpp", "arguments": ["c++", "-std=c++17", "-c", "a.cpp"]},
 {"directory": "$work", "file": "b.cpp", "arguments": ["c++", "-std=c++17", "-c", "b.cpp"]},
 {"directory": "$work", "file": "c.cpp", "arguments": ["c++", "-std=c++17", "-c", "c.cpp"]}]
EOF
summary() { "$SCANNER" -p . -o recs "$@" 2>&1 | grep 'units:'; }
check() {  # check WANTED GOT
  if [ "$1" != "$2" ]; then echo "wanted '$1', got '$2'"; exit 1; fi
}
check "kxdf.scan: 3 units: 3 scanned, 0 up to date, 0 failed" "$(summary)"
check "kxdf.scan: 3 units: 0 scanned, 3 up to date, 0 failed" "$(summary)"
printf 'int c = 2;\n' > c.cpp
check "kxdf.scan: 3 units: 1 scanned, 2 up to date, 0 failed" "$(summary)"
grep -q '^<DEFINE> c ' recs/c.cpp.met
# A header change reaches every unit that includes it, and only those.
printf '#pragma once\ntemplate <typename T> struct Box { T v; T w; };\n' > box.h
check "kxdf.scan: 3 units: 2 scanned, 1 up to date, 0 failed" "$(summary)"
grep -q 'Box<@ClassTempParam1>::w ' recs/a.cpp.met
# A changed command counts as a change; so does a lost record file.
sed -i 's/"-std=c++17", "-c", "b.cpp"/"-std=c++20", "-c", "b.cpp"/' compile_commands.json
check "kxdf.scan: 3 units: 1 scanned, 2 up to date, 0 failed" "$(summary)"
rm recs/a.cpp.met
check "kxdf.scan: 3 units: 1 scanned, 2 up to date, 0 failed" "$(summary)"
# Other settings of the scanner count too.
check "kxdf.scan: 3 units: 3 scanned, 0 up to date, 0 failed" "$(summary --record "$work")"
