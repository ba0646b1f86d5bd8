#!/bin/bash
# Installs the Debian packages the build and the tests need, when missing.
set -euo pipefail
need=()
for pkg in cmake g++ make libgtest-dev qtbase5-dev libxml2-utils pkg-config clang libclang-rt-14-dev; do
  dpkg -s "$pkg" >/dev/null 2>&1 || need+=("$pkg")
done
# kxdf.html reads the report with libxml2; its tests load the pages in Chromium.
for pkg in libxml2-dev chromium; do
  dpkg -s "$pkg" >/dev/null 2>&1 || need+=("$pkg")
done
# The manual-page and package tests: man and groff, dpkg-shlibdeps and file
# (cpack uses both), lintian.
for pkg in man-db groff-base dpkg-dev file lintian; do
  dpkg -s "$pkg" >/dev/null 2>&1 || need+=("$pkg")
done
if [ ${#need[@]} -gt 0 ]; then
  echo "Installing: ${need[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq "${need[@]}"
fi
