// Structural fragments: where they start when no template header leads
// them or a header follows a line the scan cannot end at, and comparisons
// in template arguments, which open no list.
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

TEST(UtilStatementShapes, AfterTheLastMacroLineOrAtTheTemplateHeader) {
  // A lower-case macro use without ";" above: the scan runs past the export
  // macro, and the fragment starts after that macro line.
  EXPECT_EQ(fragment("shared", 4, kNoHeader, true), "4: Box<int> shared;\n");
  EXPECT_EQ(fragment("shared", 4, kNoHeader, false),
            "2: register_box(Box)\n3: LIB_EXPORT\n4: Box<int> shared;\n");
  // The header starts it, whatever stands above.
  EXPECT_EQ(fragment("twice", 7, kNoHeader, true),
            "6: template <typename T>\n7: LIB_INLINE T twice(T v);\n");
}

// A "<" after ")" or a number compares; a ">" after ")" still closes a
// list ("decltype(x)>").
TEST(UtilStatementShapes, ComparisonsOpenNoList) {
  const Lines lines = {
      "template <typename T>",
      "struct is_signed_helper<T, true>",
      "    : public constant<bool, T(-1) < T(0)>",
      "{ };",
      "template <typename T>",
      "struct small : constant<bool, 1 < sizeof(T)> {};",
      "template <typename T>",
      "struct typed : holder<decltype(T())> {};",
      "int after;",
  };
  EXPECT_EQ(fragment("is_signed_helper", 2, lines, true),
            "1: template <typename T>\n2: struct is_signed_helper<T, true>\n"
            "3:     : public constant<bool, T(-1) < T(0)>\n");
  EXPECT_NE(fragment("is_signed_helper", 2, lines, false).find("9: int after;"), U_String::npos);
  EXPECT_EQ(fragment("small", 6, lines, true),
            "5: template <typename T>\n6: struct small : constant<bool, 1 < sizeof(T)> {};\n");
  EXPECT_EQ(fragment("typed", 8, lines, true),
            "7: template <typename T>\n8: struct typed : holder<decltype(T())> {};\n");
}
