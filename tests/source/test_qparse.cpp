#include <gtest/gtest.h>

#include "source/Qparse.h"

namespace {

// Token columns are kept by the tokeniser too, but nothing in the program
// reads them.
using V = std::vector<U_String>;

// The tokens of a line, each followed by one blank.
std::string tokens(const std::string& line) {
  std::string out;
  for (const U_String& token : Qparse::split_into_tokens(line)) out += token + " ";
  return out;
}

// Rows of {line, its tokens}.
void expectTokens(std::initializer_list<std::pair<const char*, const char*>> rows) {
  for (const auto& [line, expected] : rows) EXPECT_EQ(tokens(line), expected) << line;
}

TEST(QparseTokens, OperatorsTakeTheLongestMatchOfTheirRow) {
  expectTokens({{"a<<=b", "a <<= b "}, {"x->*y", "x ->* y "}, {"p->q", "p -> q "}, {"a...b", "a ... b "},
                {"s.*m", "s .* m "}, {"a>>=b>=c", "a >>= b >= c "}, {"i++&&j--||k!=l", "i ++ && j -- || k != l "},
                {"a~=b", "a ~= b "},
                {"bool operator==(const Box&) const;", "bool operator == ( const Box & ) const ; "},
                // Characters without a row, or without a matching continuation, stand alone.
                {"a=-b", "a = - b "}, {"@x", "@x "}});
}

TEST(QparseTokens, PunctuatorsDigraphsAndTrigraphs) {
  expectTokens({{"f(a,b);{x[0]}))", "f ( a , b ) ; { x [ 0 ] } ) ) "}, {"?\?=define X", "?\?= define X "},
                {"%:%:", "%:%: "}, {"<%a%>", "<% a %> "}, {"<:0:>", "<: 0 :> "},
                {"std::vector<int>::iterator", "std :: vector < int > :: iterator "},
                {"x = a ? b : c; // done", "x = a ? b : c ; // done "}, {"/* c */ y *= 2;", "/* c * / y *= 2 ; "},
                {"a##b", "a ## b "}});
}

TEST(QparseTokens, NumbersStopBeforeTheirSuffix) {
  expectTokens({{"1.5e+10f", "1.5e+10 f "}, {"0x1FUL", "0x1F UL "}, {"0XabU", "0Xab U "},
                {"x=2.5E-3L;", "x = 2.5E-3 L ; "}, {"10u+3", "10 u + 3 "},
                // An exponent letter without digits after it is not part of the number.
                {"1e", "1 e "}, {"1e+x", "1 e + x "}});
}

TEST(QparseTokens, LiteralsKeepEscapedQuotesAndHeaderNamesStayWhole) {
  EXPECT_EQ(Qparse::split_into_tokens("f(\"a b\", 'x')"), (V{"f", "(", "\"a b\"", ",", "'x'", ")"}));
  expectTokens({{"s = \"a\\\"b\";", "s = \"a\\\"b\" ; "}, {"c='\\\\';", "c = '\\\\' ; "},
                // An unterminated literal runs to the end of the line.
                {"p = \"abc", "p = \"abc "}, {"q = '\\", "q = '\\ "}, {"#include <stdio.h>", "# include <stdio.h> "},
                {"  #  include<sys/stat.h> // x", "# include <sys/stat.h> // x "},
                {"#include \"box.h\"", "# include \"box.h\" "},
                // Without a closing bracket, or with a longer word, it is ordinary text.
                {"#include <a", "# include < a "}, {"#includes <a>", "# includes < a > "},
                // Bytes outside ASCII are neither words nor blanks: they form runs of their own.
                {"a\xc3\xa9;", "a \xc3 \xa9 ; "}});
}

TEST(QparseMatch, BlankLinesTrailingBackslashAndWordBoundaries) {
  EXPECT_TRUE(Qparse::match_all_whitespace(""));
  EXPECT_TRUE(Qparse::match_all_whitespace(" \t "));
  EXPECT_FALSE(Qparse::match_all_whitespace(" x "));
  EXPECT_TRUE(Qparse::match_trailing_backslash_and_whitespace("#define A \\  \t"));
  EXPECT_TRUE(Qparse::match_trailing_backslash_and_whitespace("\\"));
  EXPECT_FALSE(Qparse::match_trailing_backslash_and_whitespace("a \\ b"));
  EXPECT_FALSE(Qparse::match_trailing_backslash_and_whitespace(""));
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
