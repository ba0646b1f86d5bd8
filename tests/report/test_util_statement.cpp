// Code fragments cut out of source files around a declaration's name.
#include <gtest/gtest.h>

#include <climits>

#include "TempDir.h"
#include "report/Util.h"

namespace {

const U_String kRing = U_String(TUK_TEST_DATA_DIR) + "/report/ex3_layout/src/ring.h";
const U_String kMain = U_String(TUK_TEST_DATA_DIR) + "/report/ex3_layout/src/main.cpp";
const U_String kBox = U_String(TUK_TEST_DATA_DIR) + "/report/ex1_all_content/src/box.h";
const U_String kAlgo = U_String(TUK_TEST_DATA_DIR) + "/report/ex1_all_content/src/algo.h";

}  // namespace

TEST(UtilStatement, ClassHeadsStartAtTheirTemplateHeader) {
  // Template header and class head on two lines; a comment-only line
  // before them is left out (box.h has 34 lines: numbers two wide).
  EXPECT_EQ(Util::get_statement("Box", 8, kBox, ""),
            " 7: template <typename T>\n 8: class Box {\n");
  // Template parameters across two lines, "{" alone on the next line, a
  // block comment above (ring.h has 121 lines: three wide).
  EXPECT_EQ(Util::get_statement("Ring", 80, kRing, ""),
            " 78: template <class T,\n 79: \t  int N = 4>\n 80: class Ring\n");
  // A preprocessor line above ends the backward scan.
  EXPECT_EQ(Util::get_statement("Slot", 113, kRing, ""),
            "112: template <class T>\n113: struct Slot\n");
  // An explicit specialisation: "template <>" belongs to it.
  EXPECT_EQ(Util::get_statement("Box", 19, kBox, ""),
            "18: template <>\n19: class Box<bool> {\n");
}

TEST(UtilStatement, FunctionsRunToTheirBodyAcrossParametersAndDirectives) {
  // The parameter list spans lines and preprocessor lines; the line
  // continued by a backslash-ended line comment above counts as blank.
  EXPECT_EQ(Util::get_statement("sum", 99, kRing, ""),
            " 98: template <class T>\n"
            " 99: T sum(const T* first,\n"
            "100: #ifdef RING_COUNTED\n"
            "101:       int count,\n"
            "102: #endif\n"
            "103:       const T* last)\n");
  EXPECT_EQ(Util::get_statement("maxOf", 7, kAlgo, ""),
            " 6: template <typename T>\n 7: T maxOf(T a, T b)\n");
  EXPECT_EQ(Util::get_statement("clampTo", 19, kAlgo, ""),
            "18: template <typename T>\n"
            "19: T clampTo(T v, T lo, T hi) { return v < lo ? lo : (hi < v ? hi : v); }\n");
}

TEST(UtilStatement, MembersOperatorsAndVariablesWithPrefix) {
  EXPECT_EQ(Util::get_statement("Box", 10, kBox, "  "), "  10:     Box(T v) : value(v) {}\n");
  EXPECT_EQ(Util::get_statement("Box", 11, kBox, "  "), "  11:     ~Box() {}\n");
  EXPECT_EQ(Util::get_statement("operator==", 13, kBox, "  "),
            "  13:     bool operator==(const Box& o) const { return value == o.value; }\n");
  EXPECT_EQ(Util::get_statement("operator[]", 84, kRing, "  "),
            "   84: \tT&\toperator[](int i) { return items[(head + i) % N]; }\n");
  EXPECT_EQ(Util::get_statement("front", 85, kRing, "  "), "   85: \tT\tfront() const\n");
  EXPECT_EQ(Util::get_statement("r", 5, kMain, "  "),
            "   5: \tring::Ring<int, 4> r;\t// a ring of four\n");
  // A declaration split across lines, with a comment that ends on the
  // first of them.
  EXPECT_EQ(Util::get_statement("wide", 9, kMain, "  "),
            "   8: \t   lines: */ ring::Ring<double, 4>\n   9: \t\twide;\n");
}

TEST(UtilStatement, NoFragmentWhenTheNameIsNotOnItsLine) {
  // The member made by a macro: its name is not a token of the line.
  EXPECT_EQ(Util::get_statement("get_head", 90, kRing, ""), "");
  EXPECT_EQ(Util::get_statement("Box", 0, kBox, ""), "");
  EXPECT_EQ(Util::get_statement("Box", 35, kBox, ""), "");
  EXPECT_EQ(Util::get_statement("+", 13, kBox, ""), "");
  // Names match whole tokens only.
  EXPECT_EQ(Util::get_statement("Bo", 8, kBox, ""), "");
}

TEST(UtilStatement, LineNumbersAreRightAlignedToTheFileLength) {
  // A file of 1200 lines: line 7 gets three spaces before its number.
  TempDir dir;
  std::string text;
  for (int i = 1; i <= 1200; ++i) {
    if (i == 6) text += "template <typename T>\n";
    else if (i == 7) text += "struct Far;\n";
    else if (i == 1200) text += "int Last = 0;\n";
    else text += "\n";
  }
  const std::string path = dir.write("long.h", text);
  EXPECT_EQ(Util::get_statement("Far", 7, path, "  "),
            "     6: template <typename T>\n     7: struct Far;\n");
  // Blank lines above the first line with code are left out.
  EXPECT_EQ(Util::get_statement("Last", 1200, path, ""), "1200: int Last = 0;\n");
}

TEST(UtilStatement, AddLineNumbersSkipsOnlyLeadingBlankLines) {
  const std::vector<U_String> raw = {"", "// note", "int a;", "", "int b;"};
  const std::vector<U_String> clean = {"", "//     ", "int a;", "", "int b;"};
  EXPECT_EQ(Util::add_line_numbers_to_statements({0, 1, 2, 3, 4}, clean, raw, ">"),
            ">3: int a;\n>4: \n>5: int b;\n");
  EXPECT_EQ(Util::add_line_numbers_to_statements({0, 1}, clean, raw, ""), "");
  EXPECT_EQ(Util::add_line_numbers_to_statements({}, clean, raw, ""), "");
}

TEST(UtilStatement, LinesOutsideTheFileGiveNoFragment) {
  // INT_MIN would overflow when turned into an index.
  for (int line : {INT_MIN, -1, 0, 35, INT_MAX})
    EXPECT_EQ(Util::get_statement("Box", line, kBox, ""), "") << line;
}
