// Code fragments in structural mode: ">>" closes two argument lists, a
// macro line above a declaration is not part of it, fragments without a
// template header start after the last macro line, and comparisons in
// template arguments open no list.
#include <gtest/gtest.h>

#include "report/Util.h"

namespace {

using Lines = std::vector<U_String>;

// `raw` with comment-only lines blanked, as the cleaned file form has them.
Lines blank_comments(const Lines& raw) {
  Lines clean;
  for (const U_String& line : raw) {
    const size_t p = line.find_first_not_of(' ');
    const bool comment = p != U_String::npos && (line[p] == '/' || line[p] == '*');
    clean.push_back(comment ? U_String(line.size(), ' ') : line);
  }
  return clean;
}

U_String fragment(const U_String& name, int line, const Lines& raw, bool structural) {
  return Util::get_statement_in_lines(name, line, blank_comments(raw), raw, "", structural);
}

const Lines kNested = {
    "template <typename T> struct Box;",
    "template <typename T>",
    "struct is_contiguous<Box<T>> : std::true_type {};",
    "",
    "template <typename T>",
    "void fill(std::vector<std::vector<T>>& rows,",
    "          T value)",
    "{",
    "}",
    "int after;",
};

const Lines kMacros = {
    "#include \"x.h\"",
    "LIB_BEGIN_NAMESPACE",
    "/**",
    " * Documented.",
    " */",
    "template <typename T>",
    "struct Holder {",
    "};",
    "LIB_EXPORT_IF(Holder)",
    "template <typename T>",
    "T",
    "maxOf(T a, T b);",
};

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

TEST(UtilStatementStructural, DoubleClosersEndTheFragmentAtItsBody) {
  EXPECT_EQ(fragment("is_contiguous", 3, kNested, true),
            " 2: template <typename T>\n 3: struct is_contiguous<Box<T>> : std::true_type {};\n");
  // Without the switch the lists never close and the fragment runs on.
  EXPECT_NE(fragment("is_contiguous", 3, kNested, false).find("10: int after;"), U_String::npos);
  // Inside a parameter list that spans lines; the "{" line alone is left out.
  EXPECT_EQ(fragment("fill", 6, kNested, true),
            " 5: template <typename T>\n 6: void fill(std::vector<std::vector<T>>& rows,\n"
            " 7:           T value)\n");
}

TEST(UtilStatementStructural, MacroLinesAboveTheDeclarationAreLeftOut) {
  EXPECT_EQ(fragment("Holder", 7, kMacros, true), " 6: template <typename T>\n 7: struct Holder {\n");
  EXPECT_EQ(fragment("Holder", 7, kMacros, false),
            " 2: LIB_BEGIN_NAMESPACE\n 3: /**\n 4:  * Documented.\n 5:  */\n"
            " 6: template <typename T>\n 7: struct Holder {\n");
  // A macro with arguments; a one-letter return type alone on its line stays.
  EXPECT_EQ(fragment("maxOf", 12, kMacros, true),
            "10: template <typename T>\n11: T\n12: maxOf(T a, T b);\n");
}

// A declaration made by a macro is recorded at the invocation, where its
// name is not written: the invocation is its fragment.
TEST(UtilStatementStructural, MacroMadeDeclarationsShowTheInvocation) {
  const Lines made = {"LIB_TYPE_CONSTANT(int, int_type);", "LIB_FORMAT_AS(signed char,", "              int);",
                      "int x;", "lower(int);"};
  EXPECT_EQ(fragment("type_constant", 1, made, true), "1: LIB_TYPE_CONSTANT(int, int_type);\n");
  EXPECT_EQ(fragment("formatter", 2, made, true), "2: LIB_FORMAT_AS(signed char,\n3:               int);\n");
  EXPECT_EQ(fragment("type_constant", 1, made, false), "");
  // Not an invocation: still no fragment.
  EXPECT_EQ(fragment("Box", 4, made, true), "");
  EXPECT_EQ(fragment("Box", 5, made, true), "");
}

TEST(UtilStatementStructural, MacroLineShapes) {
  using T = std::vector<U_String>;
  for (const T& macro : {T{"LIB_BEGIN"}, T{"EXPORT"}, T{"API", "(", "x", "(", ")", ")"}})
    EXPECT_TRUE(Util::is_macro_line(macro)) << macro[0];
  for (const T& other : {T{"T"}, T{"inline"}, T{"Lib_Begin"}, T{"API", "(", "x", ")", "int"},
                         T{"API", "(", "x", ")", "(", ")"}, T{}})
    EXPECT_FALSE(Util::is_macro_line(other)) << other.size();
}

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

// A conversion function reaches the search as "operator" run together with
// its type; the source spells them apart, on one line or over two.
TEST(UtilStatementShapes, ConversionFunctionsAreFoundByTheirOperatorToken) {
  const Lines lines = {
      "struct S {",
      "    constexpr operator bool() const noexcept",
      "    { return true; }",
      "    operator std::basic_string_view<char>() const { return {}; }",
      "    int operatorbool;",
      "};",
  };
  EXPECT_EQ(fragment("operatorbool", 2, lines, true),
            "2:     constexpr operator bool() const noexcept\n");
  EXPECT_EQ(fragment("operatorbasic_string_view", 4, lines, true),
            "4:     operator std::basic_string_view<char>() const { return {}; }\n");
  // A member really named so is still found by its own token.
  EXPECT_EQ(fragment("operatorbool", 5, lines, true), "5:     int operatorbool;\n");
  EXPECT_EQ(fragment("operatorbool", 2, lines, false), "");
}
