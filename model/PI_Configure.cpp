// The exported registration functions: each forwards to the internal
// registration of the same meaning.
#include "model/PI_Guard.h"
#include "model/PI_Interface.h"
#include "model/P_BigBlock.h"
#include "model/P_Configure.h"

void PI_configureOnEnd(PI_NoArgClientFn client) {
  PI_GUARDED_VOID(P_configureOnEndMetrics(client));
}
void PI_configureOnAllDefine(PI_NoArgClientFn client) {
  PI_GUARDED_VOID(P_configureOnAllDefine(client));
}
void PI_configureOnNewSymbol(PI_SymbolClientFn client) {
  PI_GUARDED_VOID(P_configureOnNewSymbol(client));
}
void PI_configureOnProjRedecl(PI_SymbolClientFn client) {
  PI_GUARDED_VOID(P_configureOnProjRedecl(client));
}
void PI_configureOnDefinition(PI_SymbolClientFn client) {
  PI_GUARDED_VOID(P_configureOnDefinition(client));
}
void PI_configureOnSource(PI_SourceClientFn client) {
  PI_GUARDED_VOID(P_configureOnSource(client));
}
void PI_configureOnAlloc(PI_AllocClientFn client) { PI_GUARDED_VOID(P_configureOnAlloc(client)); }
void PI_configureOnControlGraph(PI_ControlGraphClientFn client) {
  PI_GUARDED_VOID(P_configureOnControlGraph(client));
}
void PI_configureNeedMetric(char const* name) { PI_GUARDED_VOID(P_configureNeedMetric(name)); }
void PI_configureFunctionMetric(char const* name, PI_MetricClientFn client) {
  PI_GUARDED_VOID(P_configureFunctionMetric(name, client));
}
void PI_configureClassMetric(char const* name, PI_MetricClientFn client) {
  PI_GUARDED_VOID(P_configureClassMetric(name, client));
}
void PI_configureMetricGroup(PI_MetricGroupClientFn client) {
  PI_GUARDED_VOID(P_configureMetricGroup(client));
}
void PI_configureNeedLiteral(void) { PI_GUARDED_VOID(P_configureNeedLiteral()); }
void PI_configureNeedExternVar(void) { PI_GUARDED_VOID(P_configureNeedExternVar()); }
void PI_configureNeedRelationBase(void) { PI_GUARDED_VOID(P_configureNeedRelation('B')); }
void PI_configureNeedRelationCalls(void) { PI_GUARDED_VOID(P_configureNeedRelation('C')); }
void PI_configureNeedRelationClsMbr(void) { PI_GUARDED_VOID(P_configureNeedRelation('V')); }
void PI_configureNeedRelationClsMbrPtr(void) { PI_GUARDED_VOID(P_configureNeedRelation('P')); }
void PI_configureNeedRelationClsMbrRef(void) { PI_GUARDED_VOID(P_configureNeedRelation('R')); }
void PI_configureNeedRelationRefers(void) { PI_GUARDED_VOID(P_configureNeedRelation('X')); }
void PI_configureNeedRelationInclude(void) { PI_GUARDED_VOID(P_configureNeedRelationInclude()); }
void PI_configureNeedScopeEnclSymbol(void) { PI_GUARDED_VOID(P_configureNeedScopeEnclSymbol()); }

void PI_configureOnDiagnostic(PI_DiagnosticClientFn client) {
  PI_GUARDED_VOID(P_configureOnDiagnostic(client));
}
void PI_configureOnDiagnosticSuppressed(PI_DiagnosticSuppressedClientFn client) {
  PI_GUARDED_VOID(P_configureOnDiagnosticSuppressed(client));
}
void PI_configureOnMessage(unsigned int id, PI_DiagnosticSuppressedClientFn client) {
  PI_GUARDED_VOID(P_configureOnMessage(id, client));
}
void PI_configureOnDiagnosticDisabled(PI_DiagnosticDisabledClientFn client) {
  PI_GUARDED_VOID(P_configureOnDiagnosticDisabled(client));
}
void PI_configureOnDiagnosticSubMsg(PI_DiagnosticSubMsgClientFn client) {
  PI_GUARDED_VOID(P_configureOnDiagnosticSubMsg(client));
}
void PI_configureOnDiagnosticStringParam(PI_DiagnosticStringParamClientFn client) {
  PI_GUARDED_VOID(P_configureOnDiagnosticStringParam(client));
}
void PI_configureOnSuppressionRecord(PI_SuppressionRecordClientFn client) {
  PI_GUARDED_VOID(P_configureOnSuppressionRecord(client));
}
void PI_configureOnSuppressionRecordDiagnostic(PI_SuppressionRecordDiagnosticClientFn client) {
  PI_GUARDED_VOID(P_configureOnSuppressionRecordDiagnostic(client));
}

// The host process asked for it: see P_enableLargeModelMemory.
void PI_configureLargeModelMemory(void) { P_enableLargeModelMemory(); }
