// Telling an instantiation's overload by binding its template arguments,
// on names as the analyser writes them.
#include <gtest/gtest.h>

#include "report/Name_Parse.h"
#include "report/Overload_Match.h"

using Overload_Match::at_least_as_specialised;
using Overload_Match::choose;
using Overload_Match::specialises;

namespace {

const U_String kPtr = "lib::f<@FuncTempParam1>(@FuncTempParam1*)";
const U_String kRef = "lib::f<@FuncTempParam1>(@FuncTempParam1&)";
const U_String kConstRef = "lib::f<@FuncTempParam1>(@FuncTempParam1const&)";
const U_String kTwo = "lib::f<@FuncTempParam1>(@FuncTempParam1,@FuncTempParam1)";
const U_String kValue = "lib::f<@FuncTempParam1>(@FuncTempParam1)";

// Loose pattern matches for choose(): all, none, or one overload.
const std::function<bool(size_t)> kAll = [](size_t) { return true; };
const std::function<bool(size_t)> kNone = [](size_t) { return false; };
std::function<bool(size_t)> only(size_t which) {
  return [which](size_t i) { return i == which; };
}

}  // namespace

TEST(OverloadMatch, PointerReferenceConstReferenceAndArityDiffer) {
  const std::vector<U_String> overloads = {kPtr, kRef, kConstRef, kTwo};
  const std::vector<std::pair<U_String, size_t>> cases = {
      {"lib::f<int>(int*)", 0},        {"lib::f<intconst>(intconst*)", 0},
      {"lib::f<int>(int&)", 1},        {"lib::f<int>(intconst&)", 2},
      {"lib::f<int>(int,int)", 3},     {"lib::f<std::vector<int>>(std::vector<int>&)", 1}};
  for (const auto& [instance, which] : cases)
    for (size_t i = 0; i < overloads.size(); ++i)
      EXPECT_EQ(specialises(overloads[i], instance), i == which) << instance << " / " << i;
}

TEST(OverloadMatch, ReferencesCollapseAndTopLevelConstIsDropped) {
  const U_String forward = "lib::g<@FuncTempParam1>(@FuncTempParam1&&)";
  EXPECT_TRUE(specialises(forward, "lib::g<int&>(int&)"));
  EXPECT_TRUE(specialises(forward, "lib::g<int>(int&&)"));
  EXPECT_FALSE(specialises(forward, "lib::g<int>(int&)"));
  EXPECT_TRUE(specialises(forward, "lib::g<int&&>(int&&)"));
  // const on a reference is ignored; const on a const type is not doubled.
  EXPECT_TRUE(specialises(kConstRef, "lib::f<int&>(int&)"));
  EXPECT_TRUE(specialises(kConstRef, "lib::f<intconst>(intconst&)"));
  // A by-value const parameter: the function's type has no const.
  EXPECT_TRUE(specialises("lib::k<@FuncTempParam1>(@FuncTempParam1const)", "lib::k<int>(int)"));
  EXPECT_TRUE(specialises(kPtr, "lib::f<int>(int*const)"));
}

TEST(OverloadMatch, PacksExpandOnePerArgument) {
  const U_String h =
      "lib::h<@FuncTempParam1,@FuncTempParam2...>(@FuncTempParam1,@FuncTempParam2const&...)";
  EXPECT_TRUE(specialises(h, "lib::h<int,char,double>(int,charconst&,doubleconst&)"));
  EXPECT_TRUE(specialises(h, "lib::h<int>(int)"));
  EXPECT_FALSE(specialises(h, "lib::h<int,char>(int,char)"));
  EXPECT_FALSE(specialises(h, "lib::h<int,char>(int,charconst&,charconst&)"));
  const U_String tuple = "t<@FuncTempParam1...>(std::tuple<@FuncTempParam1...>const&)";
  EXPECT_TRUE(specialises(tuple, "t<int,long>(std::tuple<int,long>const&)"));
  EXPECT_TRUE(specialises("e<@FuncTempParam1...>(@FuncTempParam1...)", "e<>(void)"));
}

