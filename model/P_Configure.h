#ifndef MODEL_P_CONFIGURE_H
#define MODEL_P_CONFIGURE_H

#include <set>
#include <vector>

// Every internal registration function a check's registration ends up in.
// Those whose registries live with their reader are declared beside it and
// collected here, so that this one header reaches them all.
#include "messages/M_DiagnosticClients.h"  // diagnostic and suppression clients
#include "model/IncludeHandler.h"          // P_configureNeedRelationInclude
#include "model/MetricFileReader.h"        // P_configureOnEndMetrics
#include "model/RelationHandler.h"         // P_configureNeedRelation
#include "model/SourceFileReader.h"        // P_configureOnSource, P_configureOnEndSources

class P_Symbol;
class P_Define;
class P_Alloc;
class P_ControlGraph;

// Definition-record clients (registries in DefineHandler); each switches on
// the "DEFINE" records.
void P_configureOnAllDefine(void (*client)());
void P_configureOnNewSymbol(void (*client)(P_Symbol*, P_Define*));
void P_configureOnProjRedecl(void (*client)(P_Symbol*, P_Define*));
void P_configureOnDefinition(void (*client)(P_Symbol*, P_Define*));
void P_configureOnTemplateDefinition(void (*client)(P_Define*));

// Allocation and control-graph clients.  Their records are not read by this
// program, so the clients are stored but never called.
void P_configureOnAlloc(void (*client)(P_Alloc*));
void P_configureOnControlGraph(void (*client)(P_ControlGraph*));

// Metric records ("S").  The name of P_configureNeedMetric is not used: any
// call switches on every metric record.
void P_configureNeedMetric(const char* name);
void P_configureFunctionMetric(const char* name, void (*client)(P_Define*, const char*));
void P_configureClassMetric(const char* name, void (*client)(P_Define*, const char*));
void P_configureMetricGroup(void (*client)(const char*));

// Literal and extern-variable records are not read; these change nothing.
void P_configureNeedLiteral();
void P_configureNeedExternVar();

// Records, for every scope of a new symbol, the symbol that encloses it
// (read back with P_getScopeEnclSymbol).
void P_configureNeedScopeEnclSymbol();

// A metric client and the metric name it was registered with.
struct P_MetricClient {
  const char* name;
  void (*client)(P_Define*, const char*);
};

// The registries kept here, for the readers and for tests.
std::set<void (*)(P_Alloc*)>& P_getAllocClients();
std::set<void (*)(P_ControlGraph*)>& P_getControlGraphClients();
std::vector<P_MetricClient>& P_getClassMetricClients();
std::vector<P_MetricClient>& P_getFunctionMetricClients();
std::set<void (*)(const char*)>& P_getMetricGroupClients();

// Internal clients registered by the functions above.
// cDoEntityMetrics (an all-defines client): calls the class-metric clients
// for each symbol whose current define is a class, the function-metric
// clients for each whose current define is a function.
void cDoEntityMetrics();
// atEnd (an end-of-analysis client): calls the metric-group clients with
// the current metric-group name.
void atEnd();
// newSymbol (a new-symbol client): records the enclosing symbol of the
// define's scope.
void newSymbol(P_Symbol* symbol, P_Define* define);

// The enclosing symbol recorded for an interned scope string, or null.
P_Symbol* P_getScopeEnclSymbol(const char* scope);

// The symbol that encloses `scope`: the symbol of that name in the table's
// current file, or null.
struct ScopeEnclSymbol {
  static P_Symbol* getEnclSymbol(const char* scope, const class SymbolTable& table);
};

#endif
