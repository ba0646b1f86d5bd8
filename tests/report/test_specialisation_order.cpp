// Deduction of a partial specialisation's arguments and the choice of the
// most specialised one, on the analyser's placeholder names.
#include <gtest/gtest.h>

#include <string>

#include "report/Specialisation_Order.h"
#include "PredicateRows.h"

using Specialisation_Order::at_least_as_specialised;
using Specialisation_Order::choose;
using Specialisation_Order::deduces;

// Each pattern with the names it deduces and those it does not.
TEST(SpecialisationOrder, DeductionBindsEachParameterToOneArgument) {
  const std::string vectorOfAllocated = "V<std::vector<@ClassTempParam1,std::allocator<@ClassTempParam1>>>";
  expectRows(deduces, {
      {"Setting<std::vector<@ClassTempParam1>>", {"Setting<std::vector<double>>"},
       {"Setting<int>", "Setting<std::vectors<int>>"}},  // other text is compared whole
      // A repeated parameter stands for the same argument both times.
      {"Pair<@ClassTempParam1,@ClassTempParam1>", {"Pair<int,int>"}, {"Pair<int,char>"}},
      {vectorOfAllocated, {"V<std::vector<ns::A<1>, std::allocator<ns::A<1> > >>"},
       {"V<std::vector<int,std::allocator<long>>>"}},
      // A parameter never takes two arguments, nor an unbalanced run.
      {"Box<@ClassTempParam1>", {}, {"Box<int,char>", "Box<>", "Box<int>>"}},
      // Inside other text: pointers and qualifiers.
      {"Box<@ClassTempParam1*>", {"Box<std::vector<int>*>"}, {"Box<int>"}},
      {"Box<@ClassTempParam1const&>", {"Box<intconst&>"}, {}},
      {"Flag<true>", {"Flag<true>"}, {"Flag<false>"}},
      {"Box<@ClassTempParam1", {}, {"Box<int"}},
      // Packs take any number of arguments.
      {"Tuple<int,@ClassTempParam1...>", {"Tuple<int,char,long>", "Tuple<int>"}, {"Tuple<char,int>"}},
      {"Tuple<@ClassTempParam1...>", {"Tuple<>"}, {}},
      {"F<@ClassTempParam1(@ClassTempParam2...)>", {"F<void(int,char)>"}, {}},
  });
  // Many parameters in one run of text: given up, not hung.
  U_String pattern = "X<", name = "X<";
  for (int i = 0; i < 40; ++i) {
    pattern += "@ClassTempParam" + std::to_string(i + 1) + "*";
    name += "a*a*";
  }
  EXPECT_FALSE(deduces(pattern + "b>", name + ">"));
}

// Each pattern with those it is at least as specialised as, and those it
// is not: the other parameters are taken as opaque, a pack is not one
// argument.
TEST(SpecialisationOrder, OrderTakesTheOtherParametersAsOpaque) {
  const U_String vec = "S<std::vector<@ClassTempParam1>>";
  const U_String vecPtr = "S<std::vector<@ClassTempParam1*>>";
  const U_String any = "S<@ClassTempParam1>";
  expectRows(at_least_as_specialised, {
      {vecPtr, {vec}, {}},
      {vec, {any, vec}, {vecPtr}},
      {any, {}, {vec}},
      {"T<int,@ClassTempParam1...>", {"T<@ClassTempParam1...>"}, {}},
      {"T<@ClassTempParam1...>", {}, {"T<int,@ClassTempParam1...>", "T<@ClassTempParam1>"}},
  });
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
  expectRows(deduces, {
      {"impl<@ClassTempParam1,@ClassTempParam2,false,std::enable_if<conj<std::is_integral<"
       "@ClassTempParam1>,std::is_integral<@ClassTempParam2>>::value,void>::type>",
       {"impl<unsignedlong,long,false,void>"},
       {"impl<unsignedlong,long,true,void>", "impl<unsignedlong,long,false,void,int>"}},
      {"fmt<@ClassTempParam1,@ClassTempParam2,std::enable_if<(kind<@ClassTempParam1,@ClassTempParam2>::value!=3),"
       "void>::type>",
       {"fmt<int,char,void>"}, {}},
      {"complete<@ClassTempParam1,decltype(void(sizeof(@ClassTempParam1)))>", {"complete<geo::Point,void>"}, {}},
      // A dependent member nested in another argument: only it is taken as any.
      {"W<std::vector<@ClassTempParam1::type>>", {"W<std::vector<int>>"}, {"W<std::list<int>>"}},
      // Without a placeholder the member is compared as written.
      {"V<std::enable_if<true,void>::type>", {}, {"V<void>"}},
  });
  // The more specialised of two that apply still wins.
  const std::vector<U_String> partials = {
      "R<@ClassTempParam1,std::enable_if<is<@ClassTempParam1>::value,void>::type>",
      "R<@ClassTempParam1*,std::enable_if<is<@ClassTempParam1>::value,void>::type>"};
  EXPECT_EQ(choose(partials, "R<int*,void>"), 1u);
  EXPECT_EQ(choose(partials, "R<int,void>"), 0u);
}
