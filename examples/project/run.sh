#!/bin/bash
# Writes the Template Usage Report of this example project into OUTDIR.
#
#   examples/project/run.sh OUTDIR [PROGRAM]
#
# The analyser left its record files in out/; they are copied into OUTDIR
# with the cross-module analysis file, so the report is written there.  The
# program runs in this directory because the record files name the sources
# relative to it.  PROGRAM defaults to template_usage.kxdf.generator in
# $KTLPPBIN, which must also hold ktlpp.cfg.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
out=${1:?usage: run.sh OUTDIR [PROGRAM]}
program=${2:-${KTLPPBIN:?KTLPPBIN must name the directory holding ktlpp.cfg}/template_usage.kxdf.generator}
mkdir -p "$out"
out=$(cd "$out" && pwd)
cp "$here"/out/*.met "$here"/out/project.cma "$out"/
cd "$here"
"$program" ktlpp -via settings.via -op "$out" -cmaf "$out/project.cma" -list files.lst
echo "Report written to $out; open $out/template_usage_class_templates.kxdf.xml first."
