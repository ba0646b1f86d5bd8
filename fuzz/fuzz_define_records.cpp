// The "DEFINE" record parser and the define handler behind it.  Every line
// is parsed twice (the parser's caches must give the same define for the
// same line) and then handed to the define handler, which files it through
// a template table into a symbol table; both tables are made afresh for
// every input, so inputs do not depend on each other.
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "model/DefineHandler.h"
#include "model/DefineRecordParser.h"
#include "model/IdentifierFields.h"
#include "model/P_Define.h"
#include "model/P_UniqueStr.h"
#include "model/SymbolTable.h"
#include "model/TemplateTable.h"

namespace {

void checkDefine(const P_Define& d) {
  FUZZ_CHECK(d.getName() != nullptr && d.getType() != nullptr);
  // Names are interned with their length: a NUL byte is part of a name.
  FUZZ_CHECK(P_createUniqueStr(std::string_view(d.getName(), P_getUniqueStrLength(d.getName()))) == d.getName());
  FUZZ_CHECK(d.getFile().isSet() && d.getFile()->getAbsPath() != nullptr);
  FUZZ_CHECK(IdentifierFields::getFullname(d.getName()) != nullptr);
  d.getTemplateFlags();
}

// What the checks ask of a define: every kind test and name part must
// answer for any define the parser accepted.
void queryDefine(const P_Define* d) {
  for (bool (*predicate)(const P_Define*) :
       {P_isDefineClass, P_isDefineStruct, P_isDefineUnion, P_isDefineEnum, P_isDefineBitfield,
        P_isDefineConstructor, P_isDefineCopyConstructor, P_isDefineAssignmentOperator, P_isDefineMain,
        P_isDefineSpecialisation, P_isDefineInHeader, P_isDefineDependent}) {
    predicate(d);
  }
  for (const char* (*part)(const P_Define*) :
       {P_getDefineUnqualName, P_getDefineIdentifier, P_getDefineSimpleIdentifier, P_getDefineScope,
        P_getDefineFunctionParameters, P_getDefineTemplateParameters, P_getDefineUniqueName,
        P_getDefineOverloadFuncQualName, P_getDefineOverloadFuncUnqualName, P_stripTemplateParams,
        P_getDefineFilename}) {
    FUZZ_CHECK(part(d) != nullptr);
  }
}

bool sameFields(const P_Define& a, const P_Define& b) {
  return a.getName() == b.getName() && a.getFile().pointer() == b.getFile().pointer() &&
         a.getLine() == b.getLine() && a.getInc() == b.getInc() && a.getDef() == b.getDef() &&
         a.getSpace() == b.getSpace() && a.getScope() == b.getScope() && a.getLinkage() == b.getLinkage() &&
         a.getType() == b.getType() && a.getFlags() == b.getFlags();
}

void symbolClient(P_Symbol* symbol, P_Define* define) {
  FUZZ_CHECK(symbol != nullptr && define != nullptr);
  FUZZ_CHECK(!symbol->getDefineList().empty());
  FUZZ_CHECK(symbol->getCurrentDefine() != nullptr);
  checkDefine(*define);
}

void templateClient(P_Define* define) {
  FUZZ_CHECK(define != nullptr);
  checkDefine(*define);
}

void parseTwice(std::string_view line) {
  const U_BPtr<P_Define> first = DefineRecordParser::parse(line);
  const U_BPtr<P_Define> second = DefineRecordParser::parse(line);
  FUZZ_CHECK(first.isSet() == second.isSet());
  if (!first.isSet()) return;
  checkDefine(*first);
  FUZZ_CHECK(sameFields(*first, *second));
  queryDefine(first.pointer());
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  DefineHandler::configureOnNewSymbol(&symbolClient);
  DefineHandler::configureOnProjRedecl(&symbolClient);
  DefineHandler::configureOnDefinition(&symbolClient);
  DefineHandler::configureOnTemplateDefinition(&templateClient);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  SymbolTable symbols;
  TemplateTable templates;
  DefineHandler::setSymbolTable(symbols);
  DefineHandler::setTemplateTable(templates);
  for (std::string_view line : fuzz::splitLines(fuzz::asText(data, size))) {
    parseTwice(line);
    DefineHandler::handleLine(U_String(line));
  }
  return 0;
}
