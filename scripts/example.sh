#!/bin/bash
# Builds and installs the generator, then writes the Template Usage Report of
# the bundled example project into ./report-out.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
bash scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)" --target template_usage.kxdf.generator
cmake --install build --prefix "$root/stage" >/dev/null
export KTLPPBIN="$root/stage/bin"
# A fresh directory each time, so no document of an earlier run is left beside the new ones.
rm -rf "$root/report-out"
bash examples/project/run.sh "$root/report-out" "$KTLPPBIN/template_usage.kxdf.generator"
# The report as pages for a browser, written by the installed kxdf.html.
cmake --build build -j "$(nproc)" --target kxdf.html
cmake --install build --prefix "$root/stage" >/dev/null
"$KTLPPBIN/kxdf.html" "$root/report-out"
echo "Open $root/report-out/html/index.html in a browser."
