#!/bin/bash
# Installs the Debian packages the build and the tests need, when missing.
set -euo pipefail
need=()
for pkg in cmake g++ make libgtest-dev qtbase5-dev libxml2-utils pkg-config clang libclang-rt-14-dev; do
  dpkg -s "$pkg" >/dev/null 2>&1 || need+=("$pkg")
done
# kxdf.scan: clang's C++ tooling libraries of LLVM 14, and the header-only
# libraries its example CMake project uses.
for pkg in libclang-cpp14-dev libclang-14-dev llvm-14-dev libmsgsl-dev libglm-dev; do
  dpkg -s "$pkg" >/dev/null 2>&1 || need+=("$pkg")
done
if [ ${#need[@]} -gt 0 ]; then
  echo "Installing: ${need[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq "${need[@]}"
fi
