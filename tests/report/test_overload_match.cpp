// Telling an instantiation's overload by binding its template arguments,
// on names as the analyser writes them.
#include <gtest/gtest.h>

#include "report/Name_Parse.h"
#include "report/Overload_Match.h"
#include "PredicateRows.h"

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

// Each pattern with the instantiations it takes and those it refuses.
TEST(OverloadMatch, PlaceholdersBindToTheInstantiationsArguments) {
  expectRows(specialises, {
      // References collapse.
      {"lib::g<@FuncTempParam1>(@FuncTempParam1&&)",
       {"lib::g<int&>(int&)", "lib::g<int>(int&&)", "lib::g<int&&>(int&&)"}, {"lib::g<int>(int&)"}},
      // const on a reference is ignored; const on a const type is not
      // doubled; a by-value parameter's const is not in the function's type.
      {kConstRef, {"lib::f<int&>(int&)", "lib::f<intconst>(intconst&)"}, {}},
      {"lib::k<@FuncTempParam1>(@FuncTempParam1const)", {"lib::k<int>(int)"}, {}},
      {kPtr, {"lib::f<int>(int*const)"}, {}},
      // Packs expand one per argument, also to none.
      {"lib::h<@FuncTempParam1,@FuncTempParam2...>(@FuncTempParam1,@FuncTempParam2const&...)",
       {"lib::h<int,char,double>(int,charconst&,doubleconst&)", "lib::h<int>(int)"},
       {"lib::h<int,char>(int,char)", "lib::h<int,char>(int,charconst&,charconst&)"}},
      {"t<@FuncTempParam1...>(std::tuple<@FuncTempParam1...>const&)",
       {"t<int,long>(std::tuple<int,long>const&)"}, {}},
      {"e<@FuncTempParam1...>(@FuncTempParam1...)", {"e<>(void)"}, {}},
      // Class placeholders and the scope bind too.
      {"lib::F<@ClassTempParam1>::parse<@FuncTempParam1>(@FuncTempParam1&,@ClassTempParam1)",
       {"lib::F<char>::parse<int>(int&,char)"},
       {"lib::F<char>::parse<int>(int&,long)", "lib::G<char>::parse<int>(int&,char)"}},
      // A partial specialisation's scope: the placeholder inside "T*" is
      // found from the text around it.
      {"lib::P<@ClassTempParam1*>::put<@FuncTempParam1>(@ClassTempParam1,@FuncTempParam1)",
       {"lib::P<int*>::put<long>(int,long)"}, {"lib::P<int*>::put<long>(char,long)"}},
      // Operators keep their symbol; a member's trailing const must agree.
      {"lib::<<@<@FuncTempParam1>(lib::X<@FuncTempParam1>,int)", {"lib::<<@<long>(lib::X<long>,int)"}, {}},
      {"A::get<@FuncTempParam1>(@FuncTempParam1)const", {}, {"A::get<int>(int)"}},
      // A pack followed by a defaulted parameter takes what the others leave.
      {"c<@FuncTempParam1,@FuncTempParam2...,@FuncTempParam3>(@FuncTempParam1&,@FuncTempParam2&&...)",
       {"c<S,int,charconst*,0>(S&,int&&,charconst*&&)", "c<S,0>(S&)"}, {"c<S,int,0>(S&,int&)", "c<>(void)"}},
      // A member type of a placeholder is written canonical in the
      // instantiation: it stands for any one type there.
      {"k<@FuncTempParam1>(@FuncTempParam1&,@FuncTempParam1::object_tconst&)",
       {"k<J>(J&,std::map<int,long>const&)"},
       {"k<J>(J&,std::map<int,long>&)", "k<J>(K&,std::map<int,long>const&)"}},
      // A dependent name inside a list followed by "...": any arguments.
      {"out<@FuncTempParam1...>(str<char,id<@FuncTempParam1>::type...>,@FuncTempParam1&&...)",
       {"out<int&,double&>(str<char,int&,double&>,int&,double&)"},
       {"out<int&,double&>(str<long,int&,double&>,int&,double&)"}},
      // A parameter of function pointer type holds a parameter list of its
      // own, with a pack expanded inside it.
      {"s<@FuncTempParam1,@FuncTempParam2...>((charconst*,@FuncTempParam2...)@FuncTempParam1*,@FuncTempParam2...)",
       {"s<long,int>((charconst*,int)long*,int)", "s<float>((charconst*)float*)"},
       {"s<float>((charconst*,int)float*)"}},
      {"f<@FuncTempParam1>((@FuncTempParam1)@FuncTempParam1*)", {"f<long>((long)long*)"}, {}},
      // Unreadable names match nothing.
      {kPtr, {}, {"lib::f<int(int*)", "lib::f<int>"}},
      {"lib::f<@FuncTempParam1", {}, {"lib::f<int>(int*)"}},
  });
  // Many free placeholders against a long name end without hanging.
  U_String pat = "f(", text = "f(";
  for (int i = 0; i < 30; ++i) pat += "@FuncTempParam" + std::to_string(i + 1) + "x";
  for (int i = 0; i < 2000; ++i) text += "x";
  EXPECT_FALSE(specialises(pat + "y)", text + ")"));
}

