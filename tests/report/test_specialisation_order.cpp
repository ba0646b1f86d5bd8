// Deduction of a partial specialisation's arguments and the choice of the
// most specialised one, on the analyser's placeholder names.
#include <gtest/gtest.h>

#include <string>

#include "report/Specialisation_Order.h"

using Specialisation_Order::at_least_as_specialised;
using Specialisation_Order::choose;
using Specialisation_Order::deduces;

TEST(SpecialisationOrder, DeductionBindsEachParameterToOneArgument) {
  EXPECT_TRUE(deduces("Setting<std::vector<@ClassTempParam1>>", "Setting<std::vector<double>>"));
  EXPECT_FALSE(deduces("Setting<std::vector<@ClassTempParam1>>", "Setting<int>"));
  // A repeated parameter stands for the same argument both times.
  EXPECT_TRUE(deduces("Pair<@ClassTempParam1,@ClassTempParam1>", "Pair<int,int>"));
  EXPECT_FALSE(deduces("Pair<@ClassTempParam1,@ClassTempParam1>", "Pair<int,char>"));
  EXPECT_TRUE(deduces("V<std::vector<@ClassTempParam1,std::allocator<@ClassTempParam1>>>",
                      "V<std::vector<ns::A<1>, std::allocator<ns::A<1> > >>"));
  EXPECT_FALSE(deduces("V<std::vector<@ClassTempParam1,std::allocator<@ClassTempParam1>>>",
                       "V<std::vector<int,std::allocator<long>>>"));
  // A parameter never takes two arguments, nor an unbalanced run.
  EXPECT_FALSE(deduces("Box<@ClassTempParam1>", "Box<int,char>"));
  EXPECT_FALSE(deduces("Box<@ClassTempParam1>", "Box<>"));
  // Inside other text: pointers and qualifiers.
  EXPECT_TRUE(deduces("Box<@ClassTempParam1*>", "Box<std::vector<int>*>"));
  EXPECT_FALSE(deduces("Box<@ClassTempParam1*>", "Box<int>"));
  EXPECT_TRUE(deduces("Box<@ClassTempParam1const&>", "Box<intconst&>"));
  // Other text is compared whole.
  EXPECT_FALSE(deduces("Setting<std::vector<@ClassTempParam1>>", "Setting<std::vectors<int>>"));
  EXPECT_TRUE(deduces("Flag<true>", "Flag<true>"));
  EXPECT_FALSE(deduces("Flag<true>", "Flag<false>"));
}

TEST(SpecialisationOrder, PacksTakeAnyNumberOfArguments) {
  EXPECT_TRUE(deduces("Tuple<int,@ClassTempParam1...>", "Tuple<int,char,long>"));
  EXPECT_TRUE(deduces("Tuple<int,@ClassTempParam1...>", "Tuple<int>"));
  EXPECT_TRUE(deduces("Tuple<@ClassTempParam1...>", "Tuple<>"));
  EXPECT_FALSE(deduces("Tuple<int,@ClassTempParam1...>", "Tuple<char,int>"));
  EXPECT_TRUE(deduces("F<@ClassTempParam1(@ClassTempParam2...)>", "F<void(int,char)>"));
}

TEST(SpecialisationOrder, BadNamesDoNotDeduce) {
  EXPECT_FALSE(deduces("Box<@ClassTempParam1", "Box<int"));
  EXPECT_FALSE(deduces("Box<@ClassTempParam1>", "Box<int>>"));
  // Many parameters in one run of text: given up, not hung.
  U_String pattern = "X<", name = "X<";
  for (int i = 0; i < 40; ++i) {
    pattern += "@ClassTempParam" + std::to_string(i + 1) + "*";
    name += "a*a*";
  }
  EXPECT_FALSE(deduces(pattern + "b>", name + ">"));
}

