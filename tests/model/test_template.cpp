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

Names names(const P_Template::SymbolList& list) {
  Names out;
  for (const U_BPtr<P_Symbol>& sym : list) out.push_back(nameOf(sym.pointer()));
  return out;
}

Names names(const P_Template::TemplateList& list) {
  Names out;
  for (const U_BPtr<P_Template>& t : list) out.push_back(IdentifierFields::getFullname(t->getName()));
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

  ASSERT_EQ(templates.getTemplates().size(), 1u);
  P_Template* b = templates.getTemplates()[0].pointer();
  EXPECT_EQ(names(b->getImplicitSpecs()), (Names{"B<int>"}));
  EXPECT_EQ(names(b->getExplicitSpecs()), (Names{"B<bool>", "B<long>", "B<short>"}));
  ASSERT_EQ(names(b->getPartialSpecs()), (Names{"B<@ClassTempParam1*>"}));
  EXPECT_EQ(names(b->getPartialSpecs()[0]->getImplicitSpecs()), (Names{"B<char*>"}));
  // The instantiation of B<int> reached the symbol clients in both files.
  EXPECT_EQ(std::count(calls().begin(), calls().end(), "new:B<int>"), 1);
  EXPECT_EQ(std::count(calls().begin(), calls().end(), "proj:B<int>"), 1);
  // Explicit specialisations are told to the template-definition clients.
  EXPECT_EQ(std::count(calls().begin(), calls().end(), "tmpl:B<bool>"), 1);

  // A define handed to every partial specialisation is filed under each.
  P_Template* partial = b->getPartialSpecs()[0].pointer();
  std::map<const char*, U_BPtr<P_Template>> partials{{partial->getName(), b->getPartialSpecs()[0]}};
  std::for_each(partials.begin(), partials.end(),
                P_Template::UseDeclWithPartialSpec(record("B<char**> \"b.h\" 12 I DS TG S X {cB<char**>} -"),
                                                   P_Template::ImplicitSpecialisation));
  EXPECT_EQ(names(partial->getImplicitSpecs()), (Names{"B<char*>", "B<char**>"}));
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
  const TemplateTable::TemplateList& all = templates.getTemplates();
  ASSERT_EQ(all.size(), 2u);
  EXPECT_EQ(names(all[0]->getExplicitSpecs()), (Names{"m<int>(int,int)", "m<char>(char)"}));
  EXPECT_EQ(names(all[1]->getImplicitSpecs()), (Names{"m<int>(int,int,int)"}));
  EXPECT_TRUE(all[1]->getExplicitSpecs().empty());
  EXPECT_NE(std::find(calls().begin(), calls().end(), "new:other<int>(int)"), calls().end());
}

