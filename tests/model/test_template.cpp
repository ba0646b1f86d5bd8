#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "model/TemplateTable.h"
#include "test_define_fixture.h"

using Names = std::vector<std::string>;
using TemplateTableTest = DefineHandlerTest;

namespace {

std::string nameOf(const P_Symbol* sym) { return IdentifierFields::getFullname(sym->getLatestDefine()->getName()); }

// "KIND[A; B]" for a non-empty list, else nothing.
std::string listed(const char* kind, const Names& names) {
  std::string s;
  for (const std::string& name : names) s += (s.empty() ? std::string(" ") + kind + "[" : "; ") + name;
  return s.empty() ? s : s + "]";
}

// A template with its specialisations on one line, partial ones nested:
// "NAME implicit[..] explicit[..] partial[NAME implicit[..]; ..]".
std::string describe(const P_Template& t) {
  Names implicit, explicitSpecs, partials;
  for (const U_BPtr<P_Symbol>& sym : t.getImplicitSpecs()) implicit.push_back(nameOf(sym.pointer()));
  for (const U_BPtr<P_Symbol>& sym : t.getExplicitSpecs()) explicitSpecs.push_back(nameOf(sym.pointer()));
  for (const U_BPtr<P_Template>& partial : t.getPartialSpecs()) partials.push_back(describe(*partial));
  return IdentifierFields::getFullname(t.getName()) + listed("implicit", implicit) +
         listed("explicit", explicitSpecs) + listed("partial", partials);
}

Names describe(const TemplateTable::TemplateList& all) {
  Names out;
  for (const U_BPtr<P_Template>& t : all) out.push_back(describe(*t));
  return out;
}

U_BPtr<P_Define> record(const std::string& rest) { return DefineHandler::createRecord("<DEFINE> " + rest); }

}  // namespace

TEST_F(TemplateTableTest, NonTemplatesPassAndTemplatesAreFiled) {
  U_BPtr<P_Define> plain = record("plain(int) \"a.c\" 1 M DC OF F X (int)void -");
  TemplateTable::DefineList passed = templates.addEntry(plain);
  ASSERT_EQ(passed.size(), 1u);
  EXPECT_EQ(passed[0], plain);

  // A definition of a template never declared is dropped.
  EXPECT_TRUE(templates.addEntry(record("T<@ClassTempParam1> \"t.h\" 3 I DD TG S X {cT<@ClassTempParam1>} U")).empty());
  EXPECT_TRUE(templates.getTemplates().empty());

  // The same template declared in two files is one template with both
  // declarations and both locations.
  EXPECT_TRUE(templates.addEntry(record("T<@ClassTempParam1> \"t.h\" 3 I DC TG S X {cT<@ClassTempParam1>} U")).empty());
  EXPECT_TRUE(templates.addEntry(record("T<@ClassTempParam1> \"u.h\" 5 I DC TG S X {cT<@ClassTempParam1>} U")).empty());
  ASSERT_EQ(templates.getTemplates().size(), 1u);
  P_Template* t = templates.getTemplates()[0].pointer();
  EXPECT_EQ(t->getPrimaryTemplate()->getDefineList().size(), 2u);
  EXPECT_TRUE(t->hasLocation(P_Template::getFileLinePair(*record("x \"t.h\" 3 I DC OV F X int -"))));
  EXPECT_TRUE(t->hasLocation(P_Template::getFileLinePair(*record("x \"u.h\" 5 I DC OV F X int -"))));

  // A dependent definition is kept by the template only; a non-dependent one
  // is also returned for the symbol table.
  EXPECT_TRUE(templates.addEntry(record("T<@ClassTempParam1> \"t.h\" 3 I DD TG S X {cT<@ClassTempParam1>} U")).empty());
  EXPECT_TRUE(P_isDefineDefinition(t->getPrimaryTemplate()->getCurrentDefine()));
  EXPECT_EQ(t->getPrimaryTemplate()->getDefineList().size(), 3u);
  U_BPtr<P_Define> f = record("f<int>(int) \"f.h\" 2 I DC OF F X (int)void -");
  EXPECT_TRUE(templates.addEntry(f).empty());
  TemplateTable::DefineList def = templates.addEntry(record("f<int>(int) \"f.h\" 2 I DD OF F X (int)void -"));
  EXPECT_EQ(def.size(), 1u);

  // A redeclaration of an unknown template declares it.
  EXPECT_TRUE(templates.addEntry(record("R<@ClassTempParam1> \"r.h\" 9 I DR TG S X {cR<@ClassTempParam1>} U")).empty());
  ASSERT_NE(templates.findTemplate(IdentifierFields::getParsedString("R<@ClassTempParam1>")), nullptr);
  EXPECT_EQ(templates.getTemplates().size(), 3u);

  // Dependent members are dropped; instantiated members pass.
  EXPECT_TRUE(templates.addEntry(record("T<@ClassTempParam1>::g(void) \"t.h\" 4 I DC OF C X (void) U")).empty());
  EXPECT_EQ(templates.addEntry(record("T<int>::g(void) \"t.h\" 4 I DS OF C X (void) -")).size(), 1u);

  EXPECT_EQ(P_getPrimaryTemplate(f.pointer()), f.pointer());
  EXPECT_EQ(P_getFirstPartial(f.pointer()), f.pointer());
  EXPECT_TRUE(P_isTemplateOrSpecialisation(f.pointer()));
  EXPECT_FALSE(P_isTemplateOrSpecialisation(plain.pointer()));
}

