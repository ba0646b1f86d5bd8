#!/bin/bash
# Runs the README's first command (scripts/example.sh) with a fresh install
# prefix and report folder, building in BUILD_DIR, and checks that it
# succeeds and that the document it announces exists; then runs the
# README's by-hand command on that install.
#
#   scripts/check-example.sh BUILD_DIR
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build=$(realpath -m "${1:?usage: check-example.sh BUILD_DIR}")
scratch=$(mktemp -d -t tuk-example-XXXXXX)
trap 'rm -rf "$scratch"' EXIT
log=$scratch/example.log

fail() {
  cat "$log"
  echo "check-example: $*" >&2
  exit 1
}

TUK_BUILD_DIR=$build TUK_STAGE_DIR=$scratch/stage TUK_REPORT_DIR=$scratch/report-out \
  bash scripts/example.sh >"$log" 2>&1 || fail "scripts/example.sh failed"
# Its last line names the document to open first.
announced=$(sed -n 's/^Report written to .*; open \(.*\) first\.$/\1/p' "$log" | tail -n 1)
[ -n "$announced" ] || fail "scripts/example.sh announced no report"
[ -f "$announced" ] || fail "the announced report $announced does not exist"
xmllint --noout "$announced" || fail "the announced report $announced is not well-formed"
pages=$(sed -n 's/^Open \(.*\) in a browser\.$/\1/p' "$log" | tail -n 1)
[ -n "$pages" ] || fail "scripts/example.sh announced no HTML view"
[ -f "$pages" ] || fail "the announced HTML view $pages does not exist"

log=$scratch/by-hand.log
(cd "$scratch" && KTLPPBIN=$scratch/stage/bin bash "$root/examples/project/run.sh" by-hand) \
  >"$log" 2>&1 || fail "the by-hand command failed"
[ -f "$scratch/by-hand/template_usage_class_templates.kxdf.xml" ] ||
  fail "the by-hand command wrote no report"
echo "check-example: scripts/example.sh and the by-hand command write the report"
