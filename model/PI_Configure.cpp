// The exported registration functions: each forwards to the internal
// registration of the same meaning.
#include "model/PI_Interface.h"
#include "model/P_Configure.h"

void PI_configureOnEnd(PI_NoArgClientFn client) { P_configureOnEndMetrics(client); }
void PI_configureOnAllDefine(PI_NoArgClientFn client) { P_configureOnAllDefine(client); }
void PI_configureOnNewSymbol(PI_SymbolClientFn client) { P_configureOnNewSymbol(client); }
void PI_configureOnProjRedecl(PI_SymbolClientFn client) { P_configureOnProjRedecl(client); }
void PI_configureOnDefinition(PI_SymbolClientFn client) { P_configureOnDefinition(client); }
void PI_configureOnSource(PI_SourceClientFn client) { P_configureOnSource(client); }
void PI_configureOnAlloc(PI_AllocClientFn client) { P_configureOnAlloc(client); }
void PI_configureOnControlGraph(PI_ControlGraphClientFn client) {
  P_configureOnControlGraph(client);
}
void PI_configureNeedMetric(char const* name) { P_configureNeedMetric(name); }
void PI_configureFunctionMetric(char const* name, PI_MetricClientFn client) {
  P_configureFunctionMetric(name, client);
}
void PI_configureClassMetric(char const* name, PI_MetricClientFn client) {
  P_configureClassMetric(name, client);
}
void PI_configureMetricGroup(PI_MetricGroupClientFn client) { P_configureMetricGroup(client); }
void PI_configureNeedLiteral(void) { P_configureNeedLiteral(); }
void PI_configureNeedExternVar(void) { P_configureNeedExternVar(); }
void PI_configureNeedRelationBase(void) { P_configureNeedRelation('B'); }
void PI_configureNeedRelationCalls(void) { P_configureNeedRelation('C'); }
void PI_configureNeedRelationClsMbr(void) { P_configureNeedRelation('V'); }
void PI_configureNeedRelationClsMbrPtr(void) { P_configureNeedRelation('P'); }
void PI_configureNeedRelationClsMbrRef(void) { P_configureNeedRelation('R'); }
void PI_configureNeedRelationRefers(void) { P_configureNeedRelation('X'); }
void PI_configureNeedRelationInclude(void) { P_configureNeedRelationInclude(); }
void PI_configureNeedScopeEnclSymbol(void) { P_configureNeedScopeEnclSymbol(); }

void PI_configureOnDiagnostic(PI_DiagnosticClientFn client) { P_configureOnDiagnostic(client); }
void PI_configureOnDiagnosticSuppressed(PI_DiagnosticSuppressedClientFn client) {
  P_configureOnDiagnosticSuppressed(client);
}
void PI_configureOnMessage(unsigned int id, PI_DiagnosticSuppressedClientFn client) {
  P_configureOnMessage(id, client);
}
void PI_configureOnDiagnosticDisabled(PI_DiagnosticDisabledClientFn client) {
  P_configureOnDiagnosticDisabled(client);
}
void PI_configureOnDiagnosticSubMsg(PI_DiagnosticSubMsgClientFn client) {
  P_configureOnDiagnosticSubMsg(client);
}
void PI_configureOnDiagnosticStringParam(PI_DiagnosticStringParamClientFn client) {
  P_configureOnDiagnosticStringParam(client);
}
void PI_configureOnSuppressionRecord(PI_SuppressionRecordClientFn client) {
  P_configureOnSuppressionRecord(client);
}
void PI_configureOnSuppressionRecordDiagnostic(PI_SuppressionRecordDiagnosticClientFn client) {
  P_configureOnSuppressionRecordDiagnostic(client);
}
