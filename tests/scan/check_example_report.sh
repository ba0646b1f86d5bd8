#!/bin/bash
# The bundled example scanned from its sources: the generator writes the
# same documents from the scanned record files as from the bundled ones.
# Then the generator runs on the scanner's own argument file and lists.
set -euo pipefail
project="$SOURCE_ROOT/examples/project"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/bin" "$work/scanned"
cp "$PRODUCT_CONFIG_DIR/ktlpp.cfg" "$work/bin/"
export KTLPPBIN="$work/bin"
cp -r "$project" "$work/project"
cd "$work/project"

"$SCANNER" src/main.cpp src/sensor.cpp src/logger.cpp src/evq/queue.cpp -o "$work/scanned" \
  -- -std=c++17 -nostdinc -isystem sysinc

# Both reports are written into the same folder, since documents name it.
for side in bundled scanned; do
  rm -rf "$work/report"
  mkdir "$work/report"
  if [ $side = bundled ]; then cp out/*.met out/project.cma "$work/report/"; else cp "$work"/scanned/*.met "$work/scanned/project.cma" "$work/report/"; fi
  "$GENERATOR" ktlpp -via settings.via -op "$work/report" -cmaf "$work/report/project.cma" -list files.lst
  rm -rf "$work/$side"
  mv "$work/report" "$work/$side"
done

# Every document and numbered source copy is the same, byte for byte.
count=0
for doc in "$work"/bundled/*.xml "$work"/bundled/*.txt; do
  [ -e "$doc" ] || continue
  name=$(basename "$doc")
  cmp "$doc" "$work/scanned/$name"
  count=$((count + 1))
done
[ "$count" -ge 7 ] || { echo "only $count documents written"; exit 1; }
cmp <(ls "$work/bundled") <(ls "$work/scanned")

# The scanner's own argument file and list are enough to run the generator.
mkdir "$work/own"
"$SCANNER" src/main.cpp src/sensor.cpp src/logger.cpp src/evq/queue.cpp -o "$work/own" \
  -- -std=c++17 -nostdinc -isystem sysinc
cd /
"$GENERATOR" ktlpp -via "$work/own/settings.via" -list "$work/own/files.lst"
grep -q 'evq::Queue Primary Class Template' "$work/own/template_usage_class_templates.kxdf.xml"
grep -q 'evq::drain' "$work/own/template_usage_function_templates.kxdf.xml"
echo "documents identical: $count"