TEST(OverloadMatch, ClassPlaceholdersAndTheScopeBind) {
  const U_String member = "lib::F<@ClassTempParam1>::parse<@FuncTempParam1>(@FuncTempParam1&,"
                          "@ClassTempParam1)";
  EXPECT_TRUE(specialises(member, "lib::F<char>::parse<int>(int&,char)"));
  EXPECT_FALSE(specialises(member, "lib::F<char>::parse<int>(int&,long)"));
  EXPECT_FALSE(specialises(member, "lib::G<char>::parse<int>(int&,char)"));
  // A partial specialisation's scope: the placeholder inside "T*" is found
  // from the text around it.
  const U_String partial = "lib::P<@ClassTempParam1*>::put<@FuncTempParam1>(@ClassTempParam1,"
                           "@FuncTempParam1)";
  EXPECT_TRUE(specialises(partial, "lib::P<int*>::put<long>(int,long)"));
  EXPECT_FALSE(specialises(partial, "lib::P<int*>::put<long>(char,long)"));
  // Operators keep their symbol; a member's trailing const must agree.
  EXPECT_TRUE(specialises("lib::<<@<@FuncTempParam1>(lib::X<@FuncTempParam1>,int)",
                          "lib::<<@<long>(lib::X<long>,int)"));
  EXPECT_FALSE(specialises("A::get<@FuncTempParam1>(@FuncTempParam1)const", "A::get<int>(int)"));
}

TEST(OverloadMatch, PartialOrdering) {
  EXPECT_TRUE(at_least_as_specialised(kPtr, kValue));
  EXPECT_FALSE(at_least_as_specialised(kValue, kPtr));
  EXPECT_TRUE(at_least_as_specialised(kConstRef, kRef));  // T& takes "const U"
  EXPECT_TRUE(at_least_as_specialised(kPtr, kPtr));
  const U_String pairT = "p<@FuncTempParam1>(X<@FuncTempParam1>,@FuncTempParam1)";
  const U_String pairTU = "p<@FuncTempParam1,@FuncTempParam2>(X<@FuncTempParam1>,@FuncTempParam2)";
  EXPECT_TRUE(at_least_as_specialised(pairT, pairTU));
  EXPECT_FALSE(at_least_as_specialised(pairTU, pairT));
}

TEST(OverloadMatch, ChoiceAmongSeveralMatches) {
  // f(T, int) and f(T, T) both take f<int>(int,int), neither is more
  // specialised: the instantiation's line decides.
  const std::vector<U_String> tie = {"f<@FuncTempParam1>(@FuncTempParam1,int)",
                                     "f<@FuncTempParam1>(@FuncTempParam1,@FuncTempParam1)"};
  EXPECT_EQ(choose(tie, {3, 7}, kAll, "f<int>(int,int)", 7), std::vector<size_t>{1});
  EXPECT_EQ(choose(tie, {3, 7}, kAll, "f<int>(int,int)", 9),
            (std::vector<size_t>{0, 1}));
  // Among loose matches the more specialised overload wins: f(T*) over f(T).
  EXPECT_EQ(choose({kValue, kPtr}, {2, 3}, kAll, "lib::f<odd>(text)", 2),
            std::vector<size_t>{1});
  // No exact match: the loose matches, then the line, then every overload.
  const std::vector<U_String> two = {kPtr, kRef};
  EXPECT_EQ(choose(two, {2, 3}, only(1), "lib::f<odd>(text)", 0), std::vector<size_t>{1});
  EXPECT_EQ(choose(two, {2, 3}, kNone, "lib::f<odd>(text)", 2), std::vector<size_t>{0});
  EXPECT_EQ(choose(two, {2, 3}, kNone, "lib::f<odd>(text)", 5),
            (std::vector<size_t>{0, 1}));
}

TEST(OverloadMatch, UnreadableNamesMatchNothing) {
  EXPECT_FALSE(specialises(kPtr, "lib::f<int(int*)"));
  EXPECT_FALSE(specialises("lib::f<@FuncTempParam1", "lib::f<int>(int*)"));
  EXPECT_FALSE(specialises(kPtr, "lib::f<int>"));
  // Many free placeholders against a long name end without hanging.
  U_String pat = "f(", text = "f(";
  for (int i = 0; i < 30; ++i) pat += "@FuncTempParam" + std::to_string(i + 1) + "x";
  for (int i = 0; i < 2000; ++i) text += "x";
  EXPECT_FALSE(specialises(pat + "y)", text + ")"));
}

