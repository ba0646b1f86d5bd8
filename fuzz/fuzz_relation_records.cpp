// The relation and include record parsers.  An input is a record file of
// "<DEFINE>" lines (which make the symbols relations refer to) and "<R>"
// lines; every kind of relation and the include store are switched on, and
// the stored relations, includes and include tree are looked at afterwards.
// The model is emptied after every input, so inputs do not depend on each
// other.
#include <cstdint>
#include <new>
#include <string>

#include "FuzzSupport.h"
#include "model/DefineHandler.h"
#include "model/IncludeHandler.h"
#include "model/MetricFileReader.h"
#include "model/P_UniqueStr.h"
#include "model/RelationHandler.h"
#include "model/SymbolTable.h"
#include "model/TemplateTable.h"

namespace {

void symbolClient(P_Symbol*, P_Define*) {}

void checkRelations() {
  for (const auto& [kind, relations] : P_getRelationAllCont()) {
    for (const auto& [key, relation] : relations) {
      P_Relation* r = relation.pointer();
      FUZZ_CHECK(r->getObjectSymbol() != nullptr && r->getSubjectSymbol() != nullptr);
      FUZZ_CHECK(key == (kind == P_RelRefers ? r->getSubject() : r->getObject()));
      FUZZ_CHECK(P_createUniqueStr(r->getObject()) == r->getObject());
    }
  }
}

void checkIncludes() {
  const P_IncludeTreeCont& tree = P_getIncludeTreeCont();
  for (const auto& [including, include] : P_getRelationIncludeCont()) {
    FUZZ_CHECK(including.pointer() == include->getObject().pointer());
    const char* included = include->getSubject()->getAbsPath();
    FUZZ_CHECK(P_getIncludeTree(tree, included).isSet());
  }
}

// Empties every store the records went into.  The process-wide symbol
// table cannot be replaced, so it is made anew in place.
void clearModel() {
  P_getRelationAllCont().clear();
  P_getRelationIncludeCont().clear();
  P_getIncludeTreeCont().clear();
  SymbolTable& symbols = P_getSymbolTable();
  symbols.~SymbolTable();
  new (&symbols) SymbolTable();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  DefineHandler::configureOnNewSymbol(&symbolClient);
  for (char kind : {P_RelBase, P_RelClsMbrRef, P_RelClsMbrPtr, P_RelClsMbr, P_RelUses, P_RelCalls, P_RelRefers})
    P_configureNeedRelation(kind);
  P_configureNeedRelationInclude();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TemplateTable templates;
  DefineHandler::setSymbolTable(P_getSymbolTable());
  DefineHandler::setTemplateTable(templates);
  for (std::string_view line : fuzz::splitLines(fuzz::asText(data, size))) {
    const size_t close = line.find('>');
    if (line.empty() || line[0] != '<' || close == std::string_view::npos) continue;
    MetricFileReader::dispatch(U_String(line.substr(1, close - 1)), U_String(line));
  }
  checkRelations();
  checkIncludes();
  clearModel();
  return 0;
}
