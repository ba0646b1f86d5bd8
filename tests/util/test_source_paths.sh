#!/bin/bash
# The string constants of each binary, where the file names of assertion
# texts (__FILE__) land, name sources relative to the source tree and never
# by the build machine's absolute path.
#
#   test_source_paths.sh SOURCE_DIR RELATIVE_NAME BINARY...
#
# RELATIVE_NAME is a source file whose __FILE__ every BINARY holds, so the
# check is known to look at the right bytes.
set -euo pipefail
source_dir=$1
relative_name=$2
shift 2
scratch=$(mktemp -d -t tuk-rodata-XXXXXX)
trap 'rm -rf "$scratch"' EXIT
status=0
for binary in "$@"; do
  objcopy -O binary --only-section=.rodata "$binary" "$scratch/rodata"
  if grep -q -a -F "$source_dir/" "$scratch/rodata"; then
    echo "FAIL: $binary names $source_dir/ in its constants:"
    grep -a -o -F "$source_dir/" "$scratch/rodata" | sort -u | head -n 5
    status=1
  fi
  if ! grep -q -a -F "$relative_name" "$scratch/rodata"; then
    echo "FAIL: $binary holds no file name $relative_name"
    status=1
  fi
done
exit $status
