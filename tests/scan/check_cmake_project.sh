#!/bin/bash
# The CMake example project, from its build directory to the report with
# the one command: its own templates are listed with their specialisations
# and instances, and the library templates of the --record folders too.
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/bin"
cp "$PRODUCT_CONFIG_DIR/ktlpp.cfg" "$work/bin/"
cmake -S "$SOURCE_ROOT/examples/cmake-project" -B "$work/build" -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >/dev/null
KTLPPBIN="$work/bin" KXDF_SCAN="$SCANNER" KXDF_GENERATOR="$GENERATOR" KXDF_HTML=/nonexistent \
  bash "$REPORT_SCRIPT" "$work/build" "$work/report" --record /usr/include/gsl --record /usr/include/glm
classes="$work/report/template_usage_class_templates.kxdf.xml"
functions="$work/report/template_usage_function_templates.kxdf.xml"
failed=0
want() {  # want FILE TEXT...
  local file=$1 text; shift
  for text in "$@"; do grep -qF -- "$text" "$file" || { echo "missing in $(basename "$file"): $text"; failed=1; }; done
}
# The project's own templates, then library templates from the recorded folders.
want "$classes" "geo::Grid Primary Class Template" "geo::Grid Partial Class Template Specialization" \
  "geo::Grid Class Template Member(s) That Are Instantiated" "geo::Grid Primary Class Instantiation" \
  "geo::Grid&lt;int, 1&gt; marker;" "gsl::span Primary Class Template"
want "$functions" "geo::sum" "Function Template Instantiated In File" "/src/stats.cpp" \
  "glm::dot Function Template Instantiated In File(s)" "gsl::narrow_cast"
# Records of other system headers are left out; their includes are kept.
if grep -q '^<DEFINE> std::' "$work/report/main.cpp.met"; then echo "standard library recorded"; failed=1; fi
grep -q '^<R>I .*"/usr/include/gsl/span" [0-9]* S$' "$work/report/main.cpp.met" || { echo "no system include"; failed=1; }
exit $failed
