#!/bin/bash
# Builds and installs the generator, then writes the Template Usage Report of
# the bundled example project into ./report-out.
#
# TUK_BUILD_DIR, TUK_STAGE_DIR and TUK_REPORT_DIR, when set, name another
# build directory, install prefix and report folder (scripts/test.sh runs
# this script with a fresh prefix and report folder).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build=${TUK_BUILD_DIR:-$root/build}
stage=${TUK_STAGE_DIR:-$root/stage}
report=${TUK_REPORT_DIR:-$root/report-out}
bash scripts/deps.sh
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
# Every target the install step copies: the generator, kxdf.errdump, the
# post-analysis library, the HTML view, the scanner, the manual pages and the
# package's changelog (scripts/check-example.sh fails when one is missing here).
cmake --build "$build" -j "$(nproc)" --target template_usage.kxdf.generator kxdf.errdump tuk_pal \
  kxdf.html kxdf.scan man_pages deb_changelog
cmake --install "$build" --prefix "$stage" >/dev/null
export KTLPPBIN="$stage/bin"
# A fresh directory each time, so no document of an earlier run is left beside the new ones.
rm -rf "$report"
bash examples/project/run.sh "$report" "$KTLPPBIN/template_usage.kxdf.generator"
# The report as pages for a browser, written by the installed kxdf.html.
"$KTLPPBIN/kxdf.html" "$report"
echo "Open $report/html/index.html in a browser."
