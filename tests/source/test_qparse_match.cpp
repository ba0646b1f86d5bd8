#include <gtest/gtest.h>

#include "source/Qparse.h"

namespace {

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