// A parameter list that starts with a placeholder right after a template
// argument list is no operator "(@".
TEST(OverloadMatch, PlaceholderAfterAListIsNoOperator) {
  EXPECT_EQ(Name_Parse::overload_key(kPtr), "lib::f<>");
  EXPECT_EQ(Name_Parse::overload_key("A::()@<@FuncTempParam1>(@FuncTempParam1)"), "A::()@<>");
}

TEST(OverloadMatch, PacksBeforeOtherParametersAndDependentNames) {
  // A pack followed by a defaulted parameter takes what the others leave.
  const U_String concat =
      "c<@FuncTempParam1,@FuncTempParam2...,@FuncTempParam3>(@FuncTempParam1&,"
      "@FuncTempParam2&&...)";
  EXPECT_TRUE(specialises(concat, "c<S,int,charconst*,0>(S&,int&&,charconst*&&)"));
  EXPECT_TRUE(specialises(concat, "c<S,0>(S&)"));
  EXPECT_FALSE(specialises(concat, "c<S,int,0>(S&,int&)"));
  EXPECT_FALSE(specialises(concat, "c<>(void)"));
  // A member type of a placeholder is written canonical in the
  // instantiation: it stands for any one type there.
  const U_String member = "k<@FuncTempParam1>(@FuncTempParam1&,@FuncTempParam1::object_tconst&)";
  EXPECT_TRUE(specialises(member, "k<J>(J&,std::map<int,long>const&)"));
  EXPECT_FALSE(specialises(member, "k<J>(J&,std::map<int,long>&)"));
  EXPECT_FALSE(specialises(member, "k<J>(K&,std::map<int,long>const&)"));
  // A dependent name inside a list followed by "...": any arguments.
  const U_String format = "out<@FuncTempParam1...>(str<char,id<@FuncTempParam1>::type...>,"
                          "@FuncTempParam1&&...)";
  EXPECT_TRUE(specialises(format, "out<int&,double&>(str<char,int&,double&>,int&,double&)"));
  EXPECT_FALSE(specialises(format, "out<int&,double&>(str<long,int&,double&>,int&,double&)"));
}

// A class template nested in another numbers its parameters from 1 too:
// "@ClassTempParam1" bound twice differently is left free.
TEST(OverloadMatch, NestedTemplatesShareNumbers) {
  const U_String ctor =
      "s<@ClassTempParam1,@ClassTempParam2>::st<@ClassTempParam1>::@constructor<@FuncTempParam1>("
      "@ClassTempParam1*,@FuncTempParam1)";
  const U_String tagged =
      "s<@ClassTempParam1,@ClassTempParam2>::st<@ClassTempParam1>::@constructor<@FuncTempParam1>("
      "s<@ClassTempParam1,@ClassTempParam2>::Tag,@FuncTempParam1)";
  const U_String instance = "s<floatconst,5>::st<ext<5>>::@constructor<long>(floatconst*,long)";
  EXPECT_TRUE(specialises(ctor, instance));
  EXPECT_FALSE(specialises(ctor, "s<float,5>::st<ext<5>>::@constructor<long>(floatconst*,int)"));
  // The dependent "Tag" takes any type, so the pointer overload is the
  // more specialised one.
  EXPECT_TRUE(specialises(tagged, instance));
  EXPECT_EQ(choose({tagged, ctor}, {683, 690}, kNone, instance, 0), std::vector<size_t>{1});
}

// A parameter of function pointer type holds a parameter list of its own,
// with a pack expanded inside it.
TEST(OverloadMatch, FunctionPointerParameters) {
  const U_String stoa =
      "s<@FuncTempParam1,@FuncTempParam2...>((charconst*,@FuncTempParam2...)@FuncTempParam1*,"
      "@FuncTempParam2...)";
  EXPECT_TRUE(specialises(stoa, "s<long,int>((charconst*,int)long*,int)"));
  EXPECT_TRUE(specialises(stoa, "s<float>((charconst*)float*)"));
  EXPECT_FALSE(specialises(stoa, "s<float>((charconst*,int)float*)"));
  EXPECT_TRUE(specialises("f<@FuncTempParam1>((@FuncTempParam1)@FuncTempParam1*)",
                          "f<long>((long)long*)"));
  EXPECT_EQ(Name_Parse::overload_key("A::()@<@FuncTempParam1>((@FuncTempParam1))"), "A::()@<>");
}
