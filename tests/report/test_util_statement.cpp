// Code fragments cut out of source files around a declaration's name.
#include <gtest/gtest.h>

#include <climits>

#include "TempDir.h"
#include "report/Util.h"

namespace {

const U_String kRing = U_String(TUK_TEST_DATA_DIR) + "/report/ex3_layout/src/ring.h";
const U_String kBox = U_String(TUK_TEST_DATA_DIR) + "/report/ex1_all_content/src/box.h";
const U_String kAlgo = U_String(TUK_TEST_DATA_DIR) + "/report/ex1_all_content/src/algo.h";

}  // namespace

// Class heads start at their template header (a comment-only line above
// is left out), functions run to their body, members take the prefix.
// Fragments of ring.h and main.cpp (parameter lists across preprocessor
// lines, multi-line declarations, tabs) are pinned by the layout test of
// the whole report.
TEST(UtilStatement, FragmentsOfClassesFunctionsAndMembers) {
  const struct {
    const char* name;
    int line;
    const U_String& file;
    const char* prefix;
    const char* fragment;
  } cases[] = {
      {"Box", 8, kBox, "", " 7: template <typename T>\n 8: class Box {\n"},
      {"Box", 19, kBox, "", "18: template <>\n19: class Box<bool> {\n"},
      {"maxOf", 7, kAlgo, "", " 6: template <typename T>\n 7: T maxOf(T a, T b)\n"},
      {"clampTo", 19, kAlgo, "",
       "18: template <typename T>\n19: T clampTo(T v, T lo, T hi) { return v < lo ? lo : (hi < v ? hi : v); }\n"},
      {"Box", 10, kBox, "  ", "  10:     Box(T v) : value(v) {}\n"},
      {"Box", 11, kBox, "  ", "  11:     ~Box() {}\n"},
      {"operator==", 13, kBox, "  ", "  13:     bool operator==(const Box& o) const { return value == o.value; }\n"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Util::get_statement(c.name, c.line, c.file, c.prefix), c.fragment) << c.name << " " << c.line;
}

TEST(UtilStatement, NoFragmentWhenTheNameIsNotOnItsLineOrTheLineNotInTheFile) {
  // The member made by a macro: its name is not a token of the line.
  EXPECT_EQ(Util::get_statement("get_head", 90, kRing, ""), "");
  EXPECT_EQ(Util::get_statement("+", 13, kBox, ""), "");
  // Names match whole tokens only.
  EXPECT_EQ(Util::get_statement("Bo", 8, kBox, ""), "");
  // INT_MIN would overflow when turned into an index.
  for (int line : {INT_MIN, -1, 0, 35, INT_MAX})
    EXPECT_EQ(Util::get_statement("Box", line, kBox, ""), "") << line;
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
