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
out="$root/report-out"
rm -rf "$out" && mkdir -p "$out"
cd examples/project
"$KTLPPBIN/template_usage.kxdf.generator" ktlpp -via settings.via -op "$out" -list files.lst
echo "Report written to $out; open $out/class_templates.kxdf.xml first."
