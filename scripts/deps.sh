#!/bin/bash
# Installs the Debian packages the build and the tests need, when missing.
set -euo pipefail
llvm=14   # the one LLVM version the scanner and the fuzzers are built with
packages=(
  # the generator, its library and their tests
  cmake g++ make libgtest-dev qtbase5-dev libxml2-utils pkg-config
  # the fuzzers: clang with its sanitizer and libFuzzer runtime
  clang "libclang-rt-$llvm-dev"
  # kxdf.html reads the report with libxml2; its tests load the pages in Chromium
  libxml2-dev chromium
  # the manual-page and package tests: man and groff, dpkg-shlibdeps and file
  # (cpack uses both), lintian
  man-db groff-base dpkg-dev file lintian
  # kxdf.scan: clang's C++ tooling libraries, and the header-only libraries
  # its example CMake project uses
  "libclang-cpp$llvm-dev" "libclang-$llvm-dev" "llvm-$llvm-dev" libmsgsl-dev libglm-dev
  # the header-only libraries of the matching benchmark's own projects (bench/projects)
  nlohmann-json3-dev libfmt-dev
)
need=()
for pkg in "${packages[@]}"; do
  dpkg -s "$pkg" >/dev/null 2>&1 || need+=("$pkg")
done
if [ ${#need[@]} -gt 0 ]; then
  echo "Installing: ${need[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq "${need[@]}"
fi
