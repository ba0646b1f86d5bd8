#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "util/U_Exception.h"
#include "model/DefineHandler.h"
#include "model/MetricFileReader.h"
#include "model/P_UniqueStr.h"
#include "model/RelationHandler.h"
#include "model/SymbolTable.h"
#include "reader_test_util.h"

namespace {

// Declares variables in the current file so that relation records can name
// them.
void declare(const std::vector<std::string>& names) {
  for (const std::string& name : names) {
    const std::string line = "<DEFINE> " + name + " \"src/rel.cpp\" 1 M DC OV F X int -";
    U_BPtr<P_Define> define = DefineHandler::createRecord(line);
    ASSERT_TRUE(define.isSet()) << line;
    P_getSymbolTable().addEntry(define);
  }
}

// The stored relations of `kind` filed under the name `key`.
std::vector<P_Relation*> filedUnder(char kind, const char* key) {
  std::vector<P_Relation*> out;
  P_RelationAllCont& all = P_getRelationAllCont();
  const auto kindEntry = all.find(kind);
  if (kindEntry == all.end()) return out;
  const auto range = kindEntry->second.equal_range(P_createUniqueStr(key));
  for (auto it = range.first; it != range.second; ++it) out.push_back(it->second.pointer());
  return out;
}

// Each relation as "OBJECT SUBJECT LINE FLAGS".
std::vector<std::string> shown(const std::vector<P_Relation*>& relations) {
  std::vector<std::string> out;
  for (P_Relation* r : relations)
    out.push_back(std::string(P_getRelationObject(r)) + " " + P_getRelationSubject(r) + " " +
                  std::to_string(P_getRelationLine(r)) + " " + std::to_string(r->getFlags()));
  return out;
}

int g_clientCalls = 0;
char g_clientKind = 0;
void countingClient(char kind, U_XPtr<P_Relation>) {
  ++g_clientCalls;
  g_clientKind = kind;
}

}  // namespace

TEST(Relation, CallsKeepTheFirstRecordBetweenTwoNames) {
  declare({"rcCaller", "rcCallee", "rcOther"});
  P_configureNeedRelation('C');
  EXPECT_TRUE(MetricFileReader::isTagRead("R"));

  RelationHandler::handleLine("<R>C rcCaller rcCallee 10 -");
  RelationHandler::handleLine("<R>C rcCaller rcCallee 20 R");  // same pair: dropped
  RelationHandler::handleLine("<R>C rcCaller rcOther 30 -");
  const auto calls = filedUnder('C', "rcCaller");
  ASSERT_EQ(shown(calls), (std::vector<std::string>{"rcCaller rcCallee 10 0", "rcCaller rcOther 30 0"}));
  EXPECT_EQ(P_getRelationObject(calls[0]), P_createUniqueStr("rcCaller"));
  EXPECT_EQ(P_getRelationSubjectSymbol(calls[0]), P_getUniqueStrSymbol(P_createUniqueStr("rcCallee")));
  EXPECT_NE(P_getRelationObjectSymbol(calls[0]), nullptr);
}

TEST(Relation, RefersToIsFiledBySubjectAndOnlyWhenAskedFor) {
  declare({"rxUserA", "rxUserB", "rxTarget"});
  // Before anyone asks for refers-to relations they are read and dropped.
  if (!RelationHandler::isKindRead('X')) {
    P_configureNeedRelation('C');
    RelationHandler::handleLine("<R>X rxUserA rxTarget 5 R");
    EXPECT_TRUE(filedUnder('X', "rxTarget").empty());
  }
  P_configureNeedRelation('X');
  RelationHandler::handleLine("<R>X rxUserA rxTarget 6 R");
  RelationHandler::handleLine("<R>X rxUserB rxTarget 7 RW");
  RelationHandler::handleLine("<R>X rxUserB rxTarget 8 W");  // same pair: dropped
  const auto refs = filedUnder('X', "rxTarget");
  ASSERT_EQ(shown(refs), (std::vector<std::string>{"rxUserA rxTarget 6 1", "rxUserB rxTarget 7 3"}));
  EXPECT_TRUE(P_isRelationRead(refs[0]) && !P_isRelationWrite(refs[0]) && P_isRelationWrite(refs[1]));
}

TEST(Relation, FlagCharactersMapToBits) {
  declare({"rfDerived", "rfBase", "rfBase2"});
  P_configureNeedRelation('B');
  RelationHandler::handleLine("<R>B rfDerived rfBase 3 1V6");
  RelationHandler::handleLine("<R>B rfDerived rfBase2 4 2 3 5 7");
  const auto bases = filedUnder('B', "rfDerived");
  // '6' is no flag.
  ASSERT_EQ(shown(bases), (std::vector<std::string>{"rfDerived rfBase 3 12", "rfDerived rfBase2 4 240"}));
  EXPECT_TRUE(P_isRelationExplicitPublic(bases[0]));
  EXPECT_TRUE(P_isRelationVirtual(bases[0]));
  EXPECT_FALSE(P_isRelationImplicitPublic(bases[0]));
  EXPECT_TRUE(P_isRelationExplicitProtected(bases[1]));
  EXPECT_TRUE(P_isRelationExplicitPrivate(bases[1]));
  EXPECT_TRUE(P_isRelationImplicitPublic(bases[1]));
  EXPECT_TRUE(P_isRelationImplicitPrivate(bases[1]));

  std::istringstream flags("R W - x V");
  EXPECT_EQ(RelationHandler::interpretFlags(flags), 1u | 2u | 4u);
}

TEST(Relation, UnknownSymbolsAndMalformedRecordsAreDropped) {
  declare({"rmKnown", "rmAlso"});
  RelationHandler::configure('P', &countingClient);
  g_clientCalls = 0;
  const char* bad[] = {
      "<R>P rmKnown rmNobody 1 -",        // subject has no symbol
      "<R>P rmKnown(void) rmAlso 1 -",    // functions are keyed by overload name
      "<R>P rmKnown rmAlso notanumber -",  // line is not a number
      "<R>P rmKnown rmAlso 99999999999 -",
      "<R>P rmKnown rmAlso",
      "<R>P",
      "<R>",
      "<R>PP rmKnown rmAlso 1 -",
      "<R> P rmKnown rmAlso 1 -",
      "<R>P rmKnown<<( rmAlso 1 -",
  };
  for (const char* line : bad) RelationHandler::handleLine(line);
  EXPECT_EQ(g_clientCalls, 0);
  RelationHandler::handleLine("<R>P rmKnown rmAlso 2 -");
  EXPECT_EQ(g_clientCalls, 1);
  EXPECT_EQ(g_clientKind, 'P');
  EXPECT_THROW(P_getRelationLine(nullptr), U_AssertException);
  EXPECT_THROW(P_isRelationRead(nullptr), U_AssertException);
}

TEST(RelationErrors, ShownOnStandardOutputWithTheDebugKeyword) {
  declare({"reObject", "reSubject"});
  {
    DebugKeywords keyword({"show-relation-errors"});
    testing::internal::CaptureStdout();
    RelationHandler::handleLine("<R>U reObject reMissing 4 -");
    RelationHandler::handleLine("<R>U reObject reSubject 5 R6");
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Undefined symbol for relation record: <R>U reObject reMissing 4 -\n"
              "Undefined flag for relation record: 6\n");
  }
  testing::internal::CaptureStdout();
  RelationHandler::handleLine("<R>U reObject reMissing 4 -");
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "") << "quiet without the keyword";
}
