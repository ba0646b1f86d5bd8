// The pattern index must find exactly what a pass over every pattern finds,
// in the same order, whatever the placeholders' positions.
#include <gtest/gtest.h>

#include <vector>

#include "report/Pattern_Index.h"
#include "report/Template_Usage_Generate.h"

namespace {

std::vector<size_t> brute_force(const std::vector<U_String>& patterns, const U_String& n) {
  std::vector<size_t> out;
  for (size_t i = 0; i < patterns.size(); ++i)
    if (Template_Usage_Generate::match_template_parameters(patterns[i], n)) out.push_back(i);
  return out;
}

}  // namespace

TEST(PatternIndex, FindsWhatAFullPassFinds) {
  const std::vector<U_String> patterns = {
      "lib::Box<%>",         "lib::Pair<%,int>", "lib::Pair<int,%>", "lib::Box<bool>",
      "lib::Pair<%,%>",      "%::Box<int>",      "lib::Box<%>",      "lib::Grid<%,0>",
      "lib::Box<lib::Box<%>>", "Outer<%>::Inner<%>", "const %",       "",
      "lib::Box<%>::size(void)", "geo::Vec<geo::Square>", "lib::Box"};
  Pattern_Index index;
  for (const U_String& p : patterns) index.add(p);
  ASSERT_EQ(index.size(), patterns.size());
  const std::vector<U_String> queries = {
      "lib::Box<int>",   "lib::Box<%>",        "lib::Pair<double,int>", "lib::Pair<int,char>",
      "lib::Pair<%,%>",  "ns::Box<int>",       "%::Box<int>",           "lib::Grid<int,0>",
      "lib::Box<lib::Box<char>>", "Outer<int>::Inner<char>", "const int", "",
      "lib::Box<int>::size(void)", "geo::Vec<geo::Square>", "lib::Box", "lib::Box<int,int>",
      "%",               "lib::Box<>"};
  for (const U_String& q : queries) {
    const std::vector<size_t> expected = brute_force(patterns, q);
    EXPECT_EQ(index.matches(q), expected) << q;
    EXPECT_EQ(index.first_match(q), expected.empty() ? index.size() : expected.front()) << q;
  }
  // Spot checks that the comparison above is not vacuous.
  EXPECT_EQ(index.matches("lib::Box<int>"), (std::vector<size_t>{0, 5, 6}));
  EXPECT_EQ(index.matches("ns::Box<int>"), (std::vector<size_t>{5}));
  EXPECT_EQ(index.first_match("lib::Pair<int,int>"), 1u);
  EXPECT_EQ(index.first_match("nothing::Here<int>"), index.size());
}

TEST(PatternIndex, KeyKeepsSeparatorsAndTopLevelText) {
  bool wild = true;
  EXPECT_EQ(Pattern_Index::key("lib::Box<%>::size(void)", wild), "lib::Box<>::size()");
  EXPECT_FALSE(wild);
  EXPECT_EQ(Pattern_Index::key("%::Box<int>", wild), "%::Box<>");
  EXPECT_TRUE(wild);
  EXPECT_EQ(Pattern_Index::key("Outer<%>::Inner<%,%>", wild), "Outer<>::Inner<,>");
  EXPECT_FALSE(wild);
}
