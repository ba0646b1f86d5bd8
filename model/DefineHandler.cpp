#include "model/DefineHandler.h"

#include <algorithm>
#include <set>
#include <vector>

#include "model/DefineRecordParser.h"
#include "model/MetricFileReader.h"
#include "model/P_ClientNotifiers.h"
#include "model/SymbolTable.h"
#include "model/TemplateTable.h"
#include "util/U_Assert.h"

namespace {

struct Registries {
  std::vector<DefineHandler::TemplateDefinitionClient> templateDefinition;
  std::set<DefineHandler::SymbolClient> newSymbol;
  std::set<DefineHandler::SymbolClient> projRedecl;
  std::set<DefineHandler::SymbolClient> definition;
  std::vector<DefineHandler::AllDefinesClient> allDefines;
  SymbolTable* symbolTable = nullptr;
  TemplateTable* templateTable = nullptr;
  unsigned long skipped = 0;
  // The defines of one record on their way to the symbol table; reused so
  // that an ordinary record costs no list allocation.
  TemplateTable::DefineList pending;

  bool storesDefines() const {
    return !allDefines.empty() || !newSymbol.empty() || !projRedecl.empty() || !definition.empty();
  }
};

Registries& registries() {
  static Registries* r = new Registries();  // lives for the whole run
  return *r;
}

void readDefineRecords() { MetricFileReader::configure("DEFINE", &DefineHandler::handleLine); }

void callSymbolClients(const std::set<DefineHandler::SymbolClient>& clients, const U_BPtr<P_Symbol>& sym,
                       P_Define* define) {
  U_ASSERT((sym.isSet() && (0 != sym.pointer())) && "New symbol could not be added.");
  U_notifyClients(clients, P_SymbolClient::notifyClient{sym.pointer(), define});
}

void enterIntoSymbolTable(Registries& r, const U_BPtr<P_Define>& define) {
  std::pair<U_BPtr<P_Symbol>, int> entry = r.symbolTable->addEntry(define);
  switch (entry.second) {
    case P_AddNewSymbol: return callSymbolClients(r.newSymbol, entry.first, define.pointer());
    case P_AddProjRedecl: return callSymbolClients(r.projRedecl, entry.first, define.pointer());
    case P_AddDefinition: return callSymbolClients(r.definition, entry.first, define.pointer());
    default: return;
  }
}

}  // namespace

void DefineHandler::configureOnTemplateDefinition(TemplateDefinitionClient fn) {
  registries().templateDefinition.push_back(fn);
  readDefineRecords();
}

void DefineHandler::configureOnNewSymbol(SymbolClient fn) {
  registries().newSymbol.insert(fn);
  readDefineRecords();
}

void DefineHandler::configureOnProjRedecl(SymbolClient fn) {
  registries().projRedecl.insert(fn);
  readDefineRecords();
}

void DefineHandler::configureOnDefinition(SymbolClient fn) {
  registries().definition.insert(fn);
  readDefineRecords();
}

// The list keeps registration order and refuses a function it already
// holds, so a client asked for by several checks runs once.
void DefineHandler::configureOnAllDefines(AllDefinesClient fn) {
  std::vector<AllDefinesClient>& clients = registries().allDefines;
  if (std::find(clients.begin(), clients.end(), fn) == clients.end()) clients.push_back(fn);
  readDefineRecords();
  MetricFileReader::configureOnEnd(&DefineHandler::runDataClients);
}

void DefineHandler::setSymbolTable(SymbolTable& table) { registries().symbolTable = &table; }
SymbolTable* DefineHandler::getSymbolTable() { return registries().symbolTable; }
void DefineHandler::setTemplateTable(TemplateTable& table) { registries().templateTable = &table; }

U_BPtr<P_Define> DefineHandler::createRecord(std::string_view line) { return DefineRecordParser::parse(line); }

void DefineHandler::handleLine(const U_String& line) {
  Registries& r = registries();
  U_ASSERT(0 != r.symbolTable && "The symbol table is not set");
  U_BPtr<P_Define> define = createRecord(line);
  if (!define.isSet()) {
    ++r.skipped;
    return;
  }
  if (!r.storesDefines()) return;

  TemplateTable& templates = r.templateTable ? *r.templateTable : getTemplateTable();
  TemplateTable::DefineList& pending = r.pending;
  pending.clear();
  templates.addEntry(define->getName(), define, pending);
  for (const U_BPtr<P_Define>& entry : pending) enterIntoSymbolTable(r, entry);

  if (pending.empty() || define->hasDef(P_DefExplicitSpecialisation)) {
    U_notifyClients(r.templateDefinition, P_DefineClient::notifyClient{define.pointer()});
  }
  pending.clear();
}

void DefineHandler::runDataClients() {
  U_notifyClients(registries().allDefines, P_NoArgClient::notifyClient{});
}

unsigned long DefineHandler::getSkippedRecordCount() { return registries().skipped; }
