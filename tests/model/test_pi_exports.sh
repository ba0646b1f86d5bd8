#!/bin/bash
# The shared post-analysis library exports the check interface and nothing
# else.  Usage: test_pi_exports.sh LIBRARY
set -euo pipefail
lib=$1
exported=$(nm -D --defined-only "$lib" | awk '{print $3}')
count=$(grep -c '^PI_' <<<"$exported" || true)
others=$(grep -v '^PI_' <<<"$exported" || true)
if [ -n "$others" ]; then
  echo "exported beyond the check interface:"
  echo "$others"
  exit 1
fi
# Spot checks: registration, iteration and library mode are all there.
for fn in PI_configureOnEnd PI_getFirstSymbol PI_isDefineIterEnd PI_getFirstRelationInclude PI_Initialise; do
  grep -qx "$fn" <<<"$exported" || { echo "missing export: $fn"; exit 1; }
done
echo "$count PI_ functions exported, nothing else"
