#!/bin/bash
# Builds the Debian package with cpack, checks its control fields and
# runtime dependencies, unpacks it into a scratch root, runs the packaged
# generator there on the bundled example project and lets lintian judge it.
# Usage: test_deb_package.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build_dir=$1
source_dir=$2

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cpack --config "$build_dir/CPackConfig.cmake" -G DEB -B "$work/pkg" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log" >&2; exit 1; }
debs=("$work"/pkg/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "FAIL: expected one package, got: ${debs[*]}" >&2; exit 1; }
deb=${debs[0]}
package=$(dpkg-deb -f "$deb" Package)
echo "package: $(basename "$deb")"

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# Control fields.
[ "$package" = template-usage-kxdf ] || fail "package name is $package"
[ "$(dpkg-deb -f "$deb" Section)" = devel ] || fail "section is not devel"
[ -n "$(dpkg-deb -f "$deb" Maintainer)" ] || fail "no maintainer"
[ -n "$(dpkg-deb -f "$deb" Description)" ] || fail "no description"

# Runtime dependencies: the libraries' runtime packages, nothing of the
# build machine (no -dev package, no compiler).
depends=$(dpkg-deb -f "$deb" Depends)
echo "depends: $depends"
deps=$(tr ',' '\n' <<<"$depends" | sed -E 's/^ *//; s/[ (].*//')
for needed in libc6 libqt5core5a libstdc++6; do
  grep -qx "$needed" <<<"$deps" || fail "Depends lacks $needed"
done
while read -r dep; do
  case $dep in
    *-dev | gcc* | g++* | clang* | cmake | libgtest*) fail "Depends names a build package: $dep" ;;
  esac
done <<<"$deps"

# The files a user of the package needs, under /usr.
root=$work/root
dpkg-deb -x "$deb" "$root"
for file in bin/template_usage.kxdf.generator bin/kxdf.errdump bin/ktlpp.cfg \
  lib/libtukpal.so include/tukpal/PI_Interface.h lib/cmake/TukPAL/TukPALConfig.cmake \
  lib/pkgconfig/tukpal.pc share/man/man1/template_usage.kxdf.generator.1.gz \
  share/man/man1/kxdf.errdump.1.gz share/doc/$package/copyright share/doc/$package/changelog.gz; do
  [ -e "$root/usr/$file" ] || fail "package lacks /usr/$file"
done
if [ -n "$(find "$root" -mindepth 1 -maxdepth 1 ! -name usr)" ]; then
  fail "package installs outside /usr: $(find "$root" -mindepth 1 -maxdepth 1 ! -name usr)"
fi
includedir=$(PKG_CONFIG_PATH=$root/usr/lib/pkgconfig pkg-config --variable=includedir tukpal)
[ "$(realpath "$includedir/tukpal/PI_Interface.h")" = "$root/usr/include/tukpal/PI_Interface.h" ] ||
  fail "pkg-config file does not point into the package: $includedir"

# The packaged generator on the bundled example project, with the packaged
# configuration file.
report=$work/report
KTLPPBIN=$root/usr/bin HOME=$work bash "$source_dir/examples/project/run.sh" "$report" \
  "$root/usr/bin/template_usage.kxdf.generator" >"$work/run.log" 2>&1 ||
  { cat "$work/run.log" >&2; fail "packaged generator failed on the example project"; }
for section in class_templates function_templates analysis_of_c++_templates \
  list_of_analysed_files personality_options report_settings kxdf_generator_info; do
  [ -s "$report/template_usage_$section.kxdf.xml" ] || fail "report lacks template_usage_$section.kxdf.xml"
done
ls "$report"/*.txt >/dev/null 2>&1 || fail "report has no numbered source copy"

# lintian: errors fail the test, warnings are shown.
lintian --fail-on error --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1 || fail "lintian reports errors"
cat "$work/lintian.log"

[ "$failures" -eq 0 ] || exit 1
echo "package built, unpacked and run; lintian reports no error"
