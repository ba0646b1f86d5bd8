#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/P_Symbol.h"
#include "model/P_UniqueStr.h"
#include "model/SymbolTable.h"
#include "test_define_fixture.h"
#include "util/U_Exception.h"

using Calls = std::vector<std::string>;

namespace {

P_Symbol* symbolOf(const SymbolTable& table, const char* token) {
  return table.findSymbol(IdentifierFields::getOverloadFuncName(IdentifierFields::getParsedString(token)));
}

// The defines of the symbol of `token` in list order as "LINE/DEF BITS",
// the current one marked '*'; "none" when there is no such symbol.
std::string definesOf(const SymbolTable& table, const char* token) {
  P_Symbol* sym = symbolOf(table, token);
  if (!sym) return "none";
  std::string out;
  for (const auto& d : sym->getDefineList())
    out += (out.empty() ? "" : " ") + std::to_string(d->getLine()) + "/" + std::to_string(d->getDef()) +
           (d.pointer() == P_getSymbolCurrentDefine(sym) ? "*" : "");
  return out;
}

// Whether the model still holds `d`: in the symbol's list or among the
// defines it keeps without storing them.
bool heldByModel(P_Symbol* sym, const P_Define* d) {
  for (const auto& s : sym->getDefineList())
    if (s.pointer() == d) return true;
  for (const auto& u : P_getUnstoredDefines())
    if (u.pointer() == d) return true;
  return false;
}

}  // namespace

using SymbolTableTest = DefineHandlerTest;

TEST_F(SymbolTableTest, DefinitionElsewhereIsAnotherDefineAtTheSamePlaceItMerges) {
  feed("<DEFINE> f(int) \"a.h\" 3 I DC OF F X (int)void -");
  feed("<DEFINE> f(int) \"a.c\" 10 M DD OF F X (int)void I");
  EXPECT_EQ(calls(), (Calls{"new:f(int)", "def:f(int)"}));
  EXPECT_EQ(symbols.size(), 1u);
  EXPECT_EQ(definesOf(symbols, "f(int)"), "3/1 10/2*");

  // At the declaration's own place the definition merges into it.
  calls().clear();
  feed("<DEFINE> g(void) \"a.c\" 5 M DC OF F X (void)int -");
  feed("<DEFINE> g(void) \"a.c\" 5 M DD OF F X (void)int I");
  ASSERT_EQ(definesOf(symbols, "g(void)"), "5/3*");
  EXPECT_TRUE(P_isDefineInline(P_getSymbolCurrentDefine(symbolOf(symbols, "g(void)"))));
  EXPECT_EQ(calls(), (Calls{"new:g(void)", "def:g(void)"}));
}

// Every define a client was handed stays alive for the run: the definition
// record merged into the declaration at its place, and a header's
// declaration and definition seen again by a second unit (the declaration is
// handed to the project-redeclaration client, then the definition merges
// into it and makes it equal to the stored define).
TEST_F(SymbolTableTest, DefinesHandedToClientsStayOwnedByTheModel) {
  static std::vector<P_Define*>* sink = nullptr;
  const DefineHandler::SymbolClient collect = [](P_Symbol*, P_Define* d) {
    if (sink) sink->push_back(d);
  };
  DefineHandler::configureOnProjRedecl(collect);
  DefineHandler::configureOnDefinition(collect);
  std::vector<P_Define*> merged, repeated;
  sink = &merged;
  feed("<DEFINE> h(void) \"a.c\" 7 M DC OF F X (void)int -");
  feed("<DEFINE> h(void) \"a.c\" 7 M DD OF F X (void)int -");
  P_Symbol* h = symbolOf(symbols, "h(void)");
  sink = &repeated;
  for (int unit = 0; unit < 2; ++unit) {
    if (unit > 0) nextFile();
    feed("<DEFINE> k(void) \"k.h\" 4 I DC OF F X (void)int -");
    feed("<DEFINE> k(void) \"k.h\" 4 I DD OF F X (void)int -");
  }
  sink = nullptr;
  P_Symbol* k = symbolOf(symbols, "k(void)");
  ASSERT_TRUE(h && k);
  EXPECT_EQ(k->getDefineList().size(), 1u);
  ASSERT_FALSE(merged.empty());
  ASSERT_EQ(repeated.size(), 3u);  // the first definition, the second declaration and definition
  for (P_Define* d : merged) EXPECT_TRUE(heldByModel(h, d)) << out(d->getName());
  for (P_Define* d : repeated) EXPECT_TRUE(heldByModel(k, d)) << out(d->getName());
}

TEST_F(SymbolTableTest, ExternalNamesJoinAcrossFilesInternalOnesDoNot) {
  feed("<DEFINE> h(int) \"a.c\" 1 M DC OF F X (int)void -");
  feed("<DEFINE> s(int) \"a.c\" 2 M DC OF F I (int)void -");
  nextFile();
  feed("<DEFINE> h(int) \"b.c\" 1 M DC OF F X (int)void -");
  feed("<DEFINE> s(int) \"b.c\" 2 M DC OF F I (int)void -");
  EXPECT_EQ(calls(), (Calls{"new:h(int)", "new:s(int)", "proj:h(int)", "new:s(int)"}));
  EXPECT_EQ(symbols.size(), 3u);
  EXPECT_EQ(symbols.getSymbols()[0]->getDefineList().size(), 2u);
  // The file map only knows the current file's names.
  EXPECT_NE(symbolOf(symbols, "s(int)"), symbols.getSymbols()[1].pointer());
  EXPECT_THROW(symbols.findSymbol(nullptr), U_AssertException);
}

