#include <gtest/gtest.h>

#include "util/U_Filename.h"
#include "util/U_NumberRangeList.h"
#include "util/U_String.h"

namespace {

TEST(Strings, CaseInsensitiveComparisons) {
  EXPECT_EQ(U_stricmp("KtlPP", "ktlpp"), 0);
  EXPECT_LT(U_stricmp("abc", "ABD"), 0);
  EXPECT_GT(U_stricmp("abcd", "ABC"), 0);
  EXPECT_EQ(U_strnicmp("-VERSION", "-ver", 4), 0);
  EXPECT_NE(U_strnicmp("-ve", "-ver", 4), 0);
}

TEST(SingletonString, EqualTextsShareOneHandle) {
  U_Filename a = U_Filename::getString("/tmp/a.cpp");
  U_Filename b = U_Filename::getString(std::string("/tmp/") + "a.cpp");
  U_Filename c = U_Filename::getString("/tmp/b.cpp");
  EXPECT_TRUE(a == b);
  EXPECT_EQ(a.c_str(), b.c_str());
  EXPECT_TRUE(a != c);
  EXPECT_NE(a < c, c < a);
  EXPECT_FALSE(U_Filename().isSet());
  EXPECT_EQ(U_Filename().str(), "");
}

TEST(NumberRangeList, NumbersRangesReversedRangesAndTooLargeRanges) {
  U_NumberRangeList list;
  list.parseRangeList("1, 7-3;12 x 9-9");
  EXPECT_EQ(list.values(), (std::vector<int>{1, 3, 4, 5, 6, 7, 12, 9}));

  U_NumberRangeList large;
  testing::internal::CaptureStderr();
  large.parseRangeList("5-20005");  // 20001 numbers
  std::string err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(err,
            "\n\nWARNING: configured number range 5-20005 is too large.\n"
            "WARNING: Will truncate range to 5-20004.\n\n");
  ASSERT_EQ(large.values().size(), 20000u);
  EXPECT_EQ(large.values().front(), 5);
  EXPECT_EQ(large.values().back(), 20004);

  U_NumberRangeList exact;
  testing::internal::CaptureStderr();
  exact.parseRangeList("1-20000");
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  EXPECT_EQ(exact.values().size(), 20000u);
}

}  // namespace
