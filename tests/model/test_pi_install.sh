#!/bin/bash
# Stages an install of the post-analysis library, builds the example check
# against the staged package twice (CMake package, then plain cc with
# pkg-config), runs both on a small project and compares their summaries,
# then runs it on the bundled example project and compares that summary too.
# Usage: test_pi_install.sh BUILD_DIR SOURCE_DIR C_COMPILER [EXTRA_C_FLAGS]
set -euo pipefail
build_dir=$1
source_dir=$2
cc=$3
extra_flags=${4:-}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix

cmake --install "$build_dir" --prefix "$prefix" --component pal >/dev/null

# Only the staged prefix is visible to the check: no source tree.
# The check reads the report's first fixture project, in a copy of its own.
project=$work/project
cp -r "$source_dir/tests/data/report/ex1_all_content" "$project"
cp "$source_dir/tests/data/plugin/args.via" "$project/args.via"
expected=$source_dir/tests/data/plugin/expected_summary.txt

cmake -S "$source_dir/examples/check" -B "$work/check" -DCMAKE_PREFIX_PATH="$prefix" \
  -DCMAKE_C_COMPILER="$cc" -DCMAKE_C_FLAGS="$extra_flags" \
  -DCMAKE_EXE_LINKER_FLAGS="$extra_flags" >/dev/null
cmake --build "$work/check" >/dev/null
(cd "$project" && "$work/check/model_summary" ktlpp args.via) >"$work/cmake.out"
diff -u "$expected" "$work/cmake.out"

export PKG_CONFIG_PATH=$prefix/lib/pkgconfig
# shellcheck disable=SC2046,SC2086
"$cc" -std=c99 -Wall -Wextra -Werror $extra_flags $(pkg-config --cflags tukpal) \
  "$source_dir/examples/check/model_summary.c" -o "$work/model_summary_cc" \
  $(pkg-config --libs tukpal) -Wl,-rpath,"$prefix/lib"
(cd "$project" && "$work/model_summary_cc" ktlpp args.via) >"$work/cc.out"
diff -u "$expected" "$work/cc.out"

# The bundled example project: its analysis settings and file list drive the
# run, and the summary (units, templates with their specialisations, include
# tree) must be the one its record files describe.
bundled=$source_dir/examples/project
printf -- '-via\nsettings.via\n-op\nout\n-list\nfiles.lst\n' >"$work/bundled.via"
(cd "$bundled" && "$work/check/model_summary" ktlpp "$work/bundled.via") >"$work/bundled.out"
diff -u "$source_dir/examples/check/expected_project_summary.txt" "$work/bundled.out"
echo "staged install: example check built twice and its summaries match"
