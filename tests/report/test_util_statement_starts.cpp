// Where structural fragments start when no template header leads them, and
// where a template header follows a line the scan cannot end at.
#include <gtest/gtest.h>

#include "report/Util.h"

namespace {

using Lines = std::vector<U_String>;

U_String fragment(const U_String& name, int line, const Lines& raw, bool structural) {
  return Util::get_statement_in_lines(name, line, raw, raw, "", structural);
}

const Lines kNoHeader = {
    "#include \"box.h\"",
    "register_box(Box)",
    "LIB_EXPORT",
    "Box<int> shared;",
    "DECLARE_TABLE(t)",
    "template <typename T>",
    "LIB_INLINE T twice(T v);",
};

}  // namespace

TEST(UtilStatementStarts, AfterTheLastMacroLineOrAtTheTemplateHeader) {
  // A lower-case macro use without ";" above: the scan runs past the export
  // macro, and the fragment starts after that macro line.
  EXPECT_EQ(fragment("shared", 4, kNoHeader, true), "4: Box<int> shared;\n");
  EXPECT_EQ(fragment("shared", 4, kNoHeader, false),
            "2: register_box(Box)\n3: LIB_EXPORT\n4: Box<int> shared;\n");
  // The header starts it, whatever stands above.
  EXPECT_EQ(fragment("twice", 7, kNoHeader, true),
            "6: template <typename T>\n7: LIB_INLINE T twice(T v);\n");
}
