#include <gtest/gtest.h>

#include <stdexcept>

#include "source/Qparse.h"

namespace {

using V = std::vector<U_String>;

TEST(QparseMatch, WhitespaceAndLeadingCharacters) {
  EXPECT_TRUE(Qparse::match_all_whitespace(""));
  EXPECT_TRUE(Qparse::match_all_whitespace(" \t "));
  EXPECT_FALSE(Qparse::match_all_whitespace(" x "));
  EXPECT_TRUE(Qparse::match_is_all_spaces("   "));
  EXPECT_FALSE(Qparse::match_is_all_spaces(" \t "));
  EXPECT_TRUE(Qparse::match_token_is_whitespace_then_colon(" \t: public"));
  EXPECT_FALSE(Qparse::match_token_is_whitespace_then_colon("a:"));
  EXPECT_FALSE(Qparse::match_token_is_whitespace_then_colon("  "));
  EXPECT_TRUE(Qparse::match_whitespace_then_hash("\t # if"));
  EXPECT_FALSE(Qparse::match_whitespace_then_hash("x #"));
}

TEST(QparseMatch, TrailingBackslashAndSpanningComment) {
  EXPECT_TRUE(Qparse::match_trailing_backslash_and_whitespace("#define A \\  \t"));
  EXPECT_TRUE(Qparse::match_trailing_backslash_and_whitespace("\\"));
  EXPECT_FALSE(Qparse::match_trailing_backslash_and_whitespace("a \\ b"));
  EXPECT_FALSE(Qparse::match_trailing_backslash_and_whitespace(""));
  EXPECT_TRUE(Qparse::match_trailing_comment_that_spans_lines("int x; /*  "));
  EXPECT_TRUE(Qparse::match_trailing_comment_that_spans_lines("/*"));
  EXPECT_FALSE(Qparse::match_trailing_comment_that_spans_lines("*"));
  EXPECT_FALSE(Qparse::match_trailing_comment_that_spans_lines("/* x */"));
  EXPECT_FALSE(Qparse::match_trailing_comment_that_spans_lines("   "));
}

TEST(QparseMatch, HashDirectives) {
  EXPECT_TRUE(Qparse::match_hash_define_directive("  #  define X"));
  EXPECT_TRUE(Qparse::match_hash_define_directive("#define"));
  EXPECT_TRUE(Qparse::match_hash_define_directive("#define(X)"));
  EXPECT_FALSE(Qparse::match_hash_define_directive("#defineX"));
  EXPECT_FALSE(Qparse::match_hash_define_directive("#define_X"));
  EXPECT_FALSE(Qparse::match_hash_define_directive("#defin"));
  EXPECT_FALSE(Qparse::match_hash_define_directive("x #define"));
  EXPECT_TRUE(Qparse::match_hash_directive("#if 1", "if"));
  EXPECT_FALSE(Qparse::match_hash_directive("#ifdef A", "if"));
}

TEST(QparseMatch, Identifiers) {
  EXPECT_TRUE(Qparse::match_token_is_identifier("_a1"));
  EXPECT_TRUE(Qparse::match_token_is_identifier("@Class$"));
  EXPECT_FALSE(Qparse::match_token_is_identifier(""));
  EXPECT_FALSE(Qparse::match_token_is_identifier("1a"));
  EXPECT_FALSE(Qparse::match_token_is_identifier("a-b"));
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

TEST(QparseMatch, ExtractAndSplit) {
  EXPECT_EQ(Qparse::extract_string_between("f(a, b) (c)", '(', ')'), "a, b");
  EXPECT_EQ(Qparse::extract_string_between("f(a", '(', ')'), "");
  EXPECT_EQ(Qparse::extract_string_between("none", '(', ')'), "");
  EXPECT_EQ(Qparse::split_on_char_sequence(",a,,b,", ','), (V{"a", "b"}));
  EXPECT_EQ(Qparse::split_on_char_sequence("", ','), V{});
  EXPECT_EQ(Qparse::split_on_char_precise(",a,,b", ','), (V{"", "a", "", "b"}));
  EXPECT_EQ(Qparse::split_on_char_precise("ab", ','), (V{"ab"}));
}

}  // namespace
