#include "model/P_Configure.h"

#include <map>

#include "model/DefineHandler.h"
#include "model/P_Define.h"
#include "model/P_MetricStore.h"
#include "model/P_Symbol.h"
#include "model/SymbolTable.h"
#include "util/U_Assert.h"
#include "util/U_NotifyClients.h"

// The handler's all-defines list refuses a function it already holds.
void P_configureOnAllDefine(void (*client)()) { DefineHandler::configureOnAllDefines(client); }
void P_configureOnNewSymbol(void (*client)(P_Symbol*, P_Define*)) {
  DefineHandler::configureOnNewSymbol(client);
}
void P_configureOnProjRedecl(void (*client)(P_Symbol*, P_Define*)) {
  DefineHandler::configureOnProjRedecl(client);
}
void P_configureOnDefinition(void (*client)(P_Symbol*, P_Define*)) {
  DefineHandler::configureOnDefinition(client);
}
void P_configureOnTemplateDefinition(void (*client)(P_Define*)) {
  DefineHandler::configureOnTemplateDefinition(client);
}

std::set<void (*)(P_Alloc*)>& P_getAllocClients() {
  static std::set<void (*)(P_Alloc*)> clients;
  return clients;
}
std::set<void (*)(P_ControlGraph*)>& P_getControlGraphClients() {
  static std::set<void (*)(P_ControlGraph*)> clients;
  return clients;
}
std::vector<P_MetricClient>& P_getClassMetricClients() {
  static std::vector<P_MetricClient> clients;
  return clients;
}
std::vector<P_MetricClient>& P_getFunctionMetricClients() {
  static std::vector<P_MetricClient> clients;
  return clients;
}
std::set<void (*)(const char*)>& P_getMetricGroupClients() {
  static std::set<void (*)(const char*)> clients;
  return clients;
}

void P_configureOnAlloc(void (*client)(P_Alloc*)) { P_getAllocClients().insert(client); }
void P_configureOnControlGraph(void (*client)(P_ControlGraph*)) {
  P_getControlGraphClients().insert(client);
}

void P_configureNeedMetric(const char*) { P_MetricStore::configure(); }

void P_configureFunctionMetric(const char* name, void (*client)(P_Define*, const char*)) {
  P_getFunctionMetricClients().push_back(P_MetricClient{name, client});
  P_configureOnAllDefine(&cDoEntityMetrics);
}

void P_configureClassMetric(const char* name, void (*client)(P_Define*, const char*)) {
  P_getClassMetricClients().push_back(P_MetricClient{name, client});
  P_configureOnAllDefine(&cDoEntityMetrics);
}

void P_configureMetricGroup(void (*client)(const char*)) {
  P_getMetricGroupClients().insert(client);
  P_MetricStore::configure();
  P_configureOnEndMetrics(&atEnd);
}

void P_configureNeedLiteral() {}
void P_configureNeedExternVar() {}

void P_configureNeedScopeEnclSymbol() { P_configureOnNewSymbol(&newSymbol); }

namespace {

void notifyMetricClients(const std::vector<P_MetricClient>& clients, P_Define* define) {
  U_notifyClients(clients, [define](const P_MetricClient& c) { c.client(define, c.name); });
}

std::map<const char*, P_Symbol*>& scopeEnclSymbols() {
  static std::map<const char*, P_Symbol*> map;
  return map;
}

}  // namespace

void cDoEntityMetrics() {
  const std::vector<P_MetricClient>& classClients = P_getClassMetricClients();
  const std::vector<P_MetricClient>& functionClients = P_getFunctionMetricClients();
  if (classClients.empty() && functionClients.empty()) return;
  const SymbolTable* table = DefineHandler::getSymbolTable();
  if (table == nullptr) table = &P_getSymbolTable();
  for (const U_BPtr<P_Symbol>& symbol : *table) {
    P_Define* define = symbol->getCurrentDefine();
    if (define == nullptr) continue;
    if (P_isDefineClass(define)) {
      notifyMetricClients(classClients, define);
    } else if (P_isDefineFunction(define)) {
      notifyMetricClients(functionClients, define);
    }
  }
}

void atEnd() {
  const char* group = P_MetricStore::getGroupName();
  U_callClients(P_getMetricGroupClients(), group);
}

P_Symbol* ScopeEnclSymbol::getEnclSymbol(const char* scope, const SymbolTable& table) {
  if (scope == nullptr || *scope == '\0') return nullptr;
  return table.findSymbol(scope);
}

void newSymbol(P_Symbol*, P_Define* define) {
  const char* scope = P_getDefineScope(define);
  if (scope == nullptr) return;
  auto& map = scopeEnclSymbols();
  if (map.count(scope) != 0) return;
  const SymbolTable* table = DefineHandler::getSymbolTable();
  if (table == nullptr) table = &P_getSymbolTable();
  if (P_Symbol* encl = ScopeEnclSymbol::getEnclSymbol(scope, *table)) map[scope] = encl;
}

P_Symbol* P_getScopeEnclSymbol(const char* scope) {
  U_ASSERT(0 != scope && "Scope is unset");
  const auto& map = scopeEnclSymbols();
  auto it = map.find(scope);
  return it == map.end() ? nullptr : it->second;
}