TEST_F(TemplateTableTest, SpecialisationsAreFiledOnceUnderTheirTemplate) {
  feed("<DEFINE> B<@ClassTempParam1> \"b.h\" 8 I DC TG S X {cB<@ClassTempParam1>} U");
  feed("<DEFINE> B<@ClassTempParam1> \"b.h\" 8 I DD TG S X {cB<@ClassTempParam1>} U");
  feed("<DEFINE> B<@ClassTempParam1*> \"b.h\" 12 I DP TG S X {cB<@ClassTempParam1*>} U");
  feed("<DEFINE> B<int> \"b.h\" 8 I DS TG S X {cB<int>} -");
  feed("<DEFINE> B<char*> \"b.h\" 12 I DS TG S X {cB<char*>} -");
  nextFile();
  feed("<DEFINE> B<int> \"b.h\" 8 I DS TG S X {cB<int>} -");
  feed("<DEFINE> B<bool> \"b.h\" 20 I DX TG S X {cB<bool>} -");
  feed("<DEFINE> B<long> \"b.h\" 8 I DS TG S X {cB<long>} -");
  // An explicit specialisation moves its name out of the implicit list, and
  // a later instantiation of that name stays explicit.
  feed("<DEFINE> B<long> \"b.h\" 30 I DX TG S X {cB<long>} -");
  feed("<DEFINE> B<long> \"b.h\" 30 I DS TG S X {cB<long>} -");
  // An explicit specialisation of a member registers its class as explicit.
  feed("<DEFINE> B<short>::f(void) \"b.h\" 40 I DX OF C X (void) -");

  ASSERT_EQ(describe(templates.getTemplates()),
            (Names{"B<@ClassTempParam1> implicit[B<int>] explicit[B<bool>; B<long>; B<short>] "
                   "partial[B<@ClassTempParam1*> implicit[B<char*>]]"}));
  // B<int> reached the symbol clients in both files; explicit specialisations
  // are told to the template-definition clients.
  for (const char* call : {"new:B<int>", "proj:B<int>", "tmpl:B<bool>"})
    EXPECT_EQ(std::count(calls().begin(), calls().end(), call), 1) << call;

  // A define handed to every partial specialisation is filed under each.
  const U_BPtr<P_Template>& partial = templates.getTemplates()[0]->getPartialSpecs()[0];
  std::map<const char*, U_BPtr<P_Template>> partials{{partial->getName(), partial}};
  std::for_each(partials.begin(), partials.end(),
                P_Template::UseDeclWithPartialSpec(record("B<char**> \"b.h\" 12 I DS TG S X {cB<char**>} -"),
                                                   P_Template::ImplicitSpecialisation));
  EXPECT_EQ(describe(*partial), "B<@ClassTempParam1*> implicit[B<char*>; B<char**>]");
}

TEST_F(TemplateTableTest, FunctionSpecialisationsFindTheOverloadWithTheirParameterCount) {
  feed("<DEFINE> m<@FuncTempParam1>(@FuncTempParam1,@FuncTempParam1) \"a.h\" 7 I DC OF S X (@FuncTempParam1,@FuncTempParam1)@FuncTempParam1 U");
  feed("<DEFINE> m<@FuncTempParam1>(@FuncTempParam1,@FuncTempParam1,@FuncTempParam1) \"a.h\" 13 I DC OF S X (@FuncTempParam1,@FuncTempParam1,@FuncTempParam1)@FuncTempParam1 U");
  feed("<DEFINE> m<int>(int,int,int) \"a.h\" 13 I DS OF S X (int,int,int)int -");
  feed("<DEFINE> m<int>(int,int) \"a.h\" 25 I DX OF S X (int,int)int -");
  // No overload with one parameter: the first with the same skeleton.
  feed("<DEFINE> m<char>(char) \"a.h\" 30 I DX OF S X (char)char -");
  // No template of that skeleton at all: filed nowhere, still a symbol.
  feed("<DEFINE> other<int>(int) \"a.h\" 40 I DS OF S X (int)int -");
  EXPECT_EQ(describe(templates.getTemplates()),
            (Names{"m<@FuncTempParam1>(@FuncTempParam1,@FuncTempParam1) explicit[m<int>(int,int); m<char>(char)]",
                   "m<@FuncTempParam1>(@FuncTempParam1,@FuncTempParam1,@FuncTempParam1) "
                   "implicit[m<int>(int,int,int)]"}));
  EXPECT_NE(std::find(calls().begin(), calls().end(), "new:other<int>(int)"), calls().end());
}
