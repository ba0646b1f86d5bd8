// Display names of the analyser's qualified names.
#include <gtest/gtest.h>

#include "report/Util.h"

TEST(UtilNames, TextFiltersDropParameterListsAndEmptyTemplateArguments) {
  EXPECT_EQ(Util::trim_function_arg_list("A::f(int)"), "A::f");
  EXPECT_EQ(Util::trim_function_arg_list("B<T>::g(X(1))"), "B<T>::g");
  // An unbalanced ")" drives the depth negative, so the text of the
  // following parenthesised part is kept too.
  EXPECT_EQ(Util::trim_function_arg_list("a)b(c)d"), "abcd");
  EXPECT_EQ(Util::strip("std::map<K, V<int> >::find"), "std::map<>::find");
  EXPECT_EQ(Util::strip("a<b>::c<d<e>>"), "a<>::c<>");
  EXPECT_EQ(Util::strip("plain"), "plain");
}

namespace {

// A qualified name with the last term and the head a split gives it.
struct Split {
  const char* name;
  const char* last;
  const char* head;
};

// Checks `split` (get_last_term or get_last_term_of_member) on each row.
void expectSplits(void (*split)(const U_String&, U_String&, U_String&), std::initializer_list<Split> rows) {
  for (const Split& row : rows) {
    U_String last, head;
    split(row.name, last, head);
    EXPECT_EQ(last, row.last) << row.name;
    EXPECT_EQ(head, row.head) << row.name;
  }
}

}  // namespace

TEST(UtilNames, LastTermSplitsAtTheLastScopeOutsideBrackets) {
  expectSplits(Util::get_last_term,
               {{"lib::Box<int>::size(void)", "::size(void)", "lib::Box<int>"},
                // "::" inside a parameter list or an argument list does not split.
                {"lib::Box<int>::==@(lib::Box<int>const&)", "::==@(lib::Box<int>const&)", "lib::Box<int>"},
                {"geo::Vec<geo::Square>", "::Vec<geo::Square>", "geo"},
                {"main(void)", "main(void)", ""},
                {"", "", ""}});
}

TEST(UtilNames, RenderedNamesOfTemplatesMembersAndMarkers) {
  EXPECT_EQ(Util::rendered_name_of("ns::Box<T>"), "ns::Box");
  EXPECT_EQ(Util::rendered_name_of("ns::Box<int>::size(void)"), "ns::Box::size");
  EXPECT_EQ(Util::rendered_name_of("ns::Box<T>::@constructor(T)"), "ns::Box");
  EXPECT_EQ(Util::rendered_name_of("lib::Box<int>::@destructor(void)"), "lib::Box");
  EXPECT_EQ(Util::rendered_name_of("a::@UN3::f(int)"), "a::unnamed namespace::f");
  EXPECT_EQ(Util::rendered_name_of("X<T>::+@"), "X::operator+");
  EXPECT_EQ(Util::rendered_name_of("lib::Box<int>::==@(lib::Box<int>const&)"),
            "lib::Box::operator==");
  EXPECT_EQ(Util::rendered_name_of("ring::Ring<int,4>::[]@(int)"), "ring::Ring::operator[]");
  EXPECT_EQ(Util::rendered_name_of("lib::Pair<@ClassTempParam1,int>"), "lib::Pair");
  EXPECT_EQ(Util::rendered_name_of("lib::maxOf<@FuncTempParam1>(@FuncTempParam1,@FuncTempParam1)"),
            "lib::maxOf");
  EXPECT_EQ(Util::rendered_name_of("lib::@UN1::Helper<@ClassTempParam1>"),
            "lib::unnamed namespace::Helper");
  // At the top level the unnamed namespace marker has no "::" before it.
  EXPECT_EQ(Util::rendered_name_of("@UN1::Helper<int>"), "@UN1::Helper");
  // Two unnamed namespaces, and one with nothing after it.
  EXPECT_EQ(Util::rendered_name_of("a::@UN1::b::@UN2::c"),
            "a::unnamed namespace::b::unnamed namespace::c");
  EXPECT_EQ(Util::rendered_name_of("a::@UN1"), "a::@UN1");
  // A trailing "=" is dropped; a name without "::" keeps its operator text.
  EXPECT_EQ(Util::rendered_name_of("A<int>::x="), "A::x");
  EXPECT_EQ(Util::rendered_name_of("+@(A,A)"), "+");
  EXPECT_EQ(Util::rendered_name_of(""), "");
  EXPECT_EQ(Util::rendered_name_of("(int)"), "");
}

TEST(UtilNames, ObjectNameIsTheLastComponent) {
  EXPECT_EQ(Util::object_name_of("lib::Box::operator=="), "operator==");
  EXPECT_EQ(Util::object_name_of("lib::unnamed namespace::Helper"), "Helper");
  EXPECT_EQ(Util::object_name_of("Tally"), "Tally");
}

TEST(UtilNames, MemberScopeEndsBeforeAnOperatorWithAClosingSymbol) {
  expectSplits(Util::get_last_term_of_member,
               {{"lib::ref<int>::->@(void)", "::->@(void)", "lib::ref<int>"},
                {"a::B<std::less<int>>::>>=@(int)", "::>>=@(int)", "a::B<std::less<int>>"},
                // Other names split as get_last_term splits them.
                {"lib::Box<int>::==@(lib::Box<int>const&)", "::==@(lib::Box<int>const&)", "lib::Box<int>"},
                {"geo::Vec<geo::Square>::size(void)", "::size(void)", "geo::Vec<geo::Square>"},
                {"f(std::map<int,int>::iterator)", "f(std::map<int,int>::iterator)", ""}});
}
