// The query and iteration functions over a model built from records.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/PI_Interface.h"
#include "model/P_MetricStore.h"
#include "model/P_Options.h"
#include "model/RelationHandler.h"
#include "test_pi_support.h"

namespace {

void ignoreSymbol(P_Symbol*, P_Define*) {}

// The lines of the defines a define loop visits.
std::vector<int> defineLines(PI_DefineIterHan it) {
  std::vector<int> lines;
  for (; !PI_isDefineIterEnd(it); PI_getDefineIterNext(it)) lines.push_back(PI_getDefineLine(PI_getDefineIterData(it)));
  return lines;
}

class PiQuery : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    PI_configureOnNewSymbol(&ignoreSymbol);
    PI_configureNeedRelationCalls();
    PI_configureNeedRelationRefers();
    piFeedDefines({
        "<DEFINE> piqFunc(int) \"/piq/a.c\" 3 M DC OF F X (int)void -",
        "<DEFINE> piqFunc(int) \"/piq/a.c\" 9 M DD OF F X (int)void -",
        "<DEFINE> piqVar \"/piq/a.c\" 12 M DC OV F X int[4] -",
        "<DEFINE> piqOther \"/piq/a.c\" 13 M DC OV F X int -",
        "<DEFINE> piqOther \"/piq/a.c\" 15 M DR OV F X int -",
    });
    RelationHandler::handleLine("<R>C piqVar piqOther 20 -");
    RelationHandler::handleLine("<R>X piqVar piqOther 21 RW");
  }
};

TEST_F(PiQuery, SymbolAndDefineLoopsWalkTheModel) {
  P_Symbol* func = piFindSymbol("piqFunc(int)");
  ASSERT_NE(nullptr, func);
  EXPECT_EQ((std::vector<int>{3, 9}), defineLines(PI_getSymbolFirstDefine(func)));
  P_Define* current = PI_getSymbolCurrentDefine(func);
  EXPECT_EQ(9, PI_getDefineLine(current));
  EXPECT_TRUE(PI_isDefineDefinition(current) && PI_isDefineFunction(current) && !PI_isDefineVariable(current));
  EXPECT_STREQ("/piq/a.c", PI_getDefineFilename(current));
  EXPECT_FALSE(PI_hasSymbolDefineRedeclList(func, current));
  // Redeclarations are listed under the define they redeclare.
  P_Symbol* other = piFindSymbol("piqOther");
  ASSERT_NE(nullptr, other);
  P_Define* declared = PI_getSymbolCurrentDefine(other);
  ASSERT_TRUE(PI_hasSymbolDefineRedeclList(other, declared));
  EXPECT_EQ((std::vector<int>{15}), defineLines(PI_getSymbolDefineFirstRedecl(other, declared)));
  EXPECT_EQ((std::vector<int>{13}), defineLines(PI_getSymbolFirstDefine(other)));
}