TEST_F(SymbolTableTest, RedeclarationIsFiledUnderTheLatestDefine) {
  feed("<DEFINE> k(int) \"a.c\" 1 M DC OF F X (int)void -");
  feed("<DEFINE> k(int) \"a.c\" 4 M DR OF F X (int)void -");
  EXPECT_EQ(calls(), (Calls{"new:k(int)"}));
  ASSERT_EQ(definesOf(symbols, "k(int)"), "1/1*");
  P_Symbol* sym = symbolOf(symbols, "k(int)");
  P_Define* first = sym->getLatestDefine().pointer();
  ASSERT_TRUE(P_hasSymbolDefineRedeclList(sym, first));
  const P_DefineSet& redecls = P_getSymbolDefineRedeclList(sym, first);
  ASSERT_EQ(redecls.size(), 1u);
  EXPECT_EQ(P_getDefineLine(redecls.begin()->pointer()), 4);
  // Redeclarations survive the merge of a definition into their define.
  feed("<DEFINE> k(int) \"a.c\" 1 M DD OF F X (int)void -");
  EXPECT_TRUE(P_hasSymbolDefineRedeclList(sym, sym->getCurrentDefine()));
  EXPECT_FALSE(P_hasSymbolDefineRedeclList(sym, nullptr));
  EXPECT_THROW(P_getSymbolDefineRedeclList(sym, redecls.begin()->pointer()), U_AssertException);
}

TEST_F(SymbolTableTest, DefinitionWithoutDeclarationBecomesOne) {
  const auto printedBy = [this](bool show, const char* line) {
    SymbolTable::setShowSymbolErrors(show);
    testing::internal::CaptureStdout();
    feed(line);
    fflush(stdout);
    return testing::internal::GetCapturedStdout();
  };
  EXPECT_EQ(printedBy(true, "<DEFINE> lonely(int,char) \"a.c\" 7 M DD OF F X (int,char)void -"),
            "Missing 'DC' for lonely(int,char)\n");
  EXPECT_EQ(calls(), (Calls{"new:lonely(int,char)"}));
  P_Symbol* sym = symbolOf(symbols, "lonely(int,char)");
  ASSERT_NE(sym, nullptr);
  EXPECT_TRUE(P_isDefineDeclaration(sym->getLatestDefine().pointer()));

  EXPECT_EQ(printedBy(false, "<DEFINE> quiet \"a.c\" 8 M DR OV F X int -"), "");
  EXPECT_FALSE(P_isDefineRedeclaration(symbolOf(symbols, "quiet")->getLatestDefine().pointer()));
}

TEST_F(SymbolTableTest, MacrosEnumsAndOverloadKeys) {
  feed("<DEFINE> M \"a.h\" 2 I DD OM F - - O");
  feed("<DEFINE> M \"a.h\" 2 I DD OM F - - O");
  EXPECT_EQ(symbols.size(), 2u);
  EXPECT_EQ(calls(), (Calls{"def:M", "def:M"}));

  calls().clear();
  feed("<DEFINE> E \"a.h\" 3 I DC TG F X {eE} -");
  EXPECT_EQ(definesOf(symbols, "E"), "3/3*");

  // f(a,x) and f(b,x) share a key and so a symbol; f(a,y) does not.
  std::size_t before = symbols.size();
  feed("<DEFINE> f(a,x) \"a.c\" 5 M DC OF F X (a,x)void -");
  feed("<DEFINE> f(b,x) \"a.c\" 6 M DC OF F X (b,x)void -");
  feed("<DEFINE> f(a,y) \"a.c\" 7 M DC OF F X (a,y)void -");
  EXPECT_EQ(calls(), (Calls{"new:E", "new:f(a,x)", "proj:f(b,x)", "new:f(a,y)"}));
  EXPECT_EQ(symbols.size(), before + 2);

  // Equal fields but other names are other symbols.
  feed("<DEFINE> one \"a.c\" 1 M DC OV F X int -");
  feed("<DEFINE> two \"a.c\" 1 M DC OV F X int -");
  EXPECT_EQ(symbols.size(), before + 4);
  EXPECT_NE(symbolOf(symbols, "one"), symbolOf(symbols, "two"));
  EXPECT_EQ(P_getUniqueStrSymbol(IdentifierFields::getParsedString("one"), symbols), symbolOf(symbols, "one"));
}

TEST_F(SymbolTableTest, MalformedRecordsAreSkipped) {
  unsigned long before = DefineHandler::getSkippedRecordCount();
  feed("<DEFINE> x \"a.c\" nope M DC OV F X int -");
  feed("<DEFINE>");
  EXPECT_EQ(DefineHandler::getSkippedRecordCount(), before + 2);
  EXPECT_EQ(symbols.size(), 0u);
  EXPECT_TRUE(calls().empty());
}

TEST(SymbolOrdering, CompareDefineHanLessIgnoresTheName) {
  auto make = [](const char* name, int line, uint8_t def, uint32_t flags) {
    return U_BPtr<P_Define>(new P_Define(P_createUniqueStr(name), U_BPtr<FilenameProxy>(), line, 1, def,
                                         P_SpaceVariable, Scope::File, P_LinkageExternal, P_createUniqueStr("int"), flags));
  };
  CompareDefineHanLess less;
  EXPECT_TRUE(less(make("b", 1, 1, 0), make("a", 2, 1, 0)));
  EXPECT_TRUE(less(make("a", 1, 1, 0), make("a", 1, 2, 0)));
  EXPECT_TRUE(less(make("a", 1, 1, 0), make("a", 1, 1, 4)));
  EXPECT_FALSE(less(make("a", 1, 1, 0), make("b", 1, 1, 0)));
  EXPECT_FALSE(less(make("b", 1, 1, 0), make("a", 1, 1, 0)));
  EXPECT_THROW(P_Symbol(U_BPtr<P_Define>()), U_AssertException);
}