TEST(OverloadMatch, PartialOrdering) {
  const U_String pairT = "p<@FuncTempParam1>(X<@FuncTempParam1>,@FuncTempParam1)";
  const U_String pairTU = "p<@FuncTempParam1,@FuncTempParam2>(X<@FuncTempParam1>,@FuncTempParam2)";
  // T& takes "const U", so const T& is at least as specialised as T&.
  expectRows(at_least_as_specialised,
             {{kPtr, {kValue, kPtr}, {}}, {kValue, {}, {kPtr}}, {kConstRef, {kRef}, {}}, {pairT, {pairTU}, {}},
              {pairTU, {}, {pairT}}});
}

TEST(OverloadMatch, ChoiceAmongSeveralMatches) {
  // f(T, int) and f(T, T) both take f<int>(int,int), neither is more
  // specialised: the instantiation's line decides.
  const std::vector<U_String> tie = {"f<@FuncTempParam1>(@FuncTempParam1,int)",
                                     "f<@FuncTempParam1>(@FuncTempParam1,@FuncTempParam1)"};
  EXPECT_EQ(choose(tie, {3, 7}, kAll, "f<int>(int,int)", 7), std::vector<size_t>{1});
  EXPECT_EQ(choose(tie, {3, 7}, kAll, "f<int>(int,int)", 9), (std::vector<size_t>{0, 1}));
  // Among loose matches the more specialised overload wins: f(T*) over f(T).
  EXPECT_EQ(choose({kValue, kPtr}, {2, 3}, kAll, "lib::f<odd>(text)", 2), std::vector<size_t>{1});
  // No exact match: the loose matches, then the line, then every overload.
  const std::vector<U_String> two = {kPtr, kRef};
  EXPECT_EQ(choose(two, {2, 3}, [](size_t i) { return i == 1; }, "lib::f<odd>(text)", 0), std::vector<size_t>{1});
  EXPECT_EQ(choose(two, {2, 3}, kNone, "lib::f<odd>(text)", 2), std::vector<size_t>{0});
  EXPECT_EQ(choose(two, {2, 3}, kNone, "lib::f<odd>(text)", 5), (std::vector<size_t>{0, 1}));
}

// A class template nested in another numbers its parameters from 1 too:
// "@ClassTempParam1" bound twice differently is left free.  The dependent
// "Tag" takes any type, so the pointer overload is the more specialised one.
TEST(OverloadMatch, NestedTemplatesShareNumbers) {
  const U_String ctor =
      "s<@ClassTempParam1,@ClassTempParam2>::st<@ClassTempParam1>::@constructor<@FuncTempParam1>("
      "@ClassTempParam1*,@FuncTempParam1)";
  const U_String tagged =
      "s<@ClassTempParam1,@ClassTempParam2>::st<@ClassTempParam1>::@constructor<@FuncTempParam1>("
      "s<@ClassTempParam1,@ClassTempParam2>::Tag,@FuncTempParam1)";
  const U_String instance = "s<floatconst,5>::st<ext<5>>::@constructor<long>(floatconst*,long)";
  expectRows(specialises, {{ctor, {instance}, {"s<float,5>::st<ext<5>>::@constructor<long>(floatconst*,int)"}},
                           {tagged, {instance}, {}}});
  EXPECT_EQ(choose({tagged, ctor}, {683, 690}, kNone, instance, 0), std::vector<size_t>{1});
}

// A parameter list that starts with a placeholder right after a template
// argument list is no operator "(@"; "((" opens two lists.
TEST(OverloadMatch, PlaceholderAfterAListIsNoOperator) {
  EXPECT_EQ(Name_Parse::overload_key(kPtr), "lib::f<>");
  EXPECT_EQ(Name_Parse::overload_key("A::()@<@FuncTempParam1>(@FuncTempParam1)"), "A::()@<>");
  EXPECT_EQ(Name_Parse::overload_key("A::()@<@FuncTempParam1>((@FuncTempParam1))"), "A::()@<>");
}