TEST_F(TemplateTableTest, ExampleProjectRecords) {
  unsigned long skipped = DefineHandler::getSkippedRecordCount();
  feedFile(TUK_TEST_DATA_DIR "/model/ex1_main.cpp.met");
  EXPECT_EQ(DefineHandler::getSkippedRecordCount(), skipped);
  const TemplateTable::TemplateList& all = templates.getTemplates();
  EXPECT_EQ(names(all), (Names{"lib::Box<@ClassTempParam1>", "lib::Pair<@ClassTempParam1,@ClassTempParam2>",
                               "lib::Grid<@ClassTempParam1,@ClassTempParam2>", "lib::@UN1::Helper<@ClassTempParam1>",
                               "lib::Unused<@ClassTempParam1>",
                               "lib::maxOf<@FuncTempParam1>(@FuncTempParam1,@FuncTempParam1)",
                               "lib::maxOf<@FuncTempParam1>(@FuncTempParam1,@FuncTempParam1,@FuncTempParam1)",
                               "lib::clampTo<@FuncTempParam1>(@FuncTempParam1,@FuncTempParam1,@FuncTempParam1)",
                               "lib::neverUsed<@FuncTempParam1>(@FuncTempParam1)"}));
  ASSERT_EQ(all.size(), 9u);
  const P_Template& box = *all[0];
  EXPECT_EQ(names(box.getImplicitSpecs()), (Names{"lib::Box<int>", "lib::Box<double>", "lib::Box<long>"}));
  EXPECT_EQ(names(box.getExplicitSpecs()), (Names{"lib::Box<bool>", "lib::Box<char>"}));
  EXPECT_TRUE(box.getPartialSpecs().empty());
  // DC and DD at one place: one define that is both.
  ASSERT_EQ(box.getPrimaryTemplate()->getDefineList().size(), 1u);
  EXPECT_EQ(box.getPrimaryTemplate()->getCurrentDefine()->getDef(), P_DefDeclaration | P_DefDefinition);

  const P_Template& pair = *all[1];
  EXPECT_EQ(names(pair.getPartialSpecs()), (Names{"lib::Pair<@ClassTempParam1,int>", "lib::Pair<int,@ClassTempParam1>"}));
  EXPECT_EQ(names(pair.getExplicitSpecs()), (Names{"lib::Pair<char,char>"}));
  EXPECT_EQ(names(pair.getImplicitSpecs()), (Names{"lib::Pair<double,char>"}));
  EXPECT_EQ(names(pair.getPartialSpecs()[0]->getImplicitSpecs()), (Names{"lib::Pair<double,int>"}));
  EXPECT_EQ(names(pair.getPartialSpecs()[1]->getImplicitSpecs()), (Names{"lib::Pair<int,char>"}));

  const P_Template& grid = *all[2];
  ASSERT_EQ(names(grid.getPartialSpecs()), (Names{"lib::Grid<@ClassTempParam1,0>"}));
  EXPECT_EQ(names(grid.getPartialSpecs()[0]->getImplicitSpecs()), (Names{"lib::Grid<int,0>"}));
  EXPECT_EQ(names(grid.getImplicitSpecs()), (Names{"lib::Grid<int,4>"}));
  EXPECT_TRUE(grid.getExplicitSpecs().empty());
  EXPECT_EQ(names(all[3]->getImplicitSpecs()), (Names{"lib::@UN1::Helper<int>"}));
  EXPECT_TRUE(all[4]->getImplicitSpecs().empty());

  EXPECT_EQ(names(all[5]->getExplicitSpecs()), (Names{"lib::maxOf<int>(int,int)"}));
  EXPECT_EQ(names(all[6]->getImplicitSpecs()), (Names{"lib::maxOf<int>(int,int,int)"}));
  EXPECT_EQ(names(all[7]->getImplicitSpecs()), (Names{"lib::clampTo<double>(double,double,double)"}));
  EXPECT_TRUE(all[8]->getImplicitSpecs().empty());

  // Instantiations reach the symbol clients: the report records the files
  // in which function templates are instantiated from these calls.
  for (const char* call : {"new:lib::maxOf<int>(int,int,int)", "new:lib::clampTo<double>(double,double,double)",
                           "new:lib::Box<int>", "new:lib::Box<int>::size(void)", "def:lib::Box<int>::size(void)"}) {
    EXPECT_NE(std::find(calls().begin(), calls().end(), call), calls().end()) << call;
  }
  // Dependent templates and members never reach the symbol table.
  for (const std::string& call : calls()) {
    if (call.rfind("tmpl:", 0) != 0) {
      EXPECT_EQ(call.find("TempParam"), std::string::npos) << call;
    }
  }
  // DS and DD of an instantiated member merge into one definition.
  P_Symbol* size = symbols.findSymbol(IdentifierFields::getOverloadFuncName(
      IdentifierFields::getParsedString("lib::Box<int>::size(void)")));
  ASSERT_NE(size, nullptr);
  ASSERT_EQ(size->getDefineList().size(), 1u);
  EXPECT_TRUE(P_isDefineDefinition(size->getCurrentDefine()));
  EXPECT_TRUE(P_isDefineImplicitSpecialisation(size->getCurrentDefine()));
}
