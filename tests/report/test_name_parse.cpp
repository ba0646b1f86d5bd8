// Names parsed into their structure and matched entry by entry.
#include <gtest/gtest.h>

#include "report/Name_Parse.h"
#include "PredicateRows.h"

namespace {

U_String canonical(const U_String& name) {
  const std::optional<Name_Parse::Node> node = Name_Parse::parse(name);
  return node ? Name_Parse::render(*node) : U_String("<no parse>");
}

size_t entries_of_first_list(const U_String& name) {
  const std::optional<Name_Parse::Node> node = Name_Parse::parse(name);
  if (!node) return 99;
  for (const Name_Parse::Piece& p : node->pieces)
    if (p.open != 0) return p.items.size();
  return 0;
}

}  // namespace

TEST(NameParse, ReadsNestedQualifiedAndSpecialArguments) {
  // ">>" closes two lists; blanks next to brackets and commas go.
  EXPECT_EQ(canonical("is_contiguous<basic_buffer<T, SIZE, Alloc>>"),
            "is_contiguous<basic_buffer<T,SIZE,Alloc>>");
  EXPECT_EQ(entries_of_first_list("is_contiguous<basic_buffer<T, SIZE, Alloc>>"), 1u);
  EXPECT_EQ(entries_of_first_list("std::map<std::string, std::vector<int>>"), 2u);
  EXPECT_EQ(entries_of_first_list("Tuple<Ts...>"), 1u);
  // Non-type arguments, function types, template-template arguments.
  EXPECT_EQ(entries_of_first_list("Array<int, (N > 2), 4>"), 3u);
  EXPECT_EQ(canonical("Array<(a < b), (N >> 1)>"), "Array<(a < b),(N >> 1)>");
  EXPECT_EQ(canonical("f(std::vector<int>)"), "f(std::vector<int>)");
  EXPECT_EQ(canonical("Callback<void (int, char const*)>"), "Callback<void(int,char const*)>");
  EXPECT_EQ(entries_of_first_list("Callback<void(int, char)>"), 1u);
  EXPECT_EQ(canonical("Use<std::vector, Tag<>>"), "Use<std::vector,Tag<>>");
  EXPECT_EQ(canonical("Fn<auto(int)->int>"), "Fn<auto(int)->int>");
  EXPECT_EQ(canonical("f()"), "f()");
}

TEST(NameParse, OperatorNamesStayText) {
  EXPECT_EQ(canonical("lib::Box<%>::==@(lib::Box<%>const&)"), "lib::Box<%>::==@(lib::Box<%>const&)");
  EXPECT_EQ(canonical("X<T>::<<=@=(int)"), "X<T>::<<=@=(int)");
  EXPECT_EQ(canonical("operator<<(std::ostream&, X<T> const&)"),
            "operator<<(std::ostream&,X<T>const&)");
  EXPECT_EQ(canonical("operator()(int)"), "operator()(int)");
  EXPECT_EQ(canonical("X<T>::operator[](int)"), "X<T>::operator[](int)");
  EXPECT_EQ(entries_of_first_list("operator<(A, B)"), 2u);
}

TEST(NameParse, UnbalancedNamesDoNotParse) {
  for (const char* bad : {"a<b", "a<b)", "a>b", "f(int", "x<y>>", "<", ")"})
    EXPECT_FALSE(Name_Parse::parse(bad).has_value()) << bad;
  // Very deep nesting is refused, not followed down the stack.
  const U_String deep = U_String(100000, '<') + U_String(100000, '>');
  EXPECT_FALSE(Name_Parse::parse(deep).has_value());
  EXPECT_TRUE(Name_Parse::matches(deep, deep));
  EXPECT_TRUE(Name_Parse::parse(U_String(50, '(') + U_String(50, ')')).has_value());
}

// Each pattern with the names it matches and those it does not.
TEST(NameParse, PlaceholdersMatchWholeEntriesOfAnyShape) {
  const auto matches = [](const U_String& a, const U_String& b) { return Name_Parse::matches(a, b); };
  expectRows(matches, {
      {"conf::Setting<%>", {"conf::Setting<std::string>"}, {"other::Setting<int>"}},
      {"conf::Setting<std::string>", {"conf::Setting<%>"}, {}},
      {"is_contiguous<buf<%,%,%>>", {"is_contiguous<buf<int,500,std::allocator<int>>>"}, {}},
      {"Pair<%,int>", {"Pair<std::pair<a::b,c>,int>"}, {"Pair<int,long>"}},
      {"F<%>", {"F<void(int,char)>"}, {}},
      // Without "..." one placeholder is one entry.
      {"Box<%>", {}, {"Box<int,int>", "Box(int)"}},
      {"Tuple<%>", {}, {"Tuple<int,char>"}},
      // "%" inside text stands for a run of text, never for brackets.
      {"Box<%>::get%(void)", {"Box<int>::getValue(void)"}, {"Box<int>::get<int>(void)"}},
      // Names that do not parse are equal or nothing.
      {"a<b", {"a<b"}, {}},
      {"a<%", {}, {"a<b"}},
      // Packs take any number of entries.
      {"Tuple<%...>", {"Tuple<int,char,long>", "Tuple<>"}, {}},
      {"Tuple<int,char>", {"Tuple<%...>"}, {}},
      {"Head<%,%...>", {"Head<int>", "Head<int,std::pair<a,b>,c>"}, {"Head<>"}},
      {"Head<int,%...>", {}, {"Head<char,int>"}},
  });
}

TEST(NameParse, SkeletonKeepsOnlyTheOutsideText) {
  bool wild = true;
  EXPECT_EQ(Name_Parse::skeleton(*Name_Parse::parse("conf::Setting<std::string>::get(void)"), wild),
            "conf::Setting<>::get()");
  EXPECT_FALSE(wild);
  Name_Parse::skeleton(*Name_Parse::parse("%::f(int)"), wild);
  EXPECT_TRUE(wild);
}

TEST(NameParse, OverloadKeysKeepOperatorsWhole) {
  using Name_Parse::overload_key;
  EXPECT_EQ(overload_key("lib::<@<%>(lib::X<%>,lib::X<%>)"), "lib::<@<>");
  EXPECT_EQ(overload_key("lib::<=@<%>(lib::X<%>,lib::X<%>)"), "lib::<=@<>");
  EXPECT_EQ(overload_key("lib::<<@<long>(lib::X<long>,int)"), "lib::<<@<>");
  // Overloads of one name share their key, whatever their lists hold.
  EXPECT_EQ(overload_key("fmt::formatter<T,char>::parse<Ctx>(Ctx&)"),
            overload_key("fmt::formatter<std::vector<int>>::parse<A,B>(A&,B)"));
  EXPECT_EQ(overload_key("f(int"), "");
}
