// The pattern index must find exactly what a pass over every pattern finds,
// in the same order, whatever the placeholders' positions, in both modes.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "report/Name_Parse.h"
#include "report/Pattern_Index.h"
#include "report/Template_Usage_Generate.h"

namespace {

// Checks that an index of `patterns` finds for each of `queries` what a
// pass of `match` over every pattern finds, in the same order; returns the
// index for spot checks that show the comparison is not vacuous.
Pattern_Index expectFullPassResults(bool structural, const std::vector<U_String>& patterns,
                                    const std::vector<U_String>& queries,
                                    const std::function<bool(const U_String&, const U_String&)>& match) {
  Pattern_Index index;
  index.setStructural(structural);
  for (const U_String& p : patterns) index.add(p);
  EXPECT_EQ(index.size(), patterns.size());
  for (const U_String& q : queries) {
    std::vector<size_t> expected;
    for (size_t i = 0; i < patterns.size(); ++i)
      if (match(patterns[i], q)) expected.push_back(i);
    EXPECT_EQ(index.matches(q), expected) << q;
    EXPECT_EQ(index.first_match(q), expected.empty() ? index.size() : expected.front()) << q;
  }
  return index;
}

}  // namespace

TEST(PatternIndex, FindsWhatAFullPassFinds) {
  const Pattern_Index index = expectFullPassResults(
      false,
      {"lib::Box<%>", "lib::Pair<%,int>", "lib::Pair<int,%>", "lib::Box<bool>", "lib::Pair<%,%>", "%::Box<int>",
       "lib::Box<%>", "lib::Grid<%,0>", "lib::Box<lib::Box<%>>", "Outer<%>::Inner<%>", "const %", "",
       "lib::Box<%>::size(void)", "geo::Vec<geo::Square>", "lib::Box"},
      {"lib::Box<int>", "lib::Box<%>", "lib::Pair<double,int>", "lib::Pair<int,char>", "lib::Pair<%,%>",
       "ns::Box<int>", "%::Box<int>", "lib::Grid<int,0>", "lib::Box<lib::Box<char>>", "Outer<int>::Inner<char>",
       "const int", "", "lib::Box<int>::size(void)", "geo::Vec<geo::Square>", "lib::Box", "lib::Box<int,int>", "%",
       "lib::Box<>"},
      Template_Usage_Generate::match_template_parameters);
  EXPECT_EQ(index.matches("lib::Box<int>"), (std::vector<size_t>{0, 5, 6}));
  EXPECT_EQ(index.matches("ns::Box<int>"), (std::vector<size_t>{5}));
  EXPECT_EQ(index.first_match("lib::Pair<int,int>"), 1u);
  EXPECT_EQ(index.first_match("nothing::Here<int>"), index.size());
}

// In structural mode the index buckets by the text outside all lists: it
// must still find exactly what a full pass of Name_Parse::matches finds
// (names that do not parse match when equal).
TEST(PatternIndex, StructuralModeFindsWhatAFullPassFinds) {
  const Pattern_Index index = expectFullPassResults(
      true,
      {"conf::Setting<%>", "lib::Pair<%,int>", "%::Box<int>", "lib::Box<lib::Box<%>>", "lib::Box<%>::size(void)",
       "const %", "bad<", "", "conf::Setting<std::string>"},
      {"conf::Setting<std::string>", "conf::Setting<std::vector<a::b>>", "lib::Pair<x::y,int>", "ns::Box<int>",
       "lib::Box<lib::Box<std::pair<int,int>>>", "lib::Box<a::b>::size(void)", "const int", "bad<", "", "%",
       "conf::Setting<int,int>"},
      [](const U_String& p, const U_String& q) {
        return Name_Parse::parse(p) && Name_Parse::parse(q) ? Name_Parse::matches(p, q) : p == q;
      });
  EXPECT_EQ(index.matches("conf::Setting<std::vector<a::b>>"), (std::vector<size_t>{0}));
  EXPECT_EQ(index.matches("conf::Setting<std::string>"), (std::vector<size_t>{0, 8}));
  EXPECT_EQ(index.matches("bad<"), (std::vector<size_t>{6}));
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