TEST_F(PiQuery, RelationKindsShareOneIteratorStore) {
  P_Symbol* var = piFindSymbol("piqVar");
  P_Symbol* other = piFindSymbol("piqOther");
  ASSERT_TRUE(var && other);
  // A calls handle works with the refers-to functions too.
  P_Relation* call = nullptr;
  PI_RelationIterHan calls = PI_getFirstRelationCall();
  for (; !PI_isRelationRefersIterEnd(calls); PI_getRelationBaseIterNext(calls)) {
    P_Relation* rel = PI_getRelationClsMbrIterData(calls);
    if (PI_getRelationObjectSymbol(rel) == var) call = rel;
  }
  ASSERT_NE(nullptr, call);
  EXPECT_EQ(other, PI_getRelationSubjectSymbol(call));
  EXPECT_EQ(20, PI_getRelationLine(call));
  // The freed id is taken by the next relation loop of any kind.
  PI_RelationIterHan refers = PI_getFirstRelationRefer();
  EXPECT_EQ(calls.id, refers.id);
  // Other tests of this process may have stored refers-to relations too.
  P_Relation* ref = nullptr;
  for (; !PI_isRelationRefersIterEnd(refers); PI_getRelationRefersIterNext(refers)) {
    P_Relation* rel = PI_getRelationRefersIterData(refers);
    if (PI_getRelationSubjectSymbol(rel) == other) ref = rel;
  }
  ASSERT_NE(nullptr, ref);
  EXPECT_TRUE(PI_isRelationRefersRead(ref) && PI_isRelationRefersWrite(ref) && !PI_isRelationVirtual(ref));
  // Refers-to relations are keyed by subject: piqOther is referred to.
  EXPECT_EQ(1, PI_hasRelationRefersSubject(other));
  EXPECT_EQ(0, PI_hasRelationRefersSubject(var));
  // This project's records hold no is-base-of relation: the base range
  // (which other tests may fill) holds none of its symbols.
  for (PI_RelationIterHan base = PI_getFirstRelationBase(); !PI_isRelationBaseIterEnd(base);
       PI_getRelationBaseIterNext(base)) {
    P_Relation* rel = PI_getRelationBaseIterData(base);
    EXPECT_NE(var, PI_getRelationObjectSymbol(rel));
    EXPECT_NE(other, PI_getRelationObjectSymbol(rel));
  }
}

TEST(PiOptions, EntriesOfOneNamespaceInOrder) {
  Option::addOption(P_getOptionCont(), "piqns::level=3");
  Option::addOption(P_getOptionCont(), "piqns::warn-");
  std::vector<std::string> entries;
  for (PI_OptionIterHan it = PI_getFirstOption("piqns"); !PI_isOptionIterEnd(it); PI_getOptionIterNext(it))
    entries.push_back(PI_getOptionIterData(it));
  EXPECT_EQ((std::vector<std::string>{"level=3", "warn-"}), entries);
  PI_OptionIterHan none = PI_getFirstOption("piq-no-such-namespace");
  EXPECT_TRUE(PI_isOptionIterEnd(none));
  EXPECT_EQ(nullptr, PI_getOptionIterData(none));
}

TEST(PiMetrics, ValuesOfTheEntityOrFileOfTheirRecords) {
  P_MetricStore::handleLine("<S>STFIL /piq/m.c");
  P_MetricStore::handleLine("<S>STLIN 120");
  P_MetricStore::handleLine("<S>STNAM piqFunc");
  P_MetricStore::handleLine("<S>STCYC   2.5 ");
  EXPECT_EQ(120, PI_getMetricIntegralValue("/piq/m.c", "STLIN"));
  EXPECT_DOUBLE_EQ(2.5, PI_getMetricFloatingValue("piqFunc", "STCYC"));
  EXPECT_STREQ("2.5", PI_getMetricStringValue("piqFunc", "STCYC"));
  EXPECT_EQ(1, PI_hasMetric("piqFunc", "STCYC"));
  EXPECT_EQ(0, PI_hasMetric("piqFunc", "STLIN"));
  EXPECT_EQ(0, PI_getMetricIntegralValue("piqFunc", "STLIN"));
  EXPECT_EQ(nullptr, PI_getMetricStringValue(nullptr, "STLIN"));
}

TEST(PiTypeQueries, ArrayTypes) {
  EXPECT_TRUE(PI_isTypeArray("int[4]"));
  EXPECT_FALSE(PI_isTypeArray("int*"));
  EXPECT_FALSE(PI_isTypeArray(nullptr));
  EXPECT_TRUE(PI_isUndimArray("char[]"));
  EXPECT_EQ(4, PI_getArrayDimension("int[2][4]"));
  EXPECT_EQ(0, PI_getArrayDimension("char[]"));
  EXPECT_EQ(0, PI_getArrayDimension("int[N]"));
  EXPECT_STREQ("int[2]", PI_getArrayElemType("int[2][4]"));
  EXPECT_STREQ("int*", PI_getArrayElemType("int*"));
  EXPECT_TRUE(PI_areTypesEqual("int", std::string("int").c_str()));
  EXPECT_FALSE(PI_areTypesEqual("int", nullptr));
}

}  // namespace
