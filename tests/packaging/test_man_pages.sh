#!/bin/bash
# Stages an install and checks the manual pages against the programs:
# every installed program has a compressed page in share/man/man1 and every
# page a program; each page renders without a warning from man or groff;
# and every option the program's -help lists appears in its page, so a
# page that falls behind its program fails here.
# Usage: test_man_pages.sh BUILD_DIR
set -euo pipefail
build_dir=$1

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
cmake --install "$build_dir" --prefix "$prefix" >/dev/null
bin=$prefix/bin
man1=$prefix/share/man/man1

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# The arguments that make a program print its help; the generator wants
# its product first.
help_args() {
  case $1 in
    template_usage.kxdf.generator) echo "ktlpp -help" ;;
    *) echo "-help" ;;
  esac
}

# The options a help text names: words starting with one or two dashes and
# a letter, at the start of a line or after a blank, bracket, bar or quote.
options_in() {
  { grep -oE -- "(^|[][ (|\"'])--?[A-Za-z][A-Za-z0-9_+-]*" || true; } | sed -E 's/^[^-]//' | sort -u
}

# The page as plain text, on lines long enough that nothing is hyphenated.
render() {
  zcat "$1" | groff -man -Tascii -P-cbu -rLL=4000n 2>/dev/null
}

check_warnings() {
  local page=$1 out
  out=$(LC_ALL=C.UTF-8 MANWIDTH=80 MANROFFSEQ='' man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
  [ -z "$out" ] || fail "$(basename "$page"): man warns: $out"
  out=$(zcat "$page" | groff -man -ww -z 2>&1)
  [ -z "$out" ] || fail "$(basename "$page"): groff warns: $out"
}

check_options() {
  local program=$1 page=$2 help text opt
  # shellcheck disable=SC2046
  help=$(cd "$work" && HOME=$work KTLPPBIN=$bin "$bin/$program" $(help_args "$program") 2>&1 || true)
  text=$(render "$page")
  local count=0
  while read -r opt; do
    [ -n "$opt" ] || continue
    count=$((count + 1))
    grep -qwF -- "$opt" <<<"$text" || fail "$program: option $opt of -help is missing from its page"
  done < <(options_in <<<"$help")
  [ "$count" -gt 0 ] || fail "$program: -help names no option"
}

programs=0
for program_path in "$bin"/*; do
  [ -f "$program_path" ] && [ -x "$program_path" ] || continue
  program=$(basename "$program_path")
  programs=$((programs + 1))
  page=$man1/$program.1.gz
  [ -f "$page" ] || { fail "$program: no manual page $page"; continue; }
  gzip -t "$page" || fail "$program: page is not gzip-compressed"
  check_warnings "$page"
  check_options "$program" "$page"
done
[ "$programs" -gt 0 ] || fail "no program installed in $bin"

for page in "$man1"/*.1.gz; do
  [ -e "$page" ] || continue
  program=$(basename "$page" .1.gz)
  [ -x "$bin/$program" ] || fail "page $program.1 has no installed program"
done

[ "$failures" -eq 0 ] || exit 1
echo "manual pages: $programs programs, each with a clean page naming every -help option"
