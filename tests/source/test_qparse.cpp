#include <gtest/gtest.h>

#include "source/Qparse.h"

namespace {

// Token columns are kept by the tokeniser too, but nothing in the program
// reads them.
using V = std::vector<U_String>;

TEST(QparseTokens, OperatorsTakeTheLongestMatchOfTheirRow) {
  EXPECT_EQ(Qparse::split_into_tokens("a<<=b"), (V{"a", "<<=", "b"}));
  EXPECT_EQ(Qparse::split_into_tokens("x->*y"), (V{"x", "->*", "y"}));
  EXPECT_EQ(Qparse::split_into_tokens("p->q"), (V{"p", "->", "q"}));
  EXPECT_EQ(Qparse::split_into_tokens("a...b"), (V{"a", "...", "b"}));
  EXPECT_EQ(Qparse::split_into_tokens("s.*m"), (V{"s", ".*", "m"}));
  EXPECT_EQ(Qparse::split_into_tokens("a>>=b>=c"), (V{"a", ">>=", "b", ">=", "c"}));
  EXPECT_EQ(Qparse::split_into_tokens("i++&&j--||k!=l"),
            (V{"i", "++", "&&", "j", "--", "||", "k", "!=", "l"}));
  EXPECT_EQ(Qparse::split_into_tokens("a~=b"), (V{"a", "~=", "b"}));
  // Characters without a row, or without a matching continuation, stand alone.
  EXPECT_EQ(Qparse::split_into_tokens("a=-b"), (V{"a", "=", "-", "b"}));
  EXPECT_EQ(Qparse::split_into_tokens("@x"), (V{"@x"}));
}

TEST(QparseTokens, PunctuatorsDigraphsAndTrigraphs) {
  EXPECT_EQ(Qparse::split_into_tokens("f(a,b);{x[0]}"),
            (V{"f", "(", "a", ",", "b", ")", ";", "{", "x", "[", "0", "]", "}"}));
  EXPECT_EQ(Qparse::split_into_tokens("))"), (V{")", ")"}));
  EXPECT_EQ(Qparse::split_into_tokens("?\?="), (V{"?\?="}));
  EXPECT_EQ(Qparse::split_into_tokens("?\?=define X"), (V{"?\?=", "define", "X"}));
  EXPECT_EQ(Qparse::split_into_tokens("%:%:"), (V{"%:%:"}));
  EXPECT_EQ(Qparse::split_into_tokens("<%a%>"), (V{"<%", "a", "%>"}));
  EXPECT_EQ(Qparse::split_into_tokens("<:0:>"), (V{"<:", "0", ":>"}));
  EXPECT_EQ(Qparse::split_into_tokens("std::vector<int>::iterator"),
            (V{"std", "::", "vector", "<", "int", ">", "::", "iterator"}));
  EXPECT_EQ(Qparse::split_into_tokens("a##b"), (V{"a", "##", "b"}));
}

TEST(QparseTokens, NumbersStopBeforeTheirSuffix) {
  EXPECT_EQ(Qparse::split_into_tokens("1.5e+10"), (V{"1.5e+10"}));
  EXPECT_EQ(Qparse::split_into_tokens("1.5e+10f"), (V{"1.5e+10", "f"}));
  EXPECT_EQ(Qparse::split_into_tokens("0x1FUL"), (V{"0x1F", "UL"}));
  EXPECT_EQ(Qparse::split_into_tokens("0XabU"), (V{"0Xab", "U"}));
  EXPECT_EQ(Qparse::split_into_tokens("x=2.5E-3L;"), (V{"x", "=", "2.5E-3", "L", ";"}));
  EXPECT_EQ(Qparse::split_into_tokens("10u+3"), (V{"10", "u", "+", "3"}));
  // An exponent letter without digits after it is not part of the number.
  EXPECT_EQ(Qparse::split_into_tokens("1e"), (V{"1", "e"}));
  EXPECT_EQ(Qparse::split_into_tokens("1e+x"), (V{"1", "e", "+", "x"}));
}

TEST(QparseTokens, LiteralsKeepEscapedQuotes) {
  EXPECT_EQ(Qparse::split_into_tokens("s = \"a\\\"b\";"), (V{"s", "=", "\"a\\\"b\"", ";"}));
  EXPECT_EQ(Qparse::split_into_tokens("c='\\\\';"), (V{"c", "=", "'\\\\'", ";"}));
  EXPECT_EQ(Qparse::split_into_tokens("f(\"a b\", 'x')"), (V{"f", "(", "\"a b\"", ",", "'x'", ")"}));
  // An unterminated literal runs to the end of the line.
  EXPECT_EQ(Qparse::split_into_tokens("p = \"abc"), (V{"p", "=", "\"abc"}));
  EXPECT_EQ(Qparse::split_into_tokens("q = '\\"), (V{"q", "=", "'\\"}));
}

TEST(QparseTokens, IncludeDirectivesKeepTheHeaderNameWhole) {
  EXPECT_EQ(Qparse::split_into_tokens("#include <stdio.h>"), (V{"#", "include", "<stdio.h>"}));
  EXPECT_EQ(Qparse::split_into_tokens("  #  include<sys/stat.h> // x"),
            (V{"#", "include", "<sys/stat.h>", "//", "x"}));
  EXPECT_EQ(Qparse::split_into_tokens("#include \"box.h\""), (V{"#", "include", "\"box.h\""}));
  // Without a closing bracket, or with a longer word, it is ordinary text.
  EXPECT_EQ(Qparse::split_into_tokens("#include <a"), (V{"#", "include", "<", "a"}));
  EXPECT_EQ(Qparse::split_into_tokens("#includes <a>"), (V{"#", "includes", "<", "a", ">"}));
}

TEST(QparseTokens, RealDeclarations) {
  EXPECT_EQ(Qparse::split_into_tokens("template <typename T, int N = 3> class Box : public Base<T> {"),
            (V{"template", "<", "typename", "T", ",", "int", "N", "=", "3", ">", "class", "Box",
               ":", "public", "Base", "<", "T", ">", "{"}));
  EXPECT_EQ(Qparse::split_into_tokens("bool operator==(const Box&) const;"),
            (V{"bool", "operator", "==", "(", "const", "Box", "&", ")", "const", ";"}));
  EXPECT_EQ(Qparse::split_into_tokens("x = a ? b : c; // done"),
            (V{"x", "=", "a", "?", "b", ":", "c", ";", "//", "done"}));
  EXPECT_EQ(Qparse::split_into_tokens("/* c */ y *= 2;"), (V{"/*", "c", "*", "/", "y", "*=", "2", ";"}));
  // Bytes outside ASCII are neither words nor blanks: they form runs of their own.
  EXPECT_EQ(Qparse::split_into_tokens("a\xc3\xa9;"), (V{"a", "\xc3", "\xa9", ";"}));
}

TEST(QparseMatch, BlankLinesAndTrailingBackslash) {
  EXPECT_TRUE(Qparse::match_all_whitespace(""));
  EXPECT_TRUE(Qparse::match_all_whitespace(" \t "));
  EXPECT_FALSE(Qparse::match_all_whitespace(" x "));
  EXPECT_TRUE(Qparse::match_trailing_backslash_and_whitespace("#define A \\  \t"));
  EXPECT_TRUE(Qparse::match_trailing_backslash_and_whitespace("\\"));
  EXPECT_FALSE(Qparse::match_trailing_backslash_and_whitespace("a \\ b"));
  EXPECT_FALSE(Qparse::match_trailing_backslash_and_whitespace(""));
}

TEST(QparseMatch, WordBoundaries) {
  EXPECT_EQ(Qparse::count_to_word_boundary("", 0), 0u);
  EXPECT_EQ(Qparse::count_to_word_boundary("abc_1 x", 0), 5u);
  EXPECT_EQ(Qparse::count_to_word_boundary("a<<=b", 1), 3u);
  EXPECT_EQ(Qparse::count_to_word_boundary("a+ b", 1), 1u);
  EXPECT_EQ(Qparse::count_to_word_boundary("a b", 1), 1u);  // at least one
  EXPECT_EQ(Qparse::count_to_word_boundary("ab", 5), 0u);
}

TEST(QparseMatch, CommentDelimitersBecomeBlanks) {
  EXPECT_EQ(Qparse::remove_comment_delimiters("a/*b*/c"), "a  b  c");
  EXPECT_EQ(Qparse::remove_comment_delimiters("x; // y"), "x;    y");
  EXPECT_EQ(Qparse::remove_comment_delimiters("/*/"), "  /");
  EXPECT_EQ(Qparse::remove_comment_delimiters("a*b/c"), "a*b/c");
}

}  // namespace
