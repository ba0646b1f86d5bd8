#include <gtest/gtest.h>

#include <cmath>

#include "report/Xutil.h"

namespace {

using V = std::vector<U_String>;

TEST(Xutil, LinkTargetAndLowering) {
  // The document names of the report are pinned by the end-to-end tests.
  EXPECT_EQ(Xutil::link_target("Analysis of C++  Templates"), "analysis_of_c++__templates");
  EXPECT_EQ(Xutil::link_target(""), "");
  EXPECT_EQ(Xutil::To_Lower(std::string("AB\0CD", 5)), std::string("ab\0CD", 5));
}

// A text made almost wholly of matches: every one is replaced, in order,
// and nothing outside them moves.
TEST(Xutil, GlobalReplaceOnAMillionMatches) {
  const std::size_t n = 1000000;
  U_String s = "a" + U_String(n, '>') + "b";
  Xutil::Global_Replace(s, ">", "&gt;");
  ASSERT_EQ(s.size(), n * 4 + 2);
  EXPECT_EQ(s.front(), 'a');
  EXPECT_EQ(s.back(), 'b');
  for (std::size_t i = 0; i < n; ++i) ASSERT_EQ(s.compare(1 + 4 * i, 4, "&gt;"), 0) << i;
  Xutil::Global_Replace(s, "&gt;", "");
  EXPECT_EQ(s, "ab");
}

TEST(Xutil, SettingsLinesSplitOutsideQuotes) {
  EXPECT_EQ(Xutil::split_string_allowing_specific_quoted_terms(",", "-po  a,mxo::x", '"'),
            (V{"-po  a", "mxo::x"}));
  EXPECT_EQ(Xutil::split_string_allowing_specific_quoted_terms(",", "x,\"a,b\",,y,", '"'),
            (V{"x", "a,b", "y"}));
  EXPECT_EQ(Xutil::split_string_allowing_specific_quoted_terms(",", "a\\\"b,c", '"'), (V{"a\"b", "c"}));
  // An escaped quote that closes a quoted last term keeps its backslash.
  EXPECT_EQ(Xutil::split_string_allowing_specific_quoted_terms(",", "\"dir\\\\\"", '"'), (V{"dir\\\\"}));
  EXPECT_EQ(Xutil::split_string_allowing_specific_quoted_terms(",;", "a;b,c", '"'), (V{"a", "b", "c"}));
  EXPECT_EQ(Xutil::split_string_allowing_specific_quoted_terms(",", "", '"'), V{});
  EXPECT_EQ(Xutil::split_string_allowing_specific_quoted_terms("", "a,b", '"'), V{});
  EXPECT_EQ(Xutil::split_string_allowing_specific_quoted_terms(",", ",,", '"'), V{});
}

}  // namespace
