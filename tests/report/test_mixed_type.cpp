// Mixed text-and-number order and the file order built on it.
#include <algorithm>
#include <vector>

#include <gtest/gtest.h>

#include "report/Mixed_Type.h"
#include "report/Template_Usage_Orderings.h"
#include "PredicateRows.h"

TEST(MixedType, SplitsIntoDigitAndTextRuns) {
  EXPECT_EQ(Split_Mixed_Type("abc12de3"), (std::vector<U_String>{"abc", "12", "de", "3"}));
  EXPECT_EQ(Split_Mixed_Type("42"), (std::vector<U_String>{"42"}));
  EXPECT_TRUE(Split_Mixed_Type("").empty());
}

// Each name with the names it is greater than and those it is not.
TEST(MixedType, NumbersCompareByValueTextByBytes) {
  expectRows(Mixed_Type_Gt, {
      {"item10", {"item9"}, {}}, {"item9", {}, {"item10"}}, {"x2", {}, {"x10"}}, {"x10", {"x2"}, {}},
      {"a007", {}, {"a7"}}, {"a7", {}, {"a007"}}, {"ab1", {"ab"}, {}}, {"ab", {}, {"ab1"}},
      {"b", {"a9"}, {}}, {"same", {}, {"same"}},
  });
}

TEST(MixedType, FileOrderIsStrictAndWeakEvenForNumericallyEqualNames) {
  EXPECT_TRUE(Mixed_File_Less("src/a2.h", "src/a10.h"));
  EXPECT_FALSE(Mixed_File_Less("src/a10.h", "src/a2.h"));
  EXPECT_FALSE(Mixed_File_Less("x.h", "x.h"));
  // a7 and a07 are equal in the mixed order; exactly one is less.
  EXPECT_NE(Mixed_File_Less("a7", "a07"), Mixed_File_Less("a07", "a7"));
  std::vector<U_String> names = {"f10", "f007", "f7", "f2", "g1", "f07", "f"};
  std::sort(names.begin(), names.end(), Mixed_File_Less);
  EXPECT_EQ(names, (std::vector<U_String>{"f", "f2", "f007", "f07", "f7", "f10", "g1"}));
  for (const auto& a : names)
    for (const auto& b : names)
      for (const auto& c : names)
        if (Mixed_File_Less(a, b) && Mixed_File_Less(b, c)) {
          EXPECT_TRUE(Mixed_File_Less(a, c)) << a << " " << b << " " << c;
        }
}
