// Name patterns that find the template a specialisation, an instance or a
// member comes from.
#include <gtest/gtest.h>

#include "report/Template_Usage_Generate.h"

using TUG = Template_Usage_Generate;

TEST(TemplatePatterns, PlaceholdersBecomePercentUpToTheNextDelimiter) {
  EXPECT_EQ(TUG::normalise_term("lib::Box<@ClassTempParam1>"), "lib::Box<%>");
  EXPECT_EQ(TUG::normalise_term("f<@FuncTempParam1>(@FuncTempParam1const&)"), "f<%>(%)");
  EXPECT_EQ(TUG::normalise_term("Grid<@ClassTempParam1,0>"), "Grid<%,0>");
  // A marker with nothing after it is no placeholder.
  EXPECT_EQ(TUG::normalise_term("x@Func"), "x@Func");
  EXPECT_EQ(TUG::normalise_term("x@Class"), "x@Class");
  EXPECT_EQ(TUG::normalise_term("@Other1"), "@Other1");
  EXPECT_EQ(TUG::norm("lib::Pair<@ClassTempParam1,@ClassTempParam2>::first(void)"),
            "lib::Pair<%,%>::first(void)");
  EXPECT_EQ(TUG::norm("geo::Vec<geo::Square>"), "geo::Vec<geo::Square>");
  EXPECT_EQ(TUG::norm(""), "");
}

TEST(TemplatePatterns, PercentMatchesOneArgumentOnEitherSide) {
  EXPECT_TRUE(TUG::match_template_parameters("lib::Box<%>", "lib::Box<int>"));
  EXPECT_TRUE(TUG::match_template_parameters("lib::Box<int>", "lib::Box<%>"));
  EXPECT_TRUE(TUG::match_template_parameters("lib::Pair<%,int>", "lib::Pair<double,int>"));
  EXPECT_FALSE(TUG::match_template_parameters("lib::Pair<%,int>", "lib::Pair<int,char>"));
  EXPECT_TRUE(TUG::match_template_parameters("lib::Pair<%,%>", "lib::Pair<%,int>"));
  EXPECT_FALSE(TUG::match_template_parameters("lib::Grid<%,0>", "lib::Grid<int,4>"));
  // An argument holding "::" is cut at its first ':' and no longer matches.
  EXPECT_FALSE(TUG::match_template_parameters("geo::Vec<%>", "geo::Vec<geo::Square>"));
  // Both ends must be reached.
  EXPECT_FALSE(TUG::match_template_parameters("lib::Box<%>", "lib::Box<int>::size"));
  EXPECT_FALSE(TUG::match_template_parameters("lib::Box", "lib::Boxes"));
  EXPECT_FALSE(TUG::match_template_parameters("", ""));
  EXPECT_FALSE(TUG::match_template_parameters("a", ""));
  EXPECT_TRUE(TUG::match_template_parameters("Tally<%>", "Tally<%>"));
}