TEST(SpecialisationOrder, OrderTakesTheOtherParametersAsOpaque) {
  const U_String vec = "S<std::vector<@ClassTempParam1>>";
  const U_String vecPtr = "S<std::vector<@ClassTempParam1*>>";
  const U_String any = "S<@ClassTempParam1>";
  EXPECT_TRUE(at_least_as_specialised(vecPtr, vec));
  EXPECT_FALSE(at_least_as_specialised(vec, vecPtr));
  EXPECT_TRUE(at_least_as_specialised(vec, any));
  EXPECT_FALSE(at_least_as_specialised(any, vec));
  EXPECT_TRUE(at_least_as_specialised(vec, vec));
  // A pack is not one argument.
  EXPECT_TRUE(at_least_as_specialised("T<int,@ClassTempParam1...>", "T<@ClassTempParam1...>"));
  EXPECT_FALSE(at_least_as_specialised("T<@ClassTempParam1...>", "T<int,@ClassTempParam1...>"));
  EXPECT_FALSE(at_least_as_specialised("T<@ClassTempParam1...>", "T<@ClassTempParam1>"));
}

TEST(SpecialisationOrder, ChoosesTheMostSpecialisedThatApplies) {
  const std::vector<U_String> partials = {"S<std::vector<@ClassTempParam1>>",
                                          "S<std::vector<@ClassTempParam1*>>",
                                          "S<std::vector<@ClassTempParam1>const>"};
  EXPECT_EQ(choose(partials, "S<std::vector<int*>>"), 1u);
  EXPECT_EQ(choose(partials, "S<std::vector<int>>"), 0u);
  EXPECT_EQ(choose(partials, "S<std::vector<int>const>"), 2u);
  EXPECT_EQ(choose(partials, "S<int>"), partials.size());
  // Neither is more specialised: the first that applies.
  const std::vector<U_String> ambiguous = {"P<int,@ClassTempParam1>", "P<@ClassTempParam1,int>"};
  EXPECT_EQ(choose(ambiguous, "P<int,int>"), 0u);
  EXPECT_EQ(choose(ambiguous, "P<char,int>"), 1u);
  // A pattern given twice (one specialisation defined in two files).
  EXPECT_EQ(choose({"Q<@ClassTempParam1*>", "Q<@ClassTempParam1*>"}, "Q<int*>"), 0u);
}

// An argument that names a member of a dependent specialisation, or a
// dependent decltype, deduces nothing: it takes any one argument (the
// compiler checked it when it chose the specialisation).
TEST(SpecialisationOrder, NonDeducedArgumentsTakeAnyOneArgument) {
  const U_String impl =
      "impl<@ClassTempParam1,@ClassTempParam2,false,std::enable_if<conj<std::is_integral<"
      "@ClassTempParam1>,std::is_integral<@ClassTempParam2>>::value,void>::type>";
  EXPECT_TRUE(deduces(impl, "impl<unsignedlong,long,false,void>"));
  EXPECT_FALSE(deduces(impl, "impl<unsignedlong,long,true,void>"));
  EXPECT_FALSE(deduces(impl, "impl<unsignedlong,long,false,void,int>"));
  EXPECT_TRUE(deduces("fmt<@ClassTempParam1,@ClassTempParam2,std::enable_if<(kind<"
                      "@ClassTempParam1,@ClassTempParam2>::value!=3),void>::type>",
                      "fmt<int,char,void>"));
  EXPECT_TRUE(deduces("complete<@ClassTempParam1,decltype(void(sizeof(@ClassTempParam1)))>",
                      "complete<geo::Point,void>"));
  // A dependent member nested in another argument: only it is taken as any.
  EXPECT_TRUE(deduces("W<std::vector<@ClassTempParam1::type>>", "W<std::vector<int>>"));
  EXPECT_FALSE(deduces("W<std::vector<@ClassTempParam1::type>>", "W<std::list<int>>"));
  // Without a placeholder the member is compared as written.
  EXPECT_FALSE(deduces("V<std::enable_if<true,void>::type>", "V<void>"));
  // The more specialised of two that apply still wins.
  const std::vector<U_String> partials = {
      "R<@ClassTempParam1,std::enable_if<is<@ClassTempParam1>::value,void>::type>",
      "R<@ClassTempParam1*,std::enable_if<is<@ClassTempParam1>::value,void>::type>"};
  EXPECT_EQ(choose(partials, "R<int*,void>"), 1u);
  EXPECT_EQ(choose(partials, "R<int,void>"), 0u);
}
