#!/bin/bash
# Runs one scenario of a library-mode check and holds it to its output.
# Usage: run_check.sh STDOUT-PATTERN STDERR-PATTERN COMMAND...
# The command must exit 0; its standard output and standard error must
# each contain a line matching the pattern (an empty pattern matches all).
set -uo pipefail
out_pattern=$1
err_pattern=$2
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$@" >"$work/out" 2>"$work/err"
status=$?
show() { echo "--- stdout"; cat "$work/out"; echo "--- stderr"; cat "$work/err"; }
if [ "$status" -ne 0 ]; then
  echo "exit status $status"; show; exit 1
fi
if [ -n "$out_pattern" ] && ! grep -Eq -- "$out_pattern" "$work/out"; then
  echo "standard output lacks: $out_pattern"; show; exit 1
fi
if [ -n "$err_pattern" ] && ! grep -Eq -- "$err_pattern" "$work/err"; then
  echo "standard error lacks: $err_pattern"; show; exit 1
fi
show
